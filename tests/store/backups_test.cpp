// The backup rotation, the automatic check's two-day rule, the damaged-database
// refusal and the texts of the restore menu and the file information.
#include <gtest/gtest.h>
#include <utime.h>

#include <fstream>

#include "base/files.h"
#include "store/backup_texts.h"
#include "store/backups.h"
#include "store/database.h"
#include "support/failing_steps.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using testing::FailingSteps;
using testing::TestLibrary;

constexpr std::time_t kDay = 24 * 60 * 60;

class BackupsTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return lib_.Folder() + name; }
  void PutBackup(int n, const std::string& name = "") {
    ASSERT_TRUE(WriteWholeFile(PathOf(name.empty() ? BackupFileName(n) : name), "old " + std::to_string(n)));
  }
  std::string Content(int n) const {
    std::string bytes;
    return ReadWholeFile(PathOf(BackupFileName(n)), bytes) ? bytes : "(absent)";
  }
  void SetWriteTime(int n, std::time_t when) {
    const utimbuf times{when, when};
    ASSERT_EQ(0, utime(NativePath(PathOf(BackupFileName(n))).c_str(), &times));
  }
  // The category names a backup holds, read from the file as a database.
  std::string CategoriesIn(int n) const {
    Database copy;
    if (copy.Open(PathOf(BackupFileName(n))) != kSqliteOk) return "(not a database)";
    ResultGrid grid;
    std::string names;
    for (int row = 1, rows = copy.Query("SELECT [类别名] FROM [class] ORDER BY ID", grid); row <= rows; ++row) {
      names += grid.At(row, 0) + ";";
    }
    return names;
  }

  TestLibrary lib_;
  LibraryBackups backups_{lib_.Db(), lib_.Folder()};
};

TEST_F(BackupsTest, FirstBackupIsAConsistentCopyOfTheOpenDatabase) {
  lib_.AddCategory("第一类");
  lib_.AddCategory("第二类");
  ASSERT_EQ(BackupStatus::Done, backups_.RotateAndBackUp().status);
  EXPECT_EQ("第一类;第二类;", CategoriesIn(1));
  EXPECT_EQ("(absent)", Content(2));
  EXPECT_FALSE(PathExists(PathOf(kBackupPartName)));
}

TEST_F(BackupsTest, GapsShiftByOneAndKeepTheirGaps) {
  PutBackup(2);
  PutBackup(5);
  ASSERT_EQ(BackupStatus::Done, backups_.RotateAndBackUp().status);
  EXPECT_EQ("old 2", Content(3));
  EXPECT_EQ("old 5", Content(6));
  EXPECT_EQ("(absent)", Content(2));
  EXPECT_EQ("(absent)", Content(5));
  EXPECT_EQ("", CategoriesIn(1));
}

TEST_F(BackupsTest, WithAllElevenTheOldestIsDroppedAndTheRestShift) {
  for (int n = 1; n <= kBackupCount; ++n) PutBackup(n);
  ASSERT_EQ(BackupStatus::Done, backups_.RotateAndBackUp().status);
  for (int n = 2; n <= kBackupCount; ++n) EXPECT_EQ("old " + std::to_string(n - 1), Content(n));
  EXPECT_EQ("", CategoriesIn(1));
  EXPECT_EQ("(absent)", Content(12));
}

TEST_F(BackupsTest, NamesInOtherLetterCaseAreTheSameBackups) {
  PutBackup(3, "资料数据3.Bak");
  EXPECT_EQ("资料数据3.Bak", FindBackupFile(lib_.Folder(), 3));
  ASSERT_EQ(BackupStatus::Done, backups_.RotateAndBackUp().status);
  EXPECT_EQ("old 3", Content(4));
  EXPECT_FALSE(PathExists(PathOf("资料数据3.Bak")));
}

TEST_F(BackupsTest, FailingRenameEndsTheRotationWithoutLosingBackups) {
  for (int n = 1; n <= 4; ++n) PutBackup(n);
  FailingSteps steps;
  steps.fail_rename = 2;  // 4 -> 5 succeeds, 3 -> 4 fails
  LibraryBackups backups(lib_.Db(), lib_.Folder(), steps);
  const BackupOutcome outcome = backups.RotateAndBackUp();
  EXPECT_EQ(BackupStatus::Failed, outcome.status);
  EXPECT_FALSE(outcome.text.empty());
  EXPECT_EQ("old 4", Content(5));
  EXPECT_EQ("old 3", Content(3));
  EXPECT_EQ("old 1", Content(1));
  EXPECT_FALSE(PathExists(PathOf(kBackupPartName)));
}

TEST_F(BackupsTest, CopyThatCannotBeWrittenChangesNoBackup) {
  PutBackup(1);
  PutBackup(11);
  ASSERT_TRUE(MakeDirectories(PathOf(kBackupPartName) + "/blocked"));
  EXPECT_EQ(BackupStatus::Failed, backups_.RotateAndBackUp().status);
  EXPECT_EQ("old 1", Content(1));
  EXPECT_EQ("old 11", Content(11));
  EXPECT_EQ("(absent)", Content(2));
}

