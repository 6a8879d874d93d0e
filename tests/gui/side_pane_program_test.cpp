// The side pane as a user meets it: its saved width at every start, the
// name index's input box after a lookup, and renaming in the tree.
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "program_driver.h"
#include "program_suite.h"
#include "settings/ini_file.h"
#include "store/library_files.h"
#include "store/result_grid.h"
#include "support/test_library.h"
#include "window_manager.h"

namespace mivrel::testing {
namespace {

// wx key codes
constexpr int kF2 = 341;
constexpr int kLeft = 314;
constexpr int kRight = 316;
constexpr int kDown = 317;

// The reply of a test command that reports under its own name.
std::string Ask(ProgramDriver& program, const std::string& command, const std::string& kind) {
  const size_t before = program.LineCount();
  if (!program.Command(command)) return "<not sent>";
  return program.WaitFor(kind, "", 5000, before);
}

TEST(SidePaneProgramTest, ThePaneOpensAtItsSavedWidthEveryTimeAndKeepsIt) {
  WindowManager manager;
  ASSERT_TRUE(manager.Running()) << "openbox is needed for this test";
  TestLibrary library;
  library.AddCategory("窗口", 0);
  const IniFile ini(library.Folder() + kSettingsFileName);
  for (const int width : {180, 250, 295}) {
    if (width != 180) {
      ASSERT_TRUE(ini.Write("分隔线", "W", std::to_string(width)));
    }
    ProgramDriver program(library.Folder());
    program.Start();
    ASSERT_NE(program.WaitFor("started"), "<timeout>");
    // Wait until the pane has its real size, then read the sash.
    std::string layout;
    for (int i = 0; i < 50; ++i) {
      layout = Ask(program, "layout", "layout");
      if (layout.find("pane " + std::to_string(width)) != std::string::npos) break;
      usleep(100 * 1000);
    }
    EXPECT_EQ(layout.substr(0, layout.find(" pane")), "sash " + std::to_string(width)) << layout;
    ASSERT_TRUE(program.Command("exit"));
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ini.Read("分隔线", "W", ""), std::to_string(width));
  }
}

class TreeAndIndexProgramTest : public ProgramSuite<TreeAndIndexProgramTest> {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<TestLibrary>();
    category_ = library_->AddCategory("BASIC 类型", 0);
    for (int i = 0; i < 8; ++i) library_->AddEntry("Dim" + std::to_string(i), category_, "定义");
    // The lookups open pages of another category, so the two tests do not meet.
    const int strings = library_->AddCategory("字符串", 0);
    for (int i = 0; i < 3; ++i) library_->AddEntry("strcat" + std::to_string(i), strings, "连接");
    const int keys = library_->AddCategory("键盘", 0);
    for (int i = 0; i < 2; ++i) library_->AddEntry("Key" + std::to_string(i), keys, "按键");
    StartProgram();
  }

  static int category_;
};

int TreeAndIndexProgramTest::category_ = 0;

TEST_F(TreeAndIndexProgramTest, AfterALookupTheCaretIsAtTheEndWithNothingSelected) {
  const size_t before = program_->LineCount();
  ASSERT_TRUE(program_->Command("index str"));
  // The lookup reports its figures, opens the first hit's page and gives the
  // focus back to the box.
  ASSERT_NE(program_->WaitFor("status", u8"结果数量", 5000, before), "<timeout>");
  ASSERT_NE(program_->WaitFor("loaded", "", 5000, before), "<timeout>");
  EXPECT_EQ(Ask(*program_, "index-caret", "index-caret"), "3,3,3");
}

TEST_F(TreeAndIndexProgramTest, F2RenamesFromTheNameAloneAndThePageShowsTheNewName) {
  size_t before = program_->LineCount();
  ASSERT_EQ(Ask(*program_, u8"select BASIC 类型", "selected"), u8"BASIC 类型");
  ASSERT_NE(program_->WaitFor("loaded", "", 5000, before), "<timeout>");
  ASSERT_TRUE(program_->Command("tree-key " + std::to_string(kF2)));
  EXPECT_EQ(Ask(*program_, "edit-label", "edit-label"), u8"BASIC 类型");
  before = program_->LineCount();
  ASSERT_NE(Ask(*program_, u8"edit-label BASIC 类型X", "edit-label"), "<timeout>");
  ASSERT_NE(program_->WaitFor("loaded", "", 5000, before), "<timeout>");
  EXPECT_EQ(program_->Script(u8"document.body.innerText.indexOf('BASIC 类型X') >= 0 ? 'new' : 'old'"), "new");
  ResultGrid grid;
  library_->Db().Query("Select [类别名] From [class] where id=" + std::to_string(category_), grid);
  EXPECT_EQ(grid.At(1, 0), "BASIC 类型X");
  EXPECT_EQ(Ask(*program_, u8"select BASIC 类型X(8)", "selected"), u8"BASIC 类型X(8)");
}

TEST_F(TreeAndIndexProgramTest, ArrowKeysWalkTheTreeAndShowEachEntry) {
  const size_t before = program_->LineCount();
  ASSERT_EQ(Ask(*program_, u8"select 键盘", "selected"), u8"键盘");
  ASSERT_NE(program_->WaitFor("loaded", "", 5000, before), "<timeout>");
  const auto key = [](int code) { return Ask(*program_, "tree-key " + std::to_string(code), "tree-key"); };
  EXPECT_EQ(key(kDown), "Key0");
  const size_t shown = program_->LineCount();
  EXPECT_EQ(key(kDown), "Key1");
  ASSERT_NE(program_->WaitFor("loaded", "", 5000, shown), "<timeout>");
  // The entry's own page, not the category's listing of both.
  const std::string page = program_->Script(
      "var t = document.body.innerText; t.indexOf('Key1') >= 0 && t.indexOf('Key0') < 0 ? 'Key1' : 'other'");
  EXPECT_EQ(page, "Key1");
  // Left: to the parent, then it collapses; Right: expands, then to the first child.
  EXPECT_EQ(key(kLeft), u8"键盘(2)");
  EXPECT_EQ(key(kLeft), u8"键盘(2)");
  EXPECT_EQ(key(kRight), u8"键盘(2)");
  EXPECT_EQ(key(kRight), "Key0");
}

TEST_F(TreeAndIndexProgramTest, FindInPageSpeaksChineseAndSaysWhenNothingIsFound) {
  const size_t before = program_->LineCount();
  ASSERT_TRUE(program_->Command(u8"find 没有这个词"));
  const std::string labels = program_->WaitFor("find-dialog", "", 5000, before);
  EXPECT_EQ(labels, u8"查找|查找内容：|全字匹配|区分大小写|方向|查找下一个|关闭");
  EXPECT_EQ(program_->WaitFor("message-exclamation", "", 5000, before), u8"找不到“没有这个词”。");
}

}  // namespace
}  // namespace mivrel::testing
