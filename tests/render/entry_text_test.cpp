#include "render/entry_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/gb_chars.h"
#include "base/text.h"
#include "render/colouring.h"
#include "render/output_buffer.h"

namespace mivrel::testing {
namespace {

TEST(ReplaceAllAtCharStartsTest, SkipsOccurrencesInsideACharacter) {
  std::string text = "丄A丄";  // 0x81 0x41 'A' 0x81 0x41
  EXPECT_EQ(ReplaceAllAtCharStarts(text, "A", "[A]"), 1u);
  EXPECT_EQ(text, "丄[A]丄");
}

TEST(ReplaceAllAtCharStartsTest, FourByteCharactersAreOneCharacter) {
  std::string text = "\x81\x30\x81\x30" "0";  // a four-byte character, then "0"
  EXPECT_EQ(ReplaceAllAtCharStarts(text, "0", "o"), 1u);
  EXPECT_EQ(text, "\x81\x30\x81\x30" "o");
}

TEST(ReplaceAllAtCharStartsTest, ReplacesAdjacentHitsWithoutRescanning) {
  std::string text = "aaa";
  EXPECT_EQ(ReplaceAllAtCharStarts(text, "a", "aa"), 3u);
  EXPECT_EQ(text, "aaaaaa");
  std::string none = "xyz";
  EXPECT_EQ(ReplaceAllAtCharStarts(none, "q", "r"), 0u);
  EXPECT_EQ(none, "xyz");
}

TEST(MarkSearchHitsTest, WebTextKeepsItsTagsWhole) {
  std::string web = "<img src=\"img.png\">an img<b>img</b>";
  ASSERT_TRUE(MarkSearchHits(web, "img", HitPlaces::OutsideTags));
  EXPECT_EQ(web, "<img src=\"img.png\">an \x11img\x11<b>\x11img\x11</b>");
  std::string plain = "a<b";
  ASSERT_TRUE(MarkSearchHits(plain, "<"));
  EXPECT_EQ(plain, "a\x11<\x11" "b");
}

TEST(PrepareWebFormatTest, OnlyRelativeSourcesMoveIntoTheFolder) {
  std::string html =
      "<img src=\"a.png\"><img src=\"https://h/b.png\"><img src=\"data:image/png;base64,AA\">"
      "<img src=\"C:\\c.png\"><img src=\"open";
  PrepareWebFormat(html, "file:///f/", {});
  EXPECT_EQ(html,
            "<img src=\"file:///f/a.png\"><img src=\"https://h/b.png\">"
            "<img src=\"data:image/png;base64,AA\"><img src=\"file:///f/C:\\c.png\">"
            "<img src=\"file:///f/open");
}

TEST(PreparePlainFormatTest, EscapesAsTheOrderedReplacementsDo) {
  OutputBuffer out(1);
  PreparePlainFormat("a   b\r\r\n&lt; \"q\" <x>\n", out);
  EXPECT_EQ(out.View(), "a&nbsp;&nbsp; b\r<br>\r\n&amp;lt; \x10q\x10 &lt;x&gt;\n");
}

// The escapes are found sixteen bytes at a time, each lane looking at the
// byte after it: texts of every length around those blocks.
TEST(PreparePlainFormatTest, AgreesWithTheOrderedReplacementsOnRandomTexts) {
  std::mt19937 random(5);
  const std::string alphabet = "  &<>\"\r\nab\x10\xb0\xa1";
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (size_t n = random() % 70; n > 0; --n) text += alphabet[random() % alphabet.size()];
    std::string expected = ReplacedAll(text, "&", "&amp;");
    ReplaceAll(expected, "<", "&lt;");
    ReplaceAll(expected, ">", "&gt;");
    ReplaceAll(expected, "\"", std::string(1, kStringMark));
    ReplaceAll(expected, "  ", "&nbsp;&nbsp;");
    ReplaceAll(expected, "\r\n", "<br>\r\n");
    OutputBuffer out(1);
    PreparePlainFormat(text, out);
    ASSERT_EQ(out.View(), expected) << text;
  }
}

TEST(AppendFinishedTextTest, QuotesAndARuleBeforeEveryHeadingAndNothingElse) {
  std::string page = "page:";
  AppendFinishedText("【参数】a【其他】\x10" "b\x10【说明】【参数】\x10", page);
  EXPECT_EQ(page, "page:" "<hr class=\"hr0\" />【参数】a【其他】&quot;b&quot;<hr class=\"hr0\" />【说明】"
                  "<hr class=\"hr0\" />【参数】&quot;");
}

TEST(AppendFinishedTextTest, HeadingBytesInsideOtherCharactersAreNoHeading) {
  // 0xA1 0xBE is "【"; here 0xA1 is the second byte of 0x81 0xA1.
  const std::string text = "\x81\xa1\xbe\xb2\xce\xca\xfd\xa1\xbf";
  std::string page;
  AppendFinishedText(text, page);
  EXPECT_EQ(page, text);
}

}  // namespace
}  // namespace mivrel::testing
