// Runs the built mivrel-tool's `delete` against a small library.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "settings/ini_file.h"
#include "store/library_files.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

struct ToolRun {
  int exit_code = -1;
  std::string out;  // UTF-8
  std::string err;
};

class DeleteToolTest : public ::testing::Test {
 protected:
  ToolRun Delete(const std::string& args) {
    const std::string command = "'" + std::string(MIVREL_TOOL_BINARY) + "' --library '" +
                                lib.Folder() + "' delete " + args + " >'" + scratch.Path() +
                                "out' 2>'" + scratch.Path() + "err'";
    ToolRun run;
    const int status = std::system(command.c_str());
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ReadWholeFile(scratch.Path() + "out", run.out);
    ReadWholeFile(scratch.Path() + "err", run.err);
    return run;
  }
  long long Number(const std::string& sql) {
    ResultGrid grid;
    return lib.Db().Query(sql, grid) > 0 ? grid.Number(1, 0) : -1;
  }

  TestLibrary lib;
  TempFolder scratch;
};

TEST_F(DeleteToolTest, RecyclesThenRemovesForGoodFromTheBin) {
  const int cat = lib.AddCategory("工具");
  const int entry = lib.AddEntry("gone", cat);
  lib.AddImage(entry, "a.png", "x");
  ToolRun run = Delete("entry " + std::to_string(entry));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, GbToUtf8("执行成功！！！\n"));
  const long long bin = Number("Select ID From [class] where [类别名]='回收站'");
  EXPECT_EQ(Number("Select [类别] From [fun] where id=" + std::to_string(entry)), bin);

  run = Delete("entry " + std::to_string(entry));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(Number("Select count(*) From [fun]"), 0);
  EXPECT_EQ(Number("Select count(*) From [img]"), 0);
}

TEST_F(DeleteToolTest, PermanentCategoryDeletionPrintsTheCounts) {
  const int top = lib.AddCategory("顶");
  lib.AddEntry("a", lib.AddCategory("子", top));
  lib.AddEntry("b", top);
  const ToolRun run = Delete("category " + std::to_string(top) + " --permanent");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(GbToUtf8("执行成功！！！\n已删除了分类的数量： 2\n已删除了资料档数量： 2\n"), run.out);
  EXPECT_EQ(Number("Select count(*) From [class]"), 0);
}

TEST_F(DeleteToolTest, TheSettingOffRemovesForGood) {
  ASSERT_TRUE(IniFile(lib.Folder() + kSettingsFileName).Write("选项", "使用回收站", "0"));
  const int entry = lib.AddEntry("gone", 0);
  ASSERT_EQ(Delete("entry " + std::to_string(entry)).exit_code, 0);
  EXPECT_EQ(Number("Select count(*) From [fun]"), 0);
  EXPECT_EQ(Number("Select count(*) From [class]"), 0);
}

TEST_F(DeleteToolTest, FailuresExitWithOne) {
  EXPECT_EQ(Delete("entry 42").exit_code, 1);
  const ToolRun home = Delete("category 0");
  EXPECT_EQ(home.exit_code, 1);
  EXPECT_NE(home.err.find(GbToUtf8("亲，主页是不可以删除的哦！")), std::string::npos);
  EXPECT_EQ(Delete("entry").exit_code, 2);
  EXPECT_EQ(Delete("thing 3").exit_code, 2);
}

}  // namespace
}  // namespace mivrel::testing
