// Marked-text export: the bytes of the format, what a category holds, and
// what a stop or a failed write leaves behind.
#include <regex>

#include "interchange/interchange_fixture.h"
#include "interchange/marked_text_export.h"
#include "interchange/marked_text_format.h"

namespace mivrel::testing {
namespace {

EntrySpec EntryOf(const std::string& name, int category, const std::string& content = "内容") {
  EntrySpec e;
  e.name = name;
  e.category = category;
  e.brief = "简介";
  e.content = content;
  e.icon = 3;
  e.priority = 7;
  e.keyword = 1;
  return e;
}

class ExportTest : public ::testing::Test {
 protected:
  std::string Export(long long category) {
    const std::string path = out_.Path() + "导出.xml";
    EXPECT_EQ(ExportCategory(lib_.Db(), category, path, job_), ExportOutcome::Written);
    return ReadFile(path);
  }

  TestLibrary lib_;
  TempFolder out_;
  RecordingJob job_;
};

TEST_F(ExportTest, HeaderNamesTheProgramAndItsFourPartVersion) {
  const std::string header = MarkedTextHeader();
  EXPECT_TRUE(std::regex_match(header, std::regex(R"(<\?xml version="1\.1" OsterkMivrel \d+\.\d+\.\d+\.\d+ \?>)")))
      << header;
}

TEST_F(ExportTest, EmptyCategoryGivesTheHeaderAloneWithoutLineBreak) {
  const int empty = lib_.AddCategory("空分类");
  EXPECT_EQ(Export(empty), MarkedTextHeader());
  EXPECT_EQ(job_.range, 0);
}

TEST_F(ExportTest, SubcategoriesComeBeforeTheEntriesOfTheirCategoryAndNest) {
  const int top = lib_.AddCategory("顶层");
  const int sub = lib_.AddCategory("子类", top, 4, 9);
  const int subsub = lib_.AddCategory("孙类", sub, 5, 1);
  const EntrySpec in_top = EntryOf("顶层资料", top);
  const EntrySpec in_sub = EntryOf("子类资料", sub);
  const EntrySpec in_subsub = EntryOf("孙类资料", subsub);
  lib_.AddEntry(in_top);  // written last although added first
  lib_.AddEntry(in_subsub);
  lib_.AddEntry(in_sub);
  const std::string expected = JoinLines(
      {MarkedTextHeader(), MarkedCategory("子类", 4, 9), MarkedCategory("孙类", 5, 1),
       MarkedEntry(in_subsub), "</tkxml-是分类>", MarkedEntry(in_sub), "</tkxml-是分类>",
       MarkedEntry(in_top)});
  EXPECT_EQ(Export(top), expected);
  EXPECT_EQ(job_.range, 5);
  EXPECT_EQ(job_.position, 5);
}

TEST_F(ExportTest, ImageBytesContentAndPageNameAreWrittenUnchanged) {
  const int cat = lib_.AddCategory("图片");
  EntrySpec e = EntryOf("带图片", cat, "代码 </tkxml-注解> 之后 <b>&amp;</b>\r\n第二行");
  e.page_name = "12_page.htm";
  const int id = lib_.AddEntry(e);
  const std::string data = std::string("\x89PNG\r\n]\0[x]\r\n</tkxml-图\xff", 24);
  lib_.AddImage(id, "图一.png", data);
  lib_.AddImage(id, "two.gif", "GIF");
  EXPECT_EQ(Export(cat), JoinLines({MarkedTextHeader(),
                                    MarkedEntry(e, {"<tkxml-图片>[图一.png]" + data + "</tkxml-图片>",
                                                   "<tkxml-图片>[two.gif]GIF</tkxml-图片>"})}));
}

TEST_F(ExportTest, EntriesFiledThereOnlyAsSecondOrThirdCategoryAreLeftOut) {
  const int cat = lib_.AddCategory("主类");
  const int other = lib_.AddCategory("他类");
  EntrySpec second = EntryOf("第二类别", other);
  second.category2 = cat;
  EntrySpec third = EntryOf("第三类别", other);
  third.category3 = cat;
  lib_.AddEntry(second);
  lib_.AddEntry(third);
  EXPECT_EQ(Export(cat), MarkedTextHeader());
}

TEST_F(ExportTest, SingleEntryFileHoldsTheHeaderAndOneBlock) {
  const EntrySpec e = EntryOf("单条", 0);
  const int id = lib_.AddEntry(e);
  const std::string path = out_.Path() + "单条.xml";
  ASSERT_EQ(ExportEntry(lib_.Db(), id, path, job_), ExportOutcome::Written);
  EXPECT_EQ(ReadFile(path), JoinLines({MarkedTextHeader(), MarkedEntry(e)}));
  EXPECT_EQ(ExportEntry(lib_.Db(), id + 100, out_.Path() + "无.xml", job_), ExportOutcome::NotFound);
  EXPECT_FALSE(PathExists(out_.Path() + "无.xml"));
}

TEST_F(ExportTest, StopOrFailedWriteLeavesNoFileAndKeepsAnOldOne) {
  const int cat = lib_.AddCategory("大类");
  for (int i = 0; i < 20; ++i) lib_.AddEntry(EntryOf("资料" + std::to_string(i), cat));
  const std::string path = WriteFile(out_.Path() + "旧.xml", "旧内容");
  job_.stop_at = 5;
  EXPECT_EQ(ExportCategory(lib_.Db(), cat, path, job_), ExportOutcome::Stopped);
  EXPECT_EQ(ReadFile(path), "旧内容");
  EXPECT_EQ(ListFolder(out_.Path(), false).size(), 1u) << "no temporary file left";
  EXPECT_EQ(ExportMessage(ExportOutcome::Stopped, path), "");

  RecordingJob fresh;
  const std::string nowhere = out_.Path() + "没有这个文件夹/导出.xml";
  EXPECT_EQ(ExportCategory(lib_.Db(), cat, nowhere, fresh), ExportOutcome::WriteFailed);
  EXPECT_EQ(ExportMessage(ExportOutcome::WriteFailed, nowhere), "写文件出错！！\r\n" + nowhere);
}

}  // namespace
}  // namespace mivrel::testing
