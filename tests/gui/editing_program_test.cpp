// Writing the library in the running program: an entry made in the web view
// with bold text, a category's parent set to its own child (refused), and
// an entry deleted into the recycle bin.
#include <unistd.h>

#include <gtest/gtest.h>

#include "program_driver.h"
#include "program_suite.h"
#include "store/result_grid.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

class EditingProgramTest : public ProgramSuite<EditingProgramTest> {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<TestLibrary>();
    tools_ = library_->AddCategory("工具", 0);
    const int child = library_->AddCategory("子类", tools_);
    library_->AddCategory("孙类", child);
    library_->AddEntry("WillGo", tools_, "to be deleted");
    library_->AddEntry("Stays", tools_, "kept");
    StartProgram();
  }

  static int tools_;
};

int EditingProgramTest::tools_ = 0;

TEST_F(EditingProgramTest, AnEntryWrittenInTheWebViewShowsItsBoldText) {
  Send(u8"select 工具");
  const size_t before = program_->LineCount();
  Send("command 5107");
  ASSERT_NE(program_->WaitFor("dialog", "", 10000, before), "<timeout>");
  Send("dialog name=BoldEntry");
  Send("dialog page_name=bold.htm");
  Send("dialog text_mode=0");
  usleep(1500 * 1000);  // the web view loads its document and goes into design mode
  Send("dialog-script document.body.innerHTML='" + std::string(u8"粗体字") +
       "'; document.execCommand('selectAll'); document.execCommand('bold'); document.body.innerHTML");
  Send("dialog-click save");
  EXPECT_TRUE(PaneShows(u8"BoldEntry"));
  EXPECT_TRUE(PaneShows(u8"<b>粗体字</b>", "document.body.innerHTML"));
  ResultGrid grid;
  ASSERT_EQ(library_->Db().Query("Select [注解],[网页名],[类别] From [fun] where [名字]='BoldEntry'", grid), 1);
  EXPECT_EQ(grid.At(1, 0), "<b>粗体字</b>");
  EXPECT_EQ(grid.At(1, 1), "bold.htm");
  EXPECT_EQ(grid.Number(1, 2), tools_);
}

TEST_F(EditingProgramTest, ACategoryMovedIntoItsOwnChildIsRefused) {
  Send(u8"select 工具");
  ASSERT_TRUE(PaneShows(u8"子类"));
  const size_t before = program_->LineCount();
  Send("command 5111");
  ASSERT_NE(program_->WaitFor("dialog", "", 10000, before), "<timeout>");
  Send(u8"dialog parent=孙类");
  Send("dialog-click save");
  EXPECT_NE(program_->WaitFor("message-stop", u8"分类是不可以设置到自己的子分类中的", 8000, before), "<timeout>");
  Send("dialog-close");
  ResultGrid grid;
  ASSERT_EQ(library_->Db().Query("Select [父类别] From [class] where [类别名]='工具'", grid), 1);
  EXPECT_EQ(grid.Number(1, 0), 0);
}

TEST_F(EditingProgramTest, ADeletedEntryIsFoundInTheRecycleBin) {
  Send(u8"select 工具");
  Send("select WillGo");
  ASSERT_TRUE(PaneShows(u8"to be deleted"));
  Send("command 5109");
  Send(u8"select 回收站");
  EXPECT_TRUE(PaneShows(u8"WillGo"));
  ResultGrid grid;
  ASSERT_EQ(library_->Db().Query("Select c.[类别名] From [fun] f, [class] c where f.[类别]=c.ID and "
                                  "f.[名字]='WillGo'", grid), 1);
  EXPECT_EQ(grid.At(1, 0), "回收站");
}

}  // namespace
}  // namespace mivrel::testing
