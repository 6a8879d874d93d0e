// The life of the desktop program, watched from outside: start-up timings,
// the hand-over from a second start, the exit that saves the geometry and
// removes the page temp folder, and a start on a missing library.
#include <signal.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "program_driver.h"
#include "settings/ini_file.h"
#include "store/library_files.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

// The page temp folder is reported by the "started" event (GB18030 path
// written as UTF-8).
bool FolderExists(const std::string& utf8_path) { return IsDirectory(Utf8ToGb(utf8_path)); }

class StartupProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_.AddCategory("窗口", 0);
    library_.AddEntry("CreateWindow", 1, "创建窗口");
  }
  TestLibrary library_;
};

TEST_F(StartupProgramTest, StartsShowsTimingsHandsOverAndExitsCleanly) {
  ProgramDriver program(library_.Folder());
  program.Start();
  const std::string temp_folder = program.WaitFor("started");
  ASSERT_NE(temp_folder, "<timeout>");
  EXPECT_TRUE(FolderExists(temp_folder)) << temp_folder;

  const std::string timings = program.WaitFor("status", u8"开启数据库:");
  EXPECT_EQ(timings.rfind(u8"开启数据库: ", 0), 0u) << timings;
  for (const char* label : {u8"毫秒，加载关键词: ", u8"毫秒，加载目录: ", u8"毫秒，显示主页: ",
                            u8"毫秒，开软件总化费: "}) {
    EXPECT_NE(timings.find(label), std::string::npos) << label;
  }
  EXPECT_GE(timings.size(), std::string(u8"毫秒").size());
  EXPECT_EQ(timings.substr(timings.size() - std::string(u8"毫秒").size()), u8"毫秒");

  // A second start with a keyword hands it over and ends at once without
  // opening anything itself.
  int elapsed_ms = 0;
  EXPECT_EQ(program.RunSecondCopy({"CreateWindow"}, elapsed_ms), 0);
  EXPECT_LT(elapsed_ms, 1000);
  EXPECT_EQ(program.WaitFor("handover"), "CreateWindow");
  EXPECT_TRUE(program.Running());

  const size_t before_exit = program.LineCount();
  ASSERT_TRUE(program.Command("exit"));
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_NE(program.WaitFor("exited", "", 1000, before_exit), "<timeout>");
  EXPECT_FALSE(FolderExists(temp_folder));

  const IniFile ini(library_.Folder() + kSettingsFileName);
  EXPECT_NE(ini.Read("窗口", "W", ""), "");
  EXPECT_NE(ini.Read("窗口", "H", ""), "");
  EXPECT_NE(ini.Read("分隔线", "W", ""), "");
}

TEST_F(StartupProgramTest, CloseOnlyHidesAndTerminationIsTheExitCommand) {
  ProgramDriver program(library_.Folder());
  program.Start();
  const std::string temp_folder = program.WaitFor("started");
  ASSERT_NE(temp_folder, "<timeout>");
  // Hidden by its close button: still running, nothing saved yet.
  ASSERT_TRUE(program.Command("command 8601"));
  const IniFile ini(library_.Folder() + kSettingsFileName);
  EXPECT_EQ(ini.Read("窗口", "W", "none"), "none");
  // A second start without arguments brings it back and leaves it running.
  int elapsed_ms = 0;
  EXPECT_EQ(program.RunSecondCopy({}, elapsed_ms), 0);
  EXPECT_EQ(program.WaitFor("handover"), "");
  EXPECT_TRUE(program.Running());

  ASSERT_EQ(kill(program.Pid(), SIGTERM), 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_FALSE(FolderExists(temp_folder));
  EXPECT_NE(ini.Read("窗口", "W", "none"), "none");
}

TEST(StartupProgramMissingLibrary, EndsAfterTheMessageAndWritesNothing) {
  TempFolder empty;
  ProgramDriver program(empty.Path());
  program.Start();
  EXPECT_EQ(program.WaitForExit(), 1);
  const std::string message = program.WaitFor("message-stop", "", 1000);
  EXPECT_EQ(message.rfind(u8"数据库文件丢失！！！！", 0), 0u) << message;
  EXPECT_FALSE(PathExists(empty.Path() + kSettingsFileName));
  EXPECT_TRUE(ListFolder(empty.Path(), false).empty());
  EXPECT_EQ(program.WaitFor("started", "", 0), "<timeout>");
}

}  // namespace
}  // namespace mivrel::testing
