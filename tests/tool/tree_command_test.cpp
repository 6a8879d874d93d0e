// Runs the built mivrel-tool's `tree` against a small library and checks the
// exact listing: pre-order, depth, image, id and GB18030 label per line.
#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "support/test_library.h"
#include "support/tool_process.h"

namespace mivrel::testing {
namespace {

ToolRun RunTree(const std::string& library, const std::string& extra, const std::string& scratch) {
  return RunToolCommand(MIVREL_TOOL_BINARY, library, "tree" + extra, scratch);
}

TEST(TreeCommandTest, PrintsTheLoadedTreeBeforeAnyEntriesAreLoaded) {
  TestLibrary lib;
  TempFolder scratch;
  const int win = lib.AddCategory("Windows", 0, 3, 1);
  const int gdi = lib.AddCategory("GDI", win, 4);
  const int bin = lib.AddCategory("回收站", 0, 34, 9);
  const int old = lib.AddCategory("旧的", bin, 2);
  lib.AddEntry("inside Windows", win);  // not listed: entries load lazily
  const int top = lib.AddEntry("首页资料", 0);
  ASSERT_TRUE(MakeDirectories(lib.Folder() + "htm/书"));
  ASSERT_TRUE(WriteWholeFile(lib.Folder() + "htm/书/toc.hhc",
                             "<UL><param name=\"Name\" value=\"页\"><param name=\"Local\" value=\"p.htm\"></UL>"));

  const ToolRun run = RunTree(lib.Folder(), "", scratch.Path());
  ASSERT_EQ(run.exit_code, 0);
  const auto n = [](int v) { return std::to_string(v); };
  EXPECT_EQ(run.out, "0\t16\t" + n(top) + "\t首页资料\n"
                     "0\t3\t" + n(win) + "\tWindows\n"
                     "1\t4\t" + n(gdi) + "\tGDI\n"
                     "0\t32\t0\t书\n"
                     "1\t33\t1\t页\n"
                     "0\t34\t" + n(bin) + "\t回收站\n"
                     "1\t2\t" + n(old) + "\t旧的\n");
}

TEST(TreeCommandTest, RefusesArgumentsAndAMissingLibrary) {
  TestLibrary lib;
  TempFolder scratch;
  EXPECT_EQ(RunTree(lib.Folder(), " extra", scratch.Path()).exit_code, 2);
  TempFolder empty;
  EXPECT_EQ(RunTree(empty.Path(), "", scratch.Path()).exit_code, 1);
}

}  // namespace
}  // namespace mivrel::testing
