// The program's start-up and end as ordered steps over a session in memory.
#include "app/startup_steps.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "ports/memory_screen.h"
#include "settings/settings.h"
#include "shell/session.h"
#include "support/recording_ui.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

TEST(StartupStepsTest, StartShowsTheHomePageHandsOverTheKeywordAndEndRemovesTheTempFolder) {
  TestLibrary lib;
  lib.AddEntry("GetTickCount", lib.AddCategory("系统"));
  RecordingUi ui;
  FakeClock clock;
  MemoryScreen screen;
  const Settings settings = DefaultSettings();
  std::string given_folder;
  std::string temp_folder;
  {
    Session session(lib.Db(), settings, lib.Folder(), MemoryPorts(screen, ui, clock));
    WireMemoryScreen(screen, session);
    temp_folder = RunStartupSteps(session, ui, clock, clock.now - 5, "Get",
                                  [&given_folder](const std::string& folder) { given_folder = folder; });
    ASSERT_FALSE(temp_folder.empty());
    EXPECT_EQ(given_folder, temp_folder);
    EXPECT_EQ(session.pages().PageTempFolder(), temp_folder);
    EXPECT_TRUE(IsDirectory(temp_folder));
    EXPECT_EQ(DescribeTree(screen.tree), "0\t0\t1\t系统\n");
    ASSERT_EQ(session.history().BackList().size(), 1u);
    EXPECT_EQ(session.history().BackList()[0].title, "全部内容");
    EXPECT_NE(screen.pane.page.find("系统"), std::string::npos);
    EXPECT_TRUE(StartsWith(ui.LastStatus(), "开启数据库: 5毫秒，加载关键词: 0毫秒，加载目录: 0毫秒，显示主页: 0毫秒，开软件总化费: 5毫秒"));
    EXPECT_EQ(screen.tabs.current, SideTab::Index);
    EXPECT_EQ(screen.index_input.text, "Get");
  }
  RunShutdownSteps(lib.Db(), temp_folder);
  EXPECT_FALSE(lib.Db().IsOpen());
  EXPECT_FALSE(PathExists(temp_folder));
}

}  // namespace
}  // namespace mivrel::testing
