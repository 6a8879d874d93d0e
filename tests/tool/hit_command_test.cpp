// Runs the built mivrel-tool binary and checks what `index` and `search`
// print: the listed hits as "id<TAB>name" lines in list order, at most 500,
// and the status text with the number of rows on standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "support/test_library.h"
#include "tool/tool_run.h"

namespace mivrel::testing {
namespace {

// The text with every run of ASCII digits replaced by "N".
std::string DigitRunsAsN(const std::string& text) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!digit(text[i])) {
      out += text[i];
    } else if (i == 0 || !digit(text[i - 1])) {
      out += 'N';
    }
  }
  return out;
}

class HitCommandTest : public ::testing::Test {
 protected:
  ToolRun Run(const std::vector<std::string>& args) {
    return RunTool(library.Folder(), scratch.Path(), args);
  }

  static std::string Line(int id, const std::string& name) {
    return std::to_string(id) + "\t" + name + "\n";
  }

  TestLibrary library;
  TempFolder scratch;
};

TEST_F(HitCommandTest, IndexListsNamesBeginningWithThePrefixInNameOrder) {
  const int b = library.AddEntry("GetTickCount", 0);
  const int c = library.AddEntry("getX", 0);
  const int a = library.AddEntry("GetDC", 0);
  library.AddEntry("SetParent", 0);
  const ToolRun run = Run({"index", "Get"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, Line(a, "GetDC") + Line(b, "GetTickCount") + Line(c, "getX"));
  // The times are the real clock's: any number of milliseconds.
  EXPECT_EQ(DigitRunsAsN(run.err), "查询化费: N毫秒，加载化费: N，结果数量: N\n");
  EXPECT_TRUE(EndsWith(run.err, "结果数量: 3\n")) << run.err;
}

TEST_F(HitCommandTest, SearchListsAtMost500HitsAndReportsAllRows) {
  {
    TransactionBracket bracket(library.Db());
    for (int i = 0; i < 800; ++i) library.AddEntry("N" + std::to_string(1000 + i), 0, "含有关键字");
  }
  const ToolRun run = Run({"search", "关键"});
  EXPECT_EQ(run.exit_code, 0);
  size_t lines = 0;
  for (char ch : run.out) lines += ch == '\n';
  EXPECT_EQ(lines, 500u);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), Line(1, "N1000"));
  EXPECT_NE(run.err.find("毫秒，结果数量: 800"), std::string::npos) << run.err;
}

TEST_F(HitCommandTest, NamesAreGb18030AndQuotesAreSearchable) {
  const int id = library.AddEntry("取得'窗口'", 0, "x");
  const ToolRun run = Run({"search", "得'窗"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, Line(id, "取得'窗口'"));
}

TEST_F(HitCommandTest, ScopeRowNarrowsToTheCategoryAndItsSubcategories) {
  const int windows = library.AddCategory("Windows", 0, 0, 1);
  const int gdi = library.AddCategory("GDI", windows);
  const int other = library.AddCategory("Other", 0, 0, 2);
  EntrySpec e;
  e.name = "HitA";
  e.category = gdi;
  const int in_child = library.AddEntry(e);
  e.name = "HitB";
  e.category = other;
  e.category3 = windows;
  const int third = library.AddEntry(e);
  e.name = "HitC";
  e.category3 = -1;
  const int elsewhere = library.AddEntry(e);

  // Rows: 0 显示全部分类, 1 Windows, 2 ..GDI, 3 Other.
  ToolRun run = Run({"index", "Hit", "--scope", "1"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, Line(in_child, "HitA") + Line(third, "HitB"));
  EXPECT_NE(run.err.find("结果数量: 3"), std::string::npos);

  run = Run({"search", "Hit", "--scope", "3"});
  EXPECT_EQ(run.out, Line(third, "HitB") + Line(elsewhere, "HitC"));
  run = Run({"search", "Hit", "--scope", "0"});
  EXPECT_EQ(run.out, Line(in_child, "HitA") + Line(third, "HitB") + Line(elsewhere, "HitC"));
}

TEST_F(HitCommandTest, UsageErrorsExitWith2AndPrintNothing) {
  library.AddEntry("Sleep", 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"index"}, {"search", "a", "b"}, {"index", "S", "--scope"},
        {"index", "S", "--scope", "-1"}, {"index", "S", "--scope", "9"},
        {"search", "S", "--fast"}}) {
    const ToolRun run = Run(args);
    EXPECT_EQ(run.exit_code, 2) << args.back();
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("mivrel-tool: "), std::string::npos);
  }
}

TEST_F(HitCommandTest, EmptyTextRunsNoQuery) {
  library.AddEntry("Sleep", 0);
  const ToolRun run = Run({"index", ""});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_TRUE(run.out.empty());
  EXPECT_TRUE(run.err.empty());
}

}  // namespace
}  // namespace mivrel::testing
