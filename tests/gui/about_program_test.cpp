// The About window under a window manager: its title bar offers closing and
// moving, not minimising or maximising; the main window keeps both.
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"
#include "support/test_library.h"
#include "window_manager.h"

namespace mivrel::testing {
namespace {

// Waits until the manager has published the actions of the window titled
// `title`; "" when the window or its actions never come.
std::string WaitForAllowedActions(const std::string& title) {
  for (int i = 0; i < 100; ++i) {
    const std::string id = WindowIdByTitle(title);
    if (!id.empty()) {
      const std::string actions = AllowedActions(id);
      if (actions.find("_NET_WM_ACTION_CLOSE") != std::string::npos) return actions;
    }
    usleep(100 * 1000);
  }
  return "";
}

bool Allows(const std::string& actions, const std::string& action) {
  return actions.find("_NET_WM_ACTION_" + action) != std::string::npos;
}

TEST(AboutProgramTest, TheAboutWindowCanBeClosedAndMovedButNotMinimisedOrMaximised) {
  WindowManager manager;
  ASSERT_TRUE(manager.Running()) << "openbox is needed for this test";
  TestLibrary library;
  library.AddCategory("窗口", 0);
  ProgramDriver program(library.Folder());
  program.Start();
  ASSERT_NE(program.WaitFor("started"), "<timeout>");
  ASSERT_TRUE(program.Command("command 5120"));  // 关于

  const std::string about = WaitForAllowedActions(u8"关于 OsterkMivrel");
  ASSERT_FALSE(about.empty()) << "no About window, or xprop/xwininfo (x11-utils) missing";
  EXPECT_TRUE(Allows(about, "MOVE")) << about;
  EXPECT_FALSE(Allows(about, "MINIMIZE")) << about;
  EXPECT_FALSE(Allows(about, "MAXIMIZE")) << about;

  const std::string main = WaitForAllowedActions("OsterkMivrel 1.1.6.2038");
  EXPECT_TRUE(Allows(main, "MINIMIZE")) << main;
  EXPECT_TRUE(Allows(main, "MAXIMIZE")) << main;

  ASSERT_TRUE(program.Command("exit"));
  EXPECT_EQ(program.WaitForExit(), 0) << program.ErrorOutput();
}

}  // namespace
}  // namespace mivrel::testing
