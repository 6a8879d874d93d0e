// The mapping from the URLs the web view reports back to the addresses the
// navigation rules expect.  The engine URLs below are the forms WebKitGTK
// reports for pages written with a file:/// base (checked by the program
// test that clicks real links).
#include "framework/link_address.h"

#include <gtest/gtest.h>

#include "base/file_urls.h"
#include "base/text.h"

namespace mivrel {
namespace {

const std::string kBase = "file:///tmp/tk0123/";

std::string Mapped(const std::string& url) {
  const LinkTarget target = MapLinkUrl(url, kBase);
  EXPECT_EQ(target.kind, LinkKind::Generated) << url;
  return target.address;
}

TEST(LinkAddress, CategoryEntryAndKeywordLinks) {
  EXPECT_EQ(Mapped(kBase + ".r.5"), "about:.r.5");
  EXPECT_EQ(Mapped(kBase + ".y.7"), "about:.y.7");
  EXPECT_EQ(Mapped(kBase + "GetTickCount"), "about:GetTickCount");
  EXPECT_EQ(Mapped(kBase + "abc.htm#x"), "about:abc.htm#x");
}

TEST(LinkAddress, InPageAnchorBecomesAboutBlank) {
  EXPECT_EQ(Mapped(kBase + "#x"), "about:blank#x");
  EXPECT_EQ(Mapped(kBase + "#"), "about:blank#");
}

TEST(LinkAddress, PercentEncodedUtf8ComesBackAsProgramText) {
  // 创建 in UTF-8 is E5 88 9B E5 BB BA.
  EXPECT_EQ(Mapped(kBase + "%E5%88%9B%E5%BB%BA"), "about:创建");
  EXPECT_EQ(Mapped(kBase + "a%20b"), "about:a b");
  EXPECT_EQ(Mapped(kBase + "50%25"), "about:50%");
  EXPECT_EQ(Mapped(kBase + "a?b=c"), "about:a?b=c");
  EXPECT_EQ(Mapped(kBase + "a%3Fb"), "about:a?b");
  EXPECT_EQ(Mapped(kBase + "x%23y"), "about:x#y");
}

TEST(LinkAddress, WordWithAColonArrivesAsAnUnknownScheme) {
  EXPECT_EQ(Mapped("std::vector"), "about:std::vector");
  EXPECT_EQ(Mapped("a:b"), "about:a:b");
}

TEST(LinkAddress, OwnBaseIsThePageJustWritten) {
  EXPECT_EQ(MapLinkUrl(kBase, kBase).kind, LinkKind::OwnPage);
}

TEST(LinkAddress, OutsidePagesAreLeftToTheBrowser) {
  EXPECT_EQ(MapLinkUrl("http://example.org/", kBase).kind, LinkKind::Outside);
  EXPECT_EQ(MapLinkUrl("HTTPS://example.org/", kBase).kind, LinkKind::Outside);
  EXPECT_EQ(MapLinkUrl("file:///lib/htm/book/a.htm", kBase).kind, LinkKind::Outside);
  EXPECT_EQ(MapLinkUrl("about:blank", kBase).kind, LinkKind::Outside);
  EXPECT_EQ(MapLinkUrl("mailto:x@y", kBase).kind, LinkKind::Outside);
}

TEST(PercentDecode, BrokenEscapesStayAsTheyAre) {
  EXPECT_EQ(PercentDecode("100%"), "100%");
  EXPECT_EQ(PercentDecode("%4"), "%4");
  EXPECT_EQ(PercentDecode("%zz%41"), "%zzA");
  EXPECT_EQ(PercentDecode("%e5%88%9b"), "\xE5\x88\x9B");
}

TEST(FolderFileUrl, RoundTripsThroughTheMapping) {
  const std::string base = FolderFileUrl("/tmp/资料 #1/");
  EXPECT_EQ(MapLinkUrl(base, base).kind, LinkKind::OwnPage);
  const LinkTarget target = MapLinkUrl(base + ".y.3", base);
  EXPECT_EQ(target.kind, LinkKind::Generated);
  EXPECT_EQ(target.address, "about:.y.3");
}

}  // namespace
}  // namespace mivrel
