// Script written into a page never runs: a category named with an onerror
// handler leaves the program on its home page.  The program's own scripts
// (copy on click, design mode, page queries) keep working.
#include <unistd.h>

#include <gtest/gtest.h>

#include "program_driver.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

TEST(PageScriptProgramTest, ScriptInPageMarkupNeverRunsButTheProgramsOwnScriptsDo) {
  TestLibrary library;
  const int hostile = library.AddCategory("<img src=x onerror=\"location.href='.y.4242'\">", 0);
  EntrySpec target;
  target.name = "Target";
  target.category = hostile;
  const int id = library.AddEntry(target);
  ASSERT_EQ(library.Db().Run("UPDATE fun SET id=4242 WHERE id=" + std::to_string(id)), 0);
  ProgramDriver program(library.Folder());
  program.Start();
  ASSERT_NE(program.WaitFor("started"), "<timeout>");
  ASSERT_NE(program.WaitFor("loaded"), "<timeout>");
  // Time for an image error to fire and a navigation to be reported.
  usleep(1500 * 1000);
  for (const ReportLine& line : program.Report()) {
    EXPECT_NE(line.kind, "link") << line.text;
    EXPECT_EQ(line.text.find(".y.4242"), std::string::npos) << line.kind << " " << line.text;
  }
  EXPECT_EQ(program.Script("document.images.length + ' ' + (document.body.innerText.indexOf('Target') < 0)"),
            "1 true");

  // The program's own scripts: design mode, and the copy of a selection on a press.
  EXPECT_EQ(program.Script("document.designMode = 'on'; document.designMode"), "on");
  EXPECT_EQ(program.Script("document.designMode = 'off'; document.designMode"), "off");
  const size_t before = program.LineCount();
  program.Script(
      "var r = document.createRange(); r.selectNodeContents(document.body); "
      "getSelection().removeAllRanges(); getSelection().addRange(r); "
      "document.dispatchEvent(new MouseEvent('mousedown', {bubbles: true})); 'pressed'");
  EXPECT_NE(program.WaitFor("copied", "", 5000, before), "<timeout>");

  ASSERT_TRUE(program.Command("exit"));
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace mivrel::testing
