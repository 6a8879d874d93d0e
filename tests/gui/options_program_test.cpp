// The options dialog in the running program: a colour change reaches 配置.INI
// and the shown page at once; "整理" on a large library runs under the
// progress window while the dialog and the main window take no input.
#include <gtest/gtest.h>
#include <unistd.h>

#include "program_driver.h"
#include "program_suite.h"
#include "settings/ini_file.h"
#include "store/file_steps.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

class OptionsProgramTest : public ProgramSuite<OptionsProgramTest> {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<TestLibrary>();
    library_->AddEntry("CommentedCode", library_->AddCategory("代码", 0), "int a; // 注解");
    // About 120 MB of rows that are gone again: compaction has work to do.
    const std::string filler(1 << 20, 'x');
    {
      TransactionBracket bracket(library_->Db());
      for (int i = 0; i < 120; ++i) library_->AddImage(1, "filler.png", filler);
    }
    library_->Db().Run("DELETE FROM img");
    library_->Db().Close();
    StartProgram();
    program_->Command("command 5118");  // 选项
    ASSERT_NE(program_->WaitFor("options-open"), "<timeout>");
  }
  static void TearDownTestSuite() {
    if (program_) program_->Command("options-close");
    ProgramSuite::TearDownTestSuite();
  }

  static std::string IniValue(const std::string& section, const std::string& key) {
    return IniFile(library_->Folder() + "配置.INI").Read(section, key, "(absent)");
  }

};


TEST_F(OptionsProgramTest, CommentColourGoesToTheFileAndThePage) {
  program_->Command("options-colour 1 FF8000");
  std::string head;
  for (int waited = 0; waited < 8000; waited += 100) {
    head = program_->Script("document.head ? document.head.innerHTML : ''");
    if (head.find(".s1 {Color: #0080FF;}") != std::string::npos) break;
    usleep(100 * 1000);
  }
  EXPECT_EQ("FF8000", IniValue("显示", "注解色"));
  EXPECT_NE(std::string::npos, head.find(".s1 {Color: #0080FF;}"));
}

TEST_F(OptionsProgramTest, CompactionRunsUnderTheProgressWindowWithTheWindowsDisabled) {
  const auto before = RealFileSteps().Facts(library_->DatabasePath());
  const size_t lines = program_->LineCount();
  program_->Command("options-compact");
  EXPECT_EQ("owner-enabled=0 main-input=0", program_->WaitFor("progress-open", "", 20000, lines));
  EXPECT_EQ(u8"整理中....请稍后....", program_->WaitFor("progress-caption", "", 20000, lines));
  EXPECT_EQ("owner-enabled=1 main-input=0", program_->WaitFor("progress-closed", "", 120000, lines));
  EXPECT_EQ(u8"执行成功", program_->WaitFor("message-information", "", 5000, lines));
  EXPECT_LT(RealFileSteps().Facts(library_->DatabasePath())->size, before->size / 4);
}

}  // namespace
}  // namespace mivrel::testing
