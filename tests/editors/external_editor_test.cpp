#include "editors/external_editor.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

TEST(ExternalEditorTest, TheKitPageTakesTheTextAtEveryMark) {
  TempFolder folder;
  std::string path;
  EXPECT_EQ(WriteEditorKitPage(folder.Path(), "x", path), EditorKitResult::TemplateMissing);

  ASSERT_TRUE(MakeDirectories(folder.Path() + "htmedit"));
  ASSERT_TRUE(WriteWholeFile(folder.Path() + kEditorKitTemplate,
                             GbToUtf8("<div>[内容]</div><p>[内容]</p>")));
  const std::string emoji = Utf8ToGb("\xF0\x9F\x98\x80");
  ASSERT_EQ(WriteEditorKitPage(folder.Path(), "  <b>粗" + emoji + "</b>  ", path),
            EditorKitResult::Written);
  EXPECT_EQ(path, folder.Path() + kEditorKitPage);
  std::string written;
  ASSERT_TRUE(ReadWholeFile(path, written));
  EXPECT_EQ(Utf8ToGb(written), "<div><b>粗" + emoji + "</b></div><p><b>粗" + emoji + "</b></p>");
}

}  // namespace
}  // namespace mivrel::testing
