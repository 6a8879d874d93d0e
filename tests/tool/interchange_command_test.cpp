// mivrel-tool export and import: the program's bytes and notices from the
// command line, clash options and the folder question's option.
#include <gtest/gtest.h>

#include "interchange/marked_text_export.h"
#include "interchange/marked_text_format.h"
#include "support/recording_job.h"
#include "support/test_library.h"
#include "tool/tool_run.h"

namespace mivrel::testing {
namespace {

class InterchangeCommandTest : public ::testing::Test {
 protected:
  ToolRun Run(const std::vector<std::string>& args) {
    return RunTool(library.Folder(), scratch.Path(), args);
  }
  long long CountRows(const std::string& sql) {
    ResultGrid grid;
    return library.Db().Query(sql, grid) > 0 ? grid.Number(1, 0) : -1;
  }

  TestLibrary library;
  TempFolder scratch;
  TempFolder files;
};

TEST_F(InterchangeCommandTest, ExportWritesTheProgramsBytesAndItsMessage) {
  const int cat = library.AddCategory("分类");
  const int id = library.AddEntry("资料", cat, "内容");
  library.AddImage(id, "a.png", "PNG]\r\n");
  const std::string path = files.Path() + "分类.xml";
  const ToolRun run = Run({"export", "category", std::to_string(cat), path});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(Utf8ToGb(run.out), "保存到文件完成\n" + path + "\n");
  RecordingJob job;
  ASSERT_EQ(ExportCategory(library.Db(), cat, files.Path() + "在内.xml", job), ExportOutcome::Written);
  std::string tool_bytes, own_bytes;
  ASSERT_TRUE(ReadWholeFile(path, tool_bytes));
  ASSERT_TRUE(ReadWholeFile(files.Path() + "在内.xml", own_bytes));
  EXPECT_EQ(tool_bytes, own_bytes);

  EXPECT_EQ(Run({"export", "entry", "999", files.Path() + "无.xml"}).exit_code, 1);
  EXPECT_EQ(Run({"export", "thing", "1", path}).exit_code, 2);
}

TEST_F(InterchangeCommandTest, ImportPrintsSuccessAndCountsAndHonoursTheClashOption) {
  const int cat = library.AddCategory("目标");
  const std::string block = "<tkxml-是资料><tkxml-名字>甲</tkxml-名字><tkxml-注解>新</tkxml-注解></tkxml-是资料>";
  const std::string path = files.Path() + "甲.xml";
  ASSERT_TRUE(WriteWholeFile(path, MarkedTextHeader() + "\r\n" + block));
  ToolRun run = Run({"import", path, "--into", std::to_string(cat)});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(Utf8ToGb(run.out), "执行成功\n分类：0，资料：1，替换：0，图片：0\n");
  run = Run({"import", path, "--into", std::to_string(cat)});
  EXPECT_EQ(Utf8ToGb(run.out), "执行成功\n分类：0，资料：0，替换：0，图片：0\n") << "skip by default";
  run = Run({"import", path, "--into", std::to_string(cat), "--on-clash", "replace"});
  EXPECT_EQ(Utf8ToGb(run.out), "执行成功\n分类：0，资料：0，替换：1，图片：0\n");
  run = Run({"import", path, "--into", std::to_string(cat), "--on-clash", "stop"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(Utf8ToGb(run.out), "已停止\n分类：0，资料：0，替换：0，图片：0\n");
  EXPECT_EQ(CountRows("Select count(*) From fun"), 1);

  EXPECT_EQ(Run({"import", path, "--into", "77"}).exit_code, 1);
  EXPECT_EQ(Run({"import", path, "--on-clash", "maybe"}).exit_code, 2);
  const std::string missing = files.Path() + "无.xml";
  run = Run({"import", missing});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(Utf8ToGb(run.out), "文件不存在，无法导入\n" + missing + "\n");
}

TEST_F(InterchangeCommandTest, AllPagesImportsTheWholeFolderBelowACategoryOnly) {
  const int cat = library.AddCategory("网页");
  ASSERT_TRUE(WriteWholeFile(files.Path() + "a.htm", "<title>甲</title><body>甲</body>"));
  ASSERT_TRUE(WriteWholeFile(files.Path() + "b.html", "<title>乙</title><body>乙</body>"));
  EXPECT_EQ(Run({"import", files.Path() + "a.htm", "--into", std::to_string(cat), "--all-pages"}).exit_code, 0);
  EXPECT_EQ(CountRows("Select count(*) From fun"), 2);
  EXPECT_EQ(Run({"import", files.Path() + "a.htm", "--all-pages"}).exit_code, 0);
  EXPECT_EQ(CountRows("Select count(*) From fun where [类别]=0"), 1) << "the top level takes the page alone";
}

}  // namespace
}  // namespace mivrel::testing
