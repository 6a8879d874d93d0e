// 导出 and 导入 in the running program, with the file dialogs and questions
// answered by script: a category exported and imported below another one
// (twice more, answering the clash question each way), and a generated help
// book imported and browsed from one of its pages to another.
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <regex>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "program_driver.h"
#include "program_suite.h"
#include "store/result_grid.h"
#include "support/shared_tools.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

constexpr int kImportCommand = 5103;
constexpr int kExportCommand = 5104;
constexpr int kJobTimeoutMs = 30000;

class InterchangeProgramTest : public ProgramSuite<InterchangeProgramTest> {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<TestLibrary>();
    const int source = library_->AddCategory("源类", 0);
    const int part = library_->AddCategory("源子类", source);
    library_->AddEntry("子条目", part, "below the subcategory");
    const int alpha = library_->AddEntry("Alpha", source, "alpha text");
    library_->AddImage(alpha, "a.png", std::string("\x89PNG\r\n]\x00", 8));
    library_->AddEntry("Beta", source, "beta text");
    target_ = library_->AddCategory("目标", 0);
    shelf_ = library_->AddCategory("书架", 0);
    StartProgram();
    const std::vector<ReportLine> lines = program_->Report();
    size_t started = 0;
    while (started < lines.size() && lines[started].kind != "started") ++started;
    program_->WaitFor("loaded", "", 5000, started);
  }

  // Runs 导入 or 导出 with `gb_path` as the dialog's answer, after `answer`
  // is queued for the questions when given; returns the report line count
  // before the command.
  static size_t RunWithFile(int command, const std::string& gb_path, const std::string& answer = "") {
    const size_t before = program_->LineCount();
    if (!answer.empty()) Send("answer " + answer);
    Send("file-answer " + GbToUtf8(gb_path));
    Send("command " + std::to_string(command));
    return before;
  }
  // Waits until the shown page's first heading reads `utf8_heading`.
  static bool HeadingIs(const std::string& utf8_heading, int timeout_ms = 8000) {
    for (int waited = 0; waited < timeout_ms; waited += 150) {
      if (program_->Script("var h=document.querySelector('h1'); h ? h.innerText : ''") == utf8_heading) return true;
      usleep(150 * 1000);
    }
    return false;
  }
  static std::vector<std::string> Lines(const std::string& kind, size_t from) {
    std::vector<std::string> texts;
    const std::vector<ReportLine> lines = program_->Report();
    for (size_t i = from; i < lines.size(); ++i) {
      if (lines[i].kind == kind) texts.push_back(lines[i].text);
    }
    return texts;
  }
  static long long Number(const std::string& sql) {
    ResultGrid grid;
    if (library_->Db().Query(sql, grid) != 1) return -1;
    return grid.Number(1, 0);
  }
  // The label of the tree item, with its "(count)" once loaded.
  static std::string TreeLabel(const std::string& utf8_label) {
    const size_t before = program_->LineCount();
    program_->Command("select " + utf8_label);
    return program_->WaitFor("selected", "", 5000, before);
  }

  static int target_, shelf_;
};

int InterchangeProgramTest::target_ = 0;
int InterchangeProgramTest::shelf_ = 0;

TEST_F(InterchangeProgramTest, ACategoryExportedAndImportedElsewhereAsksOnceAtAClash) {
  const std::string file = library_->Folder() + "源类.xml";
  Send(u8"select 源类");
  ASSERT_TRUE(PaneShows(u8"源子类"));
  size_t before = RunWithFile(kExportCommand, file);
  // The page's title is its tree label, which carries the loaded count.
  EXPECT_EQ(program_->WaitFor("file-dialog-save", "", 5000, before).rfind(u8"导出分类:源类", 0), 0u);
  ASSERT_NE(program_->WaitFor("message-information", u8"保存到文件完成", kJobTimeoutMs, before), "<timeout>");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  EXPECT_EQ(bytes.rfind("<?xml", 0), 0u);
  EXPECT_NE(bytes.find("<tkxml-名字>Alpha</tkxml-名字>"), std::string::npos);

  // Into another category: its subcategory and entries arrive below it.
  Send(u8"select 目标");
  before = RunWithFile(kImportCommand, file);
  EXPECT_EQ(program_->WaitFor("file-dialog-open", "", 5000, before).rfind(u8"导入到:目标", 0), 0u);
  ASSERT_NE(program_->WaitFor("message-information", u8"执行成功", kJobTimeoutMs, before), "<timeout>");
  EXPECT_TRUE(Lines("message-question", before).empty());
  const std::string under_target = "Select count(*) From [fun] where [类别]=" + std::to_string(target_);
  const std::string parts = "Select count(*) From [class] where [类别名]='源子类' and [父类别]=" + std::to_string(target_);
  const std::string alpha_images =
      "Select count(*) From [img] i, [fun] f where i.[资料ID]=f.id and f.[名字]='Alpha' and f.[类别]=" +
      std::to_string(target_);
  EXPECT_EQ(Number(under_target), 2);
  EXPECT_EQ(Number(parts), 1);
  EXPECT_EQ(Number("Select count(*) From [fun] f, [class] c where f.[类别]=c.id and f.[名字]='子条目' and "
                   "c.[父类别]=" + std::to_string(target_)), 1);
  EXPECT_EQ(Number(alpha_images), 1);
  // The target's page is shown, with what arrived.
  EXPECT_TRUE(PaneShows(u8"目标"));
  EXPECT_TRUE(PaneShows(u8"Alpha"));
  EXPECT_EQ(TreeLabel(u8"目标"), u8"目标(3)");

  // Again, replacing: one question for both clashing entries; the replaced
  // entry gets its image a second time; the category block arrives anew.
  before = RunWithFile(kImportCommand, file, "yes");
  ASSERT_NE(program_->WaitFor("message-information", u8"执行成功", kJobTimeoutMs, before), "<timeout>");
  std::vector<std::string> questions = Lines("message-question", before);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].rfind(u8"发现同名资料！！", 0), 0u);
  EXPECT_EQ(Number(under_target), 2);
  EXPECT_EQ(Number(alpha_images), 2);
  EXPECT_EQ(Number(parts), 2);

  // And skipping: nothing of the clashing entries changes.
  before = RunWithFile(kImportCommand, file, "no");
  ASSERT_NE(program_->WaitFor("message-information", u8"执行成功", kJobTimeoutMs, before), "<timeout>");
  questions = Lines("message-question", before);
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(Number(under_target), 2);
  EXPECT_EQ(Number(alpha_images), 2);
  EXPECT_EQ(Number(parts), 3);
  EXPECT_EQ(TreeLabel(u8"目标"), u8"目标(5)");
}

