// Compaction and the SQL console on the worker; the backup button; restoring
// backup n, a restore that fails half-way and the start-up repair.
#include <gtest/gtest.h>

#include "base/files.h"
#include "support/job_doubles.h"
#include "jobs/backup_commands.h"
#include "jobs/maintenance.h"
#include "store/backups.h"
#include "store/library_files.h"
#include "store/restore.h"
#include "support/failing_steps.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using testing::FailingSteps;
using testing::JobHarness;
using testing::RecordingUi;
using testing::TestLibrary;

class MaintenanceTest : public ::testing::Test {
 protected:
  int Count(const std::string& table) {
    ResultGrid grid;
    lib_.Db().Query("SELECT COUNT(*) FROM [" + table + "]", grid);
    return static_cast<int>(grid.Number(1, 0));
  }
  std::string Categories() {
    ResultGrid grid;
    std::string names;
    for (int row = 1, rows = lib_.Db().Query("SELECT [类别名] FROM [class] ORDER BY ID", grid); row <= rows;
         ++row) {
      names += grid.At(row, 0) + ";";
    }
    return names;
  }
  MaintenanceOutcome Console(const std::string& sql) {
    return RunConsoleStatements(lib_.Db(), sql, harness_.runner, [] { return true; });
  }

  TestLibrary lib_;
  JobHarness harness_;
};

TEST_F(MaintenanceTest, EmptyConsoleStatementIsRefusedBeforeAnyQuestion) {
  bool asked = false;
  const MaintenanceOutcome outcome =
      RunConsoleStatements(lib_.Db(), "", harness_.runner, [&] { return asked = true; });
  EXPECT_EQ(MaintenanceStatus::Refused, outcome.status);
  EXPECT_EQ("没有命令，无法执行", outcome.text);
  EXPECT_EQ(MessageIcon::Stop, outcome.icon);
  EXPECT_FALSE(asked);
  EXPECT_EQ(0, harness_.views.record.opened);
}

TEST_F(MaintenanceTest, ConsoleAnsweredNoRunsNothing) {
  const MaintenanceOutcome outcome = RunConsoleStatements(
      lib_.Db(), "INSERT INTO fun([名字]) VALUES('甲')", harness_.runner, [] { return false; });
  EXPECT_EQ(MaintenanceStatus::Cancelled, outcome.status);
  EXPECT_EQ(0, Count("fun"));
}

TEST_F(MaintenanceTest, ConsoleSyntaxErrorShowsSqlitesMessage) {
  const MaintenanceOutcome outcome = Console("UPDATE fun SETT [名字]=1");
  EXPECT_EQ(MaintenanceStatus::Failed, outcome.status);
  EXPECT_EQ(0u, outcome.text.rfind("执行失败，原因见下面信息：\r\n", 0));
  EXPECT_NE(std::string::npos, outcome.text.find("syntax error"));
}

TEST_F(MaintenanceTest, ConsoleRunsEveryStatementUnderItsCaption) {
  const std::string sql = "INSERT INTO fun([名字]) VALUES('甲');INSERT INTO fun([名字]) VALUES('乙')";
  const MaintenanceOutcome outcome = Console(sql);
  EXPECT_EQ(MaintenanceStatus::Succeeded, outcome.status);
  EXPECT_EQ("执行成功", outcome.text);
  EXPECT_EQ(2, Count("fun"));
  EXPECT_EQ("执行SQL:" + sql, harness_.views.record.captions.front());
}

TEST_F(MaintenanceTest, StopInterruptsAStatementThatNeverEnds) {
  harness_.views.record.stop_answers = {MessageAnswer::Yes};
  harness_.on_poll[5] = [&] { harness_.views.record.press_stop(); };
  const MaintenanceOutcome outcome = Console(
      "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT COUNT(*) FROM c");
  EXPECT_EQ(MaintenanceStatus::Failed, outcome.status);
  EXPECT_NE(std::string::npos, outcome.text.find("interrupt"));
  EXPECT_EQ(kSqliteOk, lib_.Db().Run("INSERT INTO fun([名字]) VALUES('之后')"));
}

TEST_F(MaintenanceTest, CompactionShrinksTheFileAfterDeletions) {
  {
    TransactionBracket bracket(lib_.Db());
    for (int i = 0; i < 400; ++i) lib_.AddEntry("资料" + std::to_string(i), 0, std::string(1000, 'x'));
  }
  ASSERT_EQ(kSqliteOk, lib_.Db().Run("DELETE FROM fun"));
  const auto before = RealFileSteps().Facts(lib_.DatabasePath());
  const MaintenanceOutcome outcome = CompactLibrary(lib_.Db(), lib_.Folder(), harness_.runner, RealFileSteps());
  EXPECT_EQ(MaintenanceStatus::Succeeded, outcome.status);
  EXPECT_LT(RealFileSteps().Facts(lib_.DatabasePath())->size, before->size / 4);
  EXPECT_EQ("整理中....请稍后....", harness_.views.record.captions.front());
}

