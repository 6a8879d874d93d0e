// Help books and folders of web pages imported as categories and entries.
#include <cstdlib>
#include <regex>
#include <set>

#include "base/text.h"
#include "interchange/import_file.h"
#include "interchange/interchange_fixture.h"
#include "interchange/web_import.h"

namespace mivrel::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Item(const std::string& name, const std::string& local) {
  std::string item = "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"Name\" value=\"" + name + "\">\r\n";
  if (!local.empty()) item += "<param name=\"Local\" value=\"" + local + "\">\r\n";
  return item + "</OBJECT>\r\n";
}

std::string PageFile(const std::string& title, const std::string& body) {
  return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

class WebImportTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenMemoryLibrary(db_); }

  std::string Put(const std::string& relative, const std::string& bytes) {
    return WriteFile(folder_.Path() + relative, bytes);
  }
  ImportReport ImportBook(const std::string& contents, long long target = 0) {
    const PreparedImport prepared = PrepareImport(Put("book.hhc", contents));
    EXPECT_TRUE(prepared.refusal.empty());
    return RunImport(db_, prepared, target, mode_, PageScope::ThisPage, job_);
  }
  ImportReport ImportPage(const std::string& relative, long long target, PageScope scope) {
    const PreparedImport prepared = PrepareImport(folder_.Path() + relative);
    EXPECT_TRUE(prepared.refusal.empty());
    return RunImport(db_, prepared, target, mode_, scope, job_);
  }
  // "parent|name" per category, in id order.
  Lines Categories() { return Rows(db_, "Select [父类别],[类别名] From class ORDER BY id"); }
  // "category|name|page name" per entry, in id order.
  Lines Entries() { return Rows(db_, "Select [类别],[名字],[网页名] From fun ORDER BY id"); }

  TempFolder folder_;
  Database db_;
  ClashMode mode_ = ClashMode::Ask;
  RecordingJob job_;
};

TEST_F(WebImportTest, ItemsWithoutNestedListsAllGoIntoTheTarget) {
  Put("a.htm", PageFile("甲页", "甲"));
  Put("sub/b.htm", PageFile("乙页", "乙"));
  const ImportReport report = ImportBook("<HTML><UL>" + Item("甲", "a.htm") + Item("乙 &amp; 丙", "sub\\b.htm") + "</UL>");
  EXPECT_EQ(report.outcome, ImportOutcome::Completed);
  EXPECT_TRUE(Categories().empty());
  EXPECT_EQ(Entries(), (Lines{"0|甲|0_a.htm", "0|乙 & 丙|0_b.htm"}));
  EXPECT_EQ(Rows(db_, "Select [图标],[优先],[关键词],[类别2],[简介] From fun where id=1"),
            Lines{"2|100|0|-1|甲"});
}

TEST_F(WebImportTest, NestedListsBecomeCategoriesNamedByTheirItemAndAnEmptyNameBeforeAnyItem) {
  Put("a.htm", PageFile("", "甲"));
  Put("b.htm", PageFile("", "乙"));
  Put("c.htm", PageFile("", "丙"));
  ImportBook("<ul><ul>" + Item("空里", "c.htm") + "</ul>" + Item("上", "a.htm") + "<Ul>" +
                 Item("下", "b.htm#part") + "</uL></UL>",
             7);
  EXPECT_EQ(Categories(), (Lines{"7|", "7|上"}));
  EXPECT_EQ(Entries(), (Lines{"1|空里|7_c.htm", "7|上|7_a.htm", "2|下|7_b.htm"}));
}

TEST_F(WebImportTest, ParameterTagsMustBeWrittenExactly) {
  Put("a.htm", PageFile("标题", "甲"));
  ImportBook("<UL><param name=\"Name\" value=\"旧名\"><param  name=\"Name\" value=\"两个空格\">"
             "<PARAM NAME=\"LOCAL\" VALUE=\"a.htm\"><param name=Local value=\"b.htm\"></UL>");
  EXPECT_EQ(Entries(), Lines{"0|旧名|0_a.htm"});
}

TEST_F(WebImportTest, ImagesAreReadFromThePagesFolderAndStoredByFileName) {
  Put("pages/images/Fig1.PNG", "PNGDATA");
  Put("pages/p.htm", PageFile("图", "<img src=\"images/Fig1.PNG\"><img src=\"missing.png\">"));
  ImportBook("<UL>" + Item("图页", "pages/p.htm") + "</UL>");
  EXPECT_EQ(Rows(db_, "Select [文件名],[资料ID],[数据] From img ORDER BY id"),
            (Lines{"fig1.png|1|PNGDATA", "missing.png|1|"}));
  EXPECT_EQ(Rows(db_, "Select [注解] From fun"),
            Lines{"<img src=\"fig1.png\" border=\"0\" ><img src=\"missing.png\" border=\"0\" >"});
}