TEST_F(InterchangeProgramTest, AHelpBookImportsAndItsLinksLeadFromPageToPage) {
  const std::string book = library_->Folder() + "book/";
  const std::string make = "python3 '" + SharedTools() + "/mkbook.py' --out '" + NativePath(book) +
                           "' --pages 8 --depth 2 --seed 5 > /dev/null";
  if (std::system(make.c_str()) != 0) GTEST_SKIP() << "mkbook.py could not write the book";
  Send(u8"select 书架");
  size_t before = RunWithFile(kImportCommand, book + "book.hhc");
  ASSERT_NE(program_->WaitFor("message-information", u8"执行成功", kJobTimeoutMs, before), "<timeout>");
  EXPECT_TRUE(PaneShows(u8"书架"));

  // A page of the book that links to another page of it, each with its own heading.
  const std::string prefix = std::to_string(shelf_) + "_";
  ResultGrid pages;
  ASSERT_GE(library_->Db().Query("Select [id],[网页名],[注解] From [fun] where [网页名] like '" + prefix + "%'",
                                 pages), 8);
  std::map<std::string, std::string> heading_of_page;
  const std::regex heading_pattern("<h1>([^<]*)</h1>");
  std::smatch heading;
  for (int row = 1; row <= pages.Rows(); ++row) {
    const std::string content = pages.At(row, 2);
    // A heading with an entity would read differently on the screen.
    if (std::regex_search(content, heading, heading_pattern) && heading[1].str().find('&') == std::string::npos) {
      heading_of_page[pages.At(row, 1)] = heading[1];
    }
  }
  const std::regex link("href=\"(" + prefix + "[^\"#]*)(#[^\"]*)?\"");
  std::string from_id, from_heading, to_heading, href;
  for (int row = 1; row <= pages.Rows() && href.empty(); ++row) {
    const auto own = heading_of_page.find(pages.At(row, 1));
    if (own == heading_of_page.end()) continue;
    const std::string content = pages.At(row, 2);
    for (std::sregex_iterator it(content.begin(), content.end(), link), end; it != end; ++it) {
      const auto linked = heading_of_page.find((*it)[1]);
      if (linked == heading_of_page.end() || linked->second == own->second) continue;
      from_id = pages.At(row, 0);
      from_heading = own->second;
      to_heading = linked->second;
      href = (*it)[1].str() + (*it)[2].str();
      break;
    }
  }
  ASSERT_FALSE(href.empty()) << "no link between two pages of the book";

  // Open the first page as a click on its entry link would, then click the
  // book's own link in it: the linked page is shown.
  Send("script var a=document.createElement('a');a.setAttribute('href','.y." + from_id +
       "');document.body.appendChild(a);a.click();'clicked'");
  ASSERT_TRUE(HeadingIs(GbToUtf8(from_heading)));
  before = program_->LineCount();
  Send("script document.querySelector('a[href=\"" + GbToUtf8(href) + "\"]').click();'clicked'");
  EXPECT_EQ(program_->WaitFor("link", "", 5000, before), "about:" + GbToUtf8(href));
  EXPECT_TRUE(HeadingIs(GbToUtf8(to_heading)));
}

}  // namespace
}  // namespace mivrel::testing
