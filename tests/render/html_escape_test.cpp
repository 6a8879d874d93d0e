#include "render/html_escape.h"

#include <gtest/gtest.h>

namespace mivrel {
namespace {

TEST(EscapeHtmlTextTest, MarkupCharactersBecomeEntities) {
  EXPECT_EQ(EscapeHtmlText("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
}

TEST(EscapeHtmlTextTest, AmpersandIsEscapedFirstSoExistingEntitiesStayVisible) {
  EXPECT_EQ(EscapeHtmlText("&lt;"), "&amp;lt;");
  EXPECT_EQ(EscapeHtmlText("&nbsp;"), "&amp;nbsp;");
}

TEST(EscapeHtmlTextTest, BlankPairsFromTheLeftAndAnOddBlankStays) {
  EXPECT_EQ(EscapeHtmlText("a b"), "a b");
  EXPECT_EQ(EscapeHtmlText("a  b"), "a&nbsp;&nbsp;b");
  EXPECT_EQ(EscapeHtmlText("a   b"), "a&nbsp;&nbsp; b");
  EXPECT_EQ(EscapeHtmlText("    "), "&nbsp;&nbsp;&nbsp;&nbsp;");
}

TEST(EscapeHtmlTextTest, OnlyCrLfBecomesALineBreak) {
  EXPECT_EQ(EscapeHtmlText("a\r\nb"), "a<br>b");
  EXPECT_EQ(EscapeHtmlText("a\rb\nc\n\r"), "a\rb\nc\n\r");
  EXPECT_EQ(EscapeHtmlText("\r\r\n\n"), "\r<br>\n");
}

TEST(EscapeHtmlTextTest, ChineseTextPassesUnchanged) {
  EXPECT_EQ(EscapeHtmlText("函数 <列表>"), "函数 &lt;列表&gt;");
  EXPECT_EQ(EscapeHtmlText(""), "");
}

}  // namespace
}  // namespace mivrel
