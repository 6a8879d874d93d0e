// Runs the built mivrel-tool binary and checks that `page` prints the very
// bytes the program would show, and its status text.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "render/pages.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "support/test_library.h"
#include "tool/tool_run.h"

namespace mivrel::testing {
namespace {

class PageCommandTest : public ::testing::Test {
 protected:
  ToolRun Run(const std::vector<std::string>& args, const std::string& env = "") {
    std::vector<std::string> all{"page"};
    all.insert(all.end(), args.begin(), args.end());
    return RunTool(library.Folder(), scratch.Path(), all, env);
  }

  // The page the program itself builds for the entry, with the library's settings.
  std::string InProcessEntryPage(int id, const std::string& temp_folder) {
    const Settings settings = LoadSettings(IniFile(library.Folder() + "配置.INI"), ScreenSize());
    PageBuilder builder(library.Db(), settings);
    builder.BuildPageTemplate();
    builder.LoadKeywordSets();
    builder.SetPageTempFolder(temp_folder);
    return builder.BuildEntryPage(id, "", "", "").bytes;
  }

  TestLibrary library;
  TempFolder scratch;
};

TEST_F(PageCommandTest, EntryPageIsTheProgramsPageByteForByte) {
  ASSERT_TRUE(IniFile(library.Folder() + "配置.INI").Write("显示", "字体名", "宋体"));
  const int category = library.AddCategory("系统");
  library.AddEntry("GetTickCount", category, "", 1);
  const int id = library.AddEntry("示例", category, "Declare GetTickCount \"k\" 【参数】 12");
  const std::string temp = scratch.Path() + "pages/";
  const ToolRun run = Run({"entry", std::to_string(id), "--temp", temp});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, InProcessEntryPage(id, temp));
  EXPECT_NE(run.out.find("'宋体'"), std::string::npos);
  EXPECT_NE(run.out.find("<span class=\"s6\">GetTickCount</span>"), std::string::npos);
  const std::string size = std::to_string(GbToUtf8("Declare GetTickCount \"k\" 【参数】 12").size());
  EXPECT_TRUE(std::regex_search(run.err, std::regex("显示内容化费: [0-9]+毫秒，占用空间 " + size + "字节\n")))
      << run.err;
}

TEST_F(PageCommandTest, HighlightShowsThePageAsWithTheSearchTabShowing) {
  const int id = library.AddEntry("甲", 0, "call Sleep now");
  EXPECT_EQ(Run({"entry", std::to_string(id)}).out.find("class=\"sB\""), std::string::npos);
  const ToolRun run = Run({"entry", std::to_string(id), "--highlight", "Sleep"});
  EXPECT_NE(run.out.find("<span class=\"sB\">Sleep</span>"), std::string::npos);
}

TEST_F(PageCommandTest, EntryByNameTakesAChineseName) {
  library.AddEntry("中文名", 0, "内容在此");
  const ToolRun run = Run({"entry", "--name", "中文名"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("内容在此"), std::string::npos);
}

TEST_F(PageCommandTest, MissingEntryPrintsTheNotFoundPage) {
  const ToolRun run = Run({"entry", "--name", "没有"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_NE(run.out.find("没有</td></tr></table>很抱歉，您要访问的内容不存在"), std::string::npos);
  EXPECT_NE(run.err.find("占用空间 0字节"), std::string::npos);
}

TEST_F(PageCommandTest, HomeAndCategoryPages) {
  const int top = library.AddCategory("顶层");
  library.AddEntry("资料甲", top);
  const ToolRun home = Run({"home"});
  ASSERT_EQ(home.exit_code, 0) << home.err;
  EXPECT_NE(home.out.find("<a href=\".r." + std::to_string(top) + "\">顶层</a>"), std::string::npos);
  EXPECT_TRUE(std::regex_search(home.err, std::regex("显示分类化费: [0-9]+毫秒\n")));
  const ToolRun category = Run({"category", std::to_string(top)});
  EXPECT_NE(category.out.find("资料甲"), std::string::npos);
  EXPECT_TRUE(EndsWith(category.out, "</body></html>"));
}

TEST_F(PageCommandTest, ImagesGoIntoTheGivenTempFolder) {
  const int id = library.AddEntry(EntrySpec{"网页", 0, -1, -1, "", "<img src=\"x.png\">", 0, 100, 0, "1_a.htm"});
  library.AddImage(id, "x.png", "PNG");
  const std::string temp = scratch.Path() + "given";
  const ToolRun run = Run({"entry", std::to_string(id), "--temp", temp});
  EXPECT_NE(run.out.find("<img src=\"file://" + temp + "/x.png\">"), std::string::npos) << run.out;
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(temp + "/x.png", bytes));
}

TEST_F(PageCommandTest, ARelativeTempFolderIsTakenFromTheCurrentFolder) {
  const int id = library.AddEntry(EntrySpec{"网页", 0, -1, -1, "", "<img src=\"x.png\">", 0, 100, 0, "1_a.htm"});
  library.AddImage(id, "x.png", "PNG");
  const ToolRun run = Run({"entry", std::to_string(id), "--temp", "rel"}, "cd " + ShellQuoted(scratch.Path()) + " &&");
  EXPECT_NE(run.out.find("<img src=\"file://" + scratch.Path() + "rel/x.png\">"), std::string::npos) << run.out;
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(scratch.Path() + "rel/x.png", bytes));
}

TEST_F(PageCommandTest, DefaultTempFolderIsFreshAndRemovedAtExit) {
  const int id = library.AddEntry(EntrySpec{"网页", 0, -1, -1, "", "<img src=\"x.png\">", 0, 100, 0, "1_a.htm"});
  library.AddImage(id, "x.png", "PNG");
  TempFolder temp_root;
  const ToolRun run = Run({"entry", std::to_string(id)}, "TEMP=" + ShellQuoted(temp_root.Path()));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(std::regex_search(run.out, std::regex("<img src=\"file://" + temp_root.Path() +
                                                    "tk[0-9]+/x\\.png\">")))
      << run.out;
  EXPECT_TRUE(ListFolder(temp_root.Path(), false).empty());
}

TEST_F(PageCommandTest, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"entry"}, {"entry", "12x"}, {"category"}, {"category", "abc"}, {"home", "3"},
           {"bogus"}, {"entry", "1", "--temp"}, {"entry", "1", "--colour", "x"},
           {"entry", "--name"}, {"entry", "1", "--name", "x"}}) {
    const ToolRun run = Run(args);
    EXPECT_EQ(run.exit_code, 2) << ::testing::PrintToString(args);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("usage"), std::string::npos);
  }
}

TEST_F(PageCommandTest, MissingLibraryIsAFailure) {
  TempFolder empty;
  const std::string command = ShellQuoted(MIVREL_TOOL_BINARY) + " --library " + ShellQuoted(empty.Path()) +
                              " page home >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
}

}  // namespace
}  // namespace mivrel::testing
