// Links clicked in the real web view come back as the addresses the
// navigation rules expect, whatever characters the linked word holds.
#include <gtest/gtest.h>

#include "program_driver.h"
#include "program_suite.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

class LinksProgramTest : public ProgramSuite<LinksProgramTest> {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<TestLibrary>();
    library_->AddCategory("窗口", 0);
    StartProgram();
    // The home page is written at the end of the start-up; a click before the
    // browser has loaded it would be lost with the page it was made in.
    const std::vector<ReportLine> lines = program_->Report();
    size_t started = 0;
    while (started < lines.size() && lines[started].kind != "started") ++started;
    program_->WaitFor("loaded", "", 5000, started);
  }

  // Clicks a link with the given href (UTF-8) in the shown page and returns
  // the address the pane reported for it.
  static std::string Click(const std::string& href) {
    const size_t before = program_->LineCount();
    std::string quoted;
    for (char c : href) {
      if (c == '\'' || c == '\\') quoted += '\\';
      quoted += c;
    }
    program_->Command("script var a=document.createElement('a');a.setAttribute('href','" + quoted +
                      "');document.body.appendChild(a);a.click();'clicked'");
    return program_->WaitFor("link", "", 5000, before);
  }

};


TEST_F(LinksProgramTest, PageLinksBecomeAboutAddresses) {
  EXPECT_EQ(Click(".r.5"), "about:.r.5");
  EXPECT_EQ(Click(".y.7"), "about:.y.7");
  EXPECT_EQ(Click("GetTickCount"), "about:GetTickCount");
  EXPECT_EQ(Click("abc.htm#x"), "about:abc.htm#x");
  EXPECT_EQ(Click("#x"), "about:blank#x");
}

TEST_F(LinksProgramTest, WordsWithAwkwardCharactersComeBackExactly) {
  EXPECT_EQ(Click("std::vector"), "about:std::vector");
  EXPECT_EQ(Click("a b"), "about:a b");
  EXPECT_EQ(Click("50%"), "about:50%");
  EXPECT_EQ(Click("a?b"), "about:a?b");
  EXPECT_EQ(Click("x#y"), "about:x#y");
  EXPECT_EQ(Click(u8"创建窗口"), u8"about:创建窗口");
  EXPECT_EQ(Click(u8"窗口#节"), u8"about:窗口#节");
  EXPECT_EQ(Click("operator<<"), "about:operator<<");
}

}  // namespace
}  // namespace mivrel::testing
