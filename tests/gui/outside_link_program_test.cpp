// Addresses for the desktop's browser on a desktop that has none: the user
// reads a Chinese box titled "Mivrel" (reported as message-stop), never the
// toolkit's English "Failed to open URL" (which, with the test report on,
// would go to standard error).
#include <unistd.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "program_driver.h"
#include "program_suite.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

constexpr char kNoBrowser[] = u8"打开网页失败，原因见下面信息：\\r\\n没有找到可以打开网页的浏览器。\\r\\n";

class OutsideLinkProgramTest : public ProgramSuite<OutsideLinkProgramTest> {
 protected:
  static void SetUpTestSuite() {
    empty_ = std::make_unique<TempFolder>();
    library_ = std::make_unique<TestLibrary>();
    library_->AddCategory("窗口", 0);
    ASSERT_TRUE(MakeDirectories(library_->Folder() + "htmedit"));
    ASSERT_TRUE(WriteWholeFile(library_->Folder() + "htmedit/demo.html", "<html><body>[内容]</body></html>"));
    program_ = std::make_unique<ProgramDriver>(library_->Folder());
    // No browser anywhere: no xdg-open on the path, no registered handler
    // for http or file addresses, and a BROWSER that does not exist.  The
    // data folders keep the MIME database alone, without which the toolkit
    // cannot load its own icons.
    const std::string empty = NativePath(empty_->Path());
    ASSERT_TRUE(MakeDirectories(empty_->Path() + "data"));
    ASSERT_EQ(symlink("/usr/share/mime", (empty + "data/mime").c_str()), 0);
    for (const char* name : {"PATH", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) {
      program_->SetEnvironment(name, empty);
    }
    program_->SetEnvironment("XDG_DATA_DIRS", empty + "data");
    program_->SetEnvironment("BROWSER", empty + "no-such-browser");
    program_->Start();
    ASSERT_NE(program_->WaitFor("started"), "<timeout>");
    // A click before the browser pane has loaded the home page is lost with it.
    const std::vector<ReportLine> lines = program_->Report();
    size_t started = 0;
    while (started < lines.size() && lines[started].kind != "started") ++started;
    program_->WaitFor("loaded", "", 5000, started);
  }

  static void TearDownTestSuite() {
    ProgramSuite::TearDownTestSuite();
    empty_.reset();
  }

  // The toolkit's English box would have left its text here.
  static void ExpectNoEnglishBox() {
    EXPECT_EQ(program_->ErrorOutput().find("Failed to open URL"), std::string::npos) << program_->ErrorOutput();
  }

  static inline std::unique_ptr<TempFolder> empty_;
};

TEST_F(OutsideLinkProgramTest, ALinkForANewWindowTellsInChineseThatNoBrowserIsThere) {
  const size_t before = program_->LineCount();
  program_->Command(
      "script var a=document.createElement('a');a.href='http://example.invalid/page';a.target='_blank';"
      "document.body.appendChild(a);a.click();'clicked'");
  EXPECT_EQ(program_->WaitFor("message-stop", "", 8000, before),
            std::string(kNoBrowser) + "http://example.invalid/page");
  ExpectNoEnglishBox();
}

TEST_F(OutsideLinkProgramTest, TheOutsideHtmlEditorTellsInChineseThatNoBrowserIsThere) {
  program_->Command(u8"select 窗口");
  size_t before = program_->LineCount();
  program_->Command("command 5107");  // 资料: the entry editor
  ASSERT_NE(program_->WaitFor("dialog", "", 10000, before), "<timeout>");
  before = program_->LineCount();
  program_->Command("dialog-click external");
  const std::string message = program_->WaitFor("message-stop", "", 8000, before);
  EXPECT_EQ(message.rfind(std::string(kNoBrowser) + "file://", 0), 0u) << message;
  EXPECT_NE(message.find("htmedit/edit.html"), std::string::npos) << message;
  ExpectNoEnglishBox();
  program_->Command("dialog-close");
}

}  // namespace
}  // namespace mivrel::testing
