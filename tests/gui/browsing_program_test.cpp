// Browsing in the running program: entry pages with images, links in
// category pages, the name index, back, and moving an entry by a drop.
#include <unistd.h>

#include <gtest/gtest.h>

#include "program_driver.h"
#include "program_suite.h"
#include "store/result_grid.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

// A 4 x 4 red PNG.
constexpr char kPngBytes[] =
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x04\x00\x00"
    "\x00\x04\x08\x02\x00\x00\x00\x26\x93\x09\x29\x00\x00\x00\x10\x49\x44\x41\x54\x78\x9c\x63"
    "\xf8\xcf\xc0\x00\x47\x0c\xc4\x71\x00\xae\x93\x0f\xf1\xd0\x5f\x23\x9e\x00\x00\x00\x00\x49"
    "\x45\x4e\x44\xae\x42\x60\x82";
// The literal's own length, without its terminating zero.
const std::string kPng(kPngBytes, sizeof kPngBytes - 1);

class BrowsingProgramTest : public ProgramSuite<BrowsingProgramTest> {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<TestLibrary>();
    windows_ = library_->AddCategory("窗口", 0);
    other_ = library_->AddCategory("其他", 0);
    create_ = library_->AddEntry("CreateWindowEx", windows_, "创建窗口的函数");
    library_->AddEntry("CreateFont", windows_, "创建字体");
    EntrySpec web;
    web.name = "DrawingPage";
    web.category = other_;
    web.page_name = "2_drawing.htm";
    web.content = "<p>picture</p><img src=\"dot.png\" border=\"0\" >";
    drawing_ = library_->AddEntry(web);
    library_->AddImage(drawing_, "dot.png", kPng);

    StartProgram();
  }

  static int MainCategoryOf(int entry_id) {
    ResultGrid grid;
    library_->Db().Query("Select [类别] From [fun] where id=" + std::to_string(entry_id), grid);
    return grid.Rows() == 1 ? static_cast<int>(grid.Number(1, 0)) : -99;
  }

  static int windows_, other_, create_, drawing_;
};

int BrowsingProgramTest::windows_ = 0;
int BrowsingProgramTest::other_ = 0;
int BrowsingProgramTest::create_ = 0;
int BrowsingProgramTest::drawing_ = 0;

TEST_F(BrowsingProgramTest, HomePageListsTheCategories) {
  EXPECT_TRUE(PaneShows(u8"窗口"));
  EXPECT_TRUE(PaneShows(u8"其他"));
}

TEST_F(BrowsingProgramTest, EntryLinkInACategoryPageOpensTheEntryAndBackReturns) {
  const size_t before = program_->LineCount();
  program_->Command(u8"select 窗口");
  ASSERT_TRUE(PaneShows("CreateFont"));
  const std::string href = ".y." + std::to_string(create_);
  program_->Script("document.querySelector('a[href=\"" + href + "\"]').click(); 1");
  EXPECT_EQ(program_->WaitFor("link", "", 5000, before), "about:" + href);
  EXPECT_TRUE(PaneShows(u8"创建窗口的函数"));

  program_->Command("command 5114");  // 返回
  EXPECT_TRUE(PaneShows("CreateFont"));
  EXPECT_FALSE(PaneShows(u8"创建窗口的函数", "document.body ? document.body.innerText : ''", 300));
  program_->Command("command 5115");  // 前进
  EXPECT_TRUE(PaneShows(u8"创建窗口的函数"));
}

TEST_F(BrowsingProgramTest, CategoryLinkFromTheHomePage) {
  program_->Command("command 5113");  // 主页
  ASSERT_TRUE(PaneShows(u8"其他"));
  const std::string href = ".r." + std::to_string(other_);
  program_->Script("document.querySelector('a[href=\"" + href + "\"]').click(); 1");
  EXPECT_TRUE(PaneShows("DrawingPage"));
}

TEST_F(BrowsingProgramTest, EntryImageLoadsFromThePageTempFolder) {
  program_->Command("select DrawingPage");
  ASSERT_TRUE(PaneShows("picture"));
  std::string loaded;
  for (int i = 0; i < 50 && loaded != "true"; ++i) {
    loaded = program_->Script(
        "document.images.length > 0 && document.images[0].complete && "
        "document.images[0].naturalWidth > 0");
    usleep(100 * 1000);
  }
  EXPECT_EQ(loaded, "true");
  EXPECT_EQ(program_->Script("document.images[0].naturalWidth"), "4");
}

TEST_F(BrowsingProgramTest, TypingAPrefixIntoTheIndexShowsTheFirstHit) {
  program_->Command("index CreateW");
  EXPECT_TRUE(PaneShows(u8"创建窗口的函数"));
  EXPECT_NE(program_->WaitFor("status", u8"结果数量: 1"), "<timeout>");
}

TEST_F(BrowsingProgramTest, DroppingAnEntryOnACategoryFilesItThere) {
  program_->Command(u8"select 窗口");
  ASSERT_TRUE(PaneShows("CreateFont"));
  program_->Command(u8"drag CreateWindowEx|其他");
  for (int i = 0; i < 50 && MainCategoryOf(create_) != other_; ++i) usleep(100 * 1000);
  EXPECT_EQ(MainCategoryOf(create_), other_);
  // The moved item is selected afterwards, which shows its page.
  EXPECT_TRUE(PaneShows(u8"创建窗口的函数"));
}

}  // namespace
}  // namespace mivrel::testing