TEST_F(BackupsTest, AutomaticCheckRotatesOnlyFromTwoWholeDaysOn) {
  const std::time_t now = std::time(nullptr);
  PutBackup(1);
  SetWriteTime(1, now - 2 * kDay + 1);
  EXPECT_EQ(BackupStatus::NotDue, backups_.AutomaticBackupCheck(now).status);
  EXPECT_EQ("old 1", Content(1));
  SetWriteTime(1, now - 2 * kDay);
  EXPECT_EQ(BackupStatus::Done, backups_.AutomaticBackupCheck(now).status);
  EXPECT_EQ("old 1", Content(2));
  // The fresh backup makes the next change of the day cost nothing.
  EXPECT_EQ(BackupStatus::NotDue, backups_.AutomaticBackupCheck(std::time(nullptr)).status);
}

TEST_F(BackupsTest, AutomaticCheckBacksUpWhenThereIsNoBackupOne) {
  PutBackup(2);
  EXPECT_EQ(BackupStatus::Done, backups_.AutomaticBackupCheck(std::time(nullptr)).status);
  EXPECT_EQ("", CategoriesIn(1));
  EXPECT_EQ("old 2", Content(3));
}

TEST(WholeDaysTest, CountsWholeDaysOfLocalTime) {
  const std::time_t t = 1700000000;
  EXPECT_EQ(0, WholeDaysBetween(t, t + kDay - 1));
  EXPECT_EQ(1, WholeDaysBetween(t, t + kDay));
  EXPECT_EQ(1, WholeDaysBetween(t, t + 2 * kDay - 1));
  EXPECT_EQ(2, WholeDaysBetween(t, t + 2 * kDay));
  EXPECT_GT(0, WholeDaysBetween(t + 10, t));
}

// A library with enough pages that a ruined page in the middle is not cached.
class DamagedLibraryTest : public BackupsTest {
 protected:
  void Ruin() {
    {
      TransactionBracket bracket(lib_.Db());
      for (int i = 0; i < 300; ++i) lib_.AddEntry("资料" + std::to_string(i), 0, std::string(400, 'x'));
    }
    lib_.Db().Close();
    std::fstream file(NativePath(lib_.DatabasePath()), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(20 * 4096);
    file.write(std::string(4096, '\xff').data(), 4096);
    file.close();
    ASSERT_EQ(kSqliteOk, lib_.Db().Open(lib_.DatabasePath()));
  }
};

TEST_F(DamagedLibraryTest, DamagedDatabaseDoesNotPushOutGoodBackups) {
  PutBackup(1);
  PutBackup(11);
  Ruin();
  const BackupOutcome outcome = backups_.RotateAndBackUp();
  EXPECT_EQ(BackupStatus::Damaged, outcome.status);
  EXPECT_NE(std::string::npos, outcome.text.find("\r\n备份1: "));
  EXPECT_NE(std::string::npos, outcome.text.find("\r\n备份11: "));
  EXPECT_EQ(std::string::npos, outcome.text.find("备份2: "));
  EXPECT_EQ("old 1", Content(1));
  EXPECT_EQ("old 11", Content(11));
  EXPECT_FALSE(PathExists(PathOf(kBackupPartName)));
}

TEST_F(DamagedLibraryTest, AutomaticCheckTellsOfDamageOnce) {
  Ruin();
  EXPECT_EQ(BackupStatus::Damaged, backups_.AutomaticBackupCheck(std::time(nullptr)).status);
  EXPECT_EQ(BackupStatus::NotDue, backups_.AutomaticBackupCheck(std::time(nullptr)).status);
  EXPECT_EQ("(absent)", Content(1));
}

TEST(BackupTextsTest, SizesUseAtLeastFourDigitsWithThousandsCommas) {
  EXPECT_EQ("0,005", GroupedSize(5));
  EXPECT_EQ("0,000", GroupedSize(0));
  EXPECT_EQ("0,999", GroupedSize(999));
  EXPECT_EQ("12,345", GroupedSize(12345));
  EXPECT_EQ("1,234,567", GroupedSize(1234567));
}

TEST(BackupTextsTest, MenuLinesShowLocalDateTimeAndSizeOrNothing) {
  std::tm local{};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 4;
  local.tm_hour = 5;
  local.tm_min = 6;
  local.tm_sec = 7;
  local.tm_isdst = -1;
  const std::time_t when = std::mktime(&local);
  EXPECT_EQ("2026-03-04 05:06:07", DateTimeText(when));
  EXPECT_EQ("备份3: 2026-03-04 05:06:07 ，1,234,567 Byte", RestoreMenuText(3, FileFacts{1234567, when}));
  EXPECT_EQ("备份11: 无......", RestoreMenuText(11, std::nullopt));
}

TEST_F(BackupsTest, MenuListsElevenLinesAndFileInformationNamesTheDatabase) {
  PutBackup(2, "资料数据2.BAK");
  const auto texts = RestoreMenuTexts(lib_.Folder());
  const auto facts = RealFileSteps().Facts(PathOf("资料数据2.BAK"));
  ASSERT_TRUE(facts);
  EXPECT_EQ(RestoreMenuText(2, facts), texts[1]);
  EXPECT_EQ("备份1: 无......", texts[0]);
  EXPECT_EQ("备份11: 无......", texts[10]);

  const auto database = RealFileSteps().Facts(lib_.DatabasePath());
  const DatabaseFileInfo info = DatabaseFileInfoTexts(lib_.Folder());
  EXPECT_EQ("修改日期：" + DateTimeText(database->last_write), info.modified);
  EXPECT_EQ("文件大小：" + GroupedSize(database->size) + " Byte", info.size);
}

}  // namespace
}  // namespace mivrel