TEST_F(WebImportTest, MissingAndEmptyPagesAreSkippedAndABookWithoutListDoesNothing) {
  Put("empty.htm", "");
  EXPECT_EQ(ImportBook("<UL>" + Item("无", "none.htm") + Item("空", "empty.htm") + "</UL>").outcome,
            ImportOutcome::Completed);
  EXPECT_TRUE(Entries().empty());
  EXPECT_TRUE(PrepareImport(Put("nolist.hhc", "<html><li>x</li></html>")).nothing_to_do);
}

TEST_F(WebImportTest, StopEndsTheBookAtTheNextTagKeepingWhatWasWritten) {
  std::string contents = "<UL>";
  for (int i = 0; i < 20; ++i) {
    Put("p" + std::to_string(i) + ".htm", PageFile("页", "正文"));
    contents += Item("页" + std::to_string(i), "p" + std::to_string(i) + ".htm");
  }
  contents += "</UL>";
  job_.stop_at = static_cast<std::int64_t>(contents.size() / 2);
  const ImportReport report = ImportBook(contents);
  EXPECT_EQ(report.outcome, ImportOutcome::Stopped);
  EXPECT_GT(report.counts.entries, 5);
  EXPECT_LT(report.counts.entries, 15);
  EXPECT_EQ(static_cast<long long>(Entries().size()), report.counts.entries);
}

TEST_F(WebImportTest, FolderImportTakesHtmAndHtmlPagesAndTwiceGivesDuplicates) {
  Put("site/a.htm", PageFile("甲", "<a href=\"b.html#x\">乙</a>"));
  Put("site/b.html", PageFile("乙", "乙"));
  Put("site/C.HTM", PageFile("丙", "丙"));
  Put("site/notes.txt", "不是网页");
  ASSERT_EQ(ImportPage("site/a.htm", 4, PageScope::WholeFolder).outcome, ImportOutcome::Completed);
  ASSERT_EQ(ImportPage("site/a.htm", 4, PageScope::WholeFolder).outcome, ImportOutcome::Completed);
  EXPECT_EQ(Entries(), (Lines{"4|丙|4_c.htm", "4|甲|4_a.htm", "4|乙|4_b.html", "4|丙|4_c.htm",
                              "4|甲|4_a.htm", "4|乙|4_b.html"}));
  EXPECT_EQ(job_.range, 3);
  EXPECT_EQ(Rows(db_, "Select [注解] From fun where id=2"), Lines{"<a href=\"4_b.html#x\">乙</a>"});
}

TEST_F(WebImportTest, ASinglePageIntoTheTopLevelAsksNoQuestionAndKeepsAnEmptyTitle) {
  Put("site/a.htm", "<body>无标题</body>");
  Put("site/b.htm", PageFile("乙", "乙"));
  EXPECT_FALSE(AsksFolderQuestion(0));
  EXPECT_TRUE(AsksFolderQuestion(3));
  EXPECT_EQ(FolderQuestion(folder_.Path() + "site/a.htm"),
            "如果同文件夹里有其它网页在，是否导入所有的网页文件？\r\n" + folder_.Path() + "site/");
  ASSERT_EQ(ImportPage("site/a.htm", 0, PageScope::ThisPage).outcome, ImportOutcome::Completed);
  EXPECT_EQ(Entries(), Lines{"0||0_a.htm"});
}

// A generated help book: every page named in the contents becomes an entry,
// and every rewritten link to another page of the book reaches an entry.
TEST_F(WebImportTest, GeneratedBookLinksReachTheirEntries) {
  const std::string book = folder_.Path() + "gen/";
  const std::string command = "python3 '" + SharedTools() + "/mkbook.py' --out '" + NativePath(book) +
                              "' --pages 40 --depth 3 --seed 3 > /dev/null";
  if (std::system(command.c_str()) != 0) GTEST_SKIP() << "mkbook.py could not write the book";
  const PreparedImport prepared = PrepareImport(book + "book.hhc");
  ASSERT_TRUE(prepared.refusal.empty());
  const ImportReport report = RunImport(db_, prepared, 9, mode_, PageScope::ThisPage, job_);
  ASSERT_EQ(report.outcome, ImportOutcome::Completed);
  EXPECT_GE(report.counts.entries, 40);
  std::set<std::string> names;
  for (const std::string& name : Rows(db_, "Select [网页名] From fun")) names.insert(name);
  const std::regex link("href=\"(9_[^\"#]*)");
  int links = 0;
  for (const std::string& content : Rows(db_, "Select [注解] From fun")) {
    EXPECT_EQ(content.find("<script language=\"JavaScript\""), std::string::npos);
    for (std::sregex_iterator it(content.begin(), content.end(), link), end; it != end; ++it) {
      EXPECT_EQ(names.count((*it)[1]), 1u) << (*it)[1];
      ++links;
    }
  }
  EXPECT_GT(links, 40);
}

}  // namespace
}  // namespace mivrel::testing