TEST_F(MaintenanceTest, CompactionWithoutRoomSaysSoAndRunsNothing) {
  FailingSteps steps;
  steps.free_space = 1000;
  const MaintenanceOutcome outcome = CompactLibrary(lib_.Db(), lib_.Folder(), harness_.runner, steps);
  EXPECT_EQ(MaintenanceStatus::Refused, outcome.status);
  EXPECT_EQ(MessageIcon::Exclamation, outcome.icon);
  EXPECT_NE(std::string::npos, outcome.text.find("1,000 Byte"));
  EXPECT_EQ(0, harness_.views.record.opened);
}

TEST_F(MaintenanceTest, BackupButtonReportsDoneOrTheFailure) {
  LibraryBackups backups(lib_.Db(), lib_.Folder());
  EXPECT_EQ("备份完成。", BackUpNow(backups).text);
  FailingSteps steps;
  steps.fail_rename = 1;
  LibraryBackups failing(lib_.Db(), lib_.Folder(), steps);
  const MaintenanceOutcome failed = BackUpNow(failing);
  EXPECT_EQ(MaintenanceStatus::Failed, failed.status);
  EXPECT_EQ(0u, failed.text.rfind("备份失败，原因见下面信息：\r\n", 0));
}

// Backups 3, 2, 1 made after adding 甲, 乙, 丙 in turn; then 丁 added.
class RestoreTest : public MaintenanceTest {
 protected:
  void SetUp() override {
    for (const char* name : {"甲", "乙", "丙"}) {
      lib_.AddCategory(name);
      ASSERT_EQ(BackupStatus::Done, backups_.RotateAndBackUp().status);
    }
    lib_.AddCategory("丁");
  }
  LibraryBackups backups_{lib_.Db(), lib_.Folder()};
  RecordingUi ui_;
};

TEST_F(RestoreTest, RestoringBackupThreeKeepsItAndMakesTheOldDatabaseBackupEleven) {
  const RestoreReport report = RestoreLibrary(lib_.Db(), backups_, 3, ui_);
  EXPECT_EQ(RestoreEnd::Restored, report.end);
  ASSERT_TRUE(lib_.Db().IsOpen());
  EXPECT_EQ("甲;", Categories());
  EXPECT_TRUE(PathExists(lib_.Folder() + BackupFileName(3)));
  Database eleven;
  ASSERT_EQ(kSqliteOk, eleven.Open(lib_.Folder() + BackupFileName(11)));
  ResultGrid grid;
  EXPECT_EQ(4, eleven.Query("SELECT * FROM [class]", grid));
  EXPECT_FALSE(PathExists(lib_.Folder() + BackupFileName(12)));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(RestoreTest, MissingBackupDoesNothing) {
  EXPECT_EQ(RestoreEnd::Nothing, RestoreLibrary(lib_.Db(), backups_, 7, ui_).end);
  EXPECT_EQ(RestoreEnd::Nothing, RestoreLibrary(lib_.Db(), backups_, 12, ui_).end);
  EXPECT_EQ("甲;乙;丙;丁;", Categories());
}

TEST_F(RestoreTest, CopyFailingHalfWayPutsTheDatabaseBackAndOpen) {
  FailingSteps steps;
  steps.fail_copy_half_way = true;
  LibraryBackups backups(lib_.Db(), lib_.Folder(), steps);
  const RestoreReport report = RestoreLibrary(lib_.Db(), backups, 3, ui_);
  EXPECT_EQ(RestoreEnd::Failed, report.end);
  EXPECT_EQ(0u, report.text.rfind("执行失败，发生了错误：\r\n", 0));
  ASSERT_TRUE(lib_.Db().IsOpen());
  EXPECT_EQ("甲;乙;丙;丁;", Categories());
  EXPECT_FALSE(PathExists(lib_.Folder() + BackupFileName(12)));
  EXPECT_FALSE(PathExists(lib_.Folder() + kRestorePartName));
  EXPECT_TRUE(PathExists(lib_.Folder() + BackupFileName(3)));
}

TEST_F(RestoreTest, StartAfterARestoreCutShortPutsTheHeldDatabaseBack) {
  lib_.Db().Close();
  ASSERT_TRUE(RenameFile(lib_.DatabasePath(), lib_.Folder() + BackupFileName(12)));
  std::string failure;
  ASSERT_EQ(OpenResult::Opened, OpenReferenceDatabase(lib_.Db(), lib_.Folder(), failure)) << failure;
  EXPECT_EQ("甲;乙;丙;丁;", Categories());
  EXPECT_FALSE(PathExists(lib_.Folder() + BackupFileName(12)));
  EXPECT_TRUE(ui_.messages.empty());
}

}  // namespace
}  // namespace mivrel
