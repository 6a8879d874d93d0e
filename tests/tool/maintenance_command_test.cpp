// Runs the built mivrel-tool's backup, backups, restore, sql, vacuum and info
// against a small library: exit codes and the exact lines they print.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "store/backup_texts.h"
#include "store/backups.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

struct ToolRun {
  int exit_code = -1;
  std::string out;  // GB18030
};

std::string Quote(const std::string& gb_text) {
  std::string quoted = "'";
  for (char c : GbToUtf8(gb_text)) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class MaintenanceCommandTest : public ::testing::Test {
 protected:
  ToolRun Run(const std::string& arguments) {
    const std::string out = scratch_.Path() + "tool.out";
    const std::string command = Quote(MIVREL_TOOL_BINARY) + " --library " + Quote(lib_.Folder()) + " " +
                                arguments + " >" + Quote(out) + " 2>/dev/null";
    ToolRun run;
    const int status = std::system(command.c_str());
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ReadWholeFile(out, run.out);
    return run;
  }
  std::string MenuLines() {
    std::string lines;
    for (const std::string& line : RestoreMenuTexts(lib_.Folder())) lines += line + "\n";
    return lines;
  }

  TestLibrary lib_;
  TempFolder scratch_;
};

TEST_F(MaintenanceCommandTest, BackupPrintsTheMenuAndRestoreBringsTheCopyBack) {
  lib_.AddCategory("备份前");
  lib_.Db().Close();
  const ToolRun backup = Run("backup");
  ASSERT_EQ(0, backup.exit_code);
  EXPECT_EQ(MenuLines(), backup.out);
  EXPECT_NE(std::string::npos, backup.out.find("备份1: 2"));
  EXPECT_EQ(MenuLines(), Run("backups").out);

  ASSERT_EQ(0, Run(Quote("sql") + " " + Quote("DELETE FROM class")).exit_code);
  const ToolRun restore = Run("restore 1");
  EXPECT_EQ(0, restore.exit_code);
  EXPECT_EQ("执行成功\n", restore.out);
  ASSERT_EQ(kSqliteOk, lib_.Db().Open(lib_.DatabasePath()));
  ResultGrid grid;
  EXPECT_EQ(1, lib_.Db().Query("SELECT * FROM [class]", grid));
  EXPECT_TRUE(PathExists(lib_.Folder() + BackupFileName(11)));

  EXPECT_EQ(1, Run("restore 4").exit_code);
  EXPECT_EQ(2, Run("restore 12").exit_code);
}

TEST_F(MaintenanceCommandTest, SqlAndVacuumPrintTheOutcomeAndSetTheExitCode) {
  lib_.Db().Close();
  const ToolRun bad = Run("sql " + Quote("DELETE FRM fun"));
  EXPECT_EQ(1, bad.exit_code);
  EXPECT_EQ(0u, bad.out.rfind("执行失败，原因见下面信息：\n", 0));
  const ToolRun two = Run("sql " + Quote("INSERT INTO fun([名字]) VALUES('甲');INSERT INTO fun([名字]) VALUES('乙')"));
  EXPECT_EQ(0, two.exit_code);
  EXPECT_EQ("执行成功\n", two.out);
  EXPECT_EQ(1, Run("sql ''").exit_code);
  EXPECT_EQ("执行成功\n", Run("vacuum").out);

  const DatabaseFileInfo info = DatabaseFileInfoTexts(lib_.Folder());
  EXPECT_EQ(info.modified + "\n" + info.size + "\n", Run("info").out);
}

}  // namespace
}  // namespace mivrel::testing
