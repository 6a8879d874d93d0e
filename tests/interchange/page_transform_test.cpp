// Turning an HTML page into an entry's title, brief and content.
#include "interchange/interchange_fixture.h"
#include "interchange/page_transform.h"

namespace mivrel::testing {
namespace {

using namespace std::string_literals;

std::string Page(const std::string& head, const std::string& body) {
  return "<html><head>" + head + "</head>\r\n<BODY bgcolor=\"#fff\">" + body + "</body></html>";
}

TEST(PageTransformTest, KeepsTheBodyWithoutItsFirstScriptAndCompleteObjects) {
  const TransformedPage page = TransformPage(
      Page("<title>标题</title>",
           "<script type=\"a\">one()</script>甲<OBJECT id=1><param></OBJECT>乙"
           "<object x>y</object><SCRIPT LANGUAGE=\"b\">two()</SCRIPT>丙<object z>未完"),
      "5_");
  EXPECT_EQ(page.content, "甲乙<SCRIPT LANGUAGE=\"b\">two()</SCRIPT>丙<object z>未完");
  EXPECT_EQ(page.title, "标题");
}

TEST(PageTransformTest, TitleAndBriefDecodeEntitiesAndTheBriefTakesFiftyCharacters) {
  std::string long_text;
  for (int i = 0; i < 30; ++i) long_text += "字a";
  const TransformedPage page =
      TransformPage(Page("<TITLE>A &amp; B &lt;C&gt;</TITLE>",
                         "<p>&nbsp;&quot;x&quot;</p>\r\n<b>" + long_text + "</b>"),
                    "5_");
  EXPECT_EQ(page.title, "A & B <C>");
  EXPECT_EQ(page.brief, " \"x\"" + long_text.substr(0, 46 / 2 * 3));
  EXPECT_EQ(TransformPage("<body>无标题</body>", "5_").title, "");
}

TEST(PageTransformTest, LinksPointAtThePagePrefixKeepingAnchorsAndWebAddressesBecomeText) {
  const TransformedPage page = TransformPage(
      Page("", "<a href=\"sub/Other.HTM#Sec1\">一</a>"
               "<A HREF=\"http://Example.com/x.htm\" target=_blank>二</a>"
               "<a href='https://example.com/'>三</a>"
               "<a href=\"#top\">四</a><a name=\"top\"></a><a href=\"\">五</a>"
               "<a href=\"..\\dir\\p.htm\">六</a>"),
      "12_");
  EXPECT_EQ(page.content,
            "<a href=\"12_other.htm#Sec1\">一</a>http://Example.com/x.htm二</a>"
            "https://example.com/三</a><a href=\"#top\">四</a><a name=\"top\"></a>五</a>"
            "<a href=\"12_p.htm\">六</a>");
}

TEST(PageTransformTest, ImagesAreServedByFileNameAndTheirSourcesKept) {
  const TransformedPage page = TransformPage(
      Page("", "<IMG SRC=\"../images/Fig1.PNG\" ALT=\"x\"><img alt=\"无源\"><img src=\"\">"
               "<img src='pics/a.png'>尾"s + '\0' + "NUL之后"),
      "5_");
  EXPECT_EQ(page.content,
            "<img src=\"fig1.png\" border=\"0\" ><img src=\"a.png\" border=\"0\" >尾");
  EXPECT_EQ(page.image_sources, (std::vector<std::string>{"../images/Fig1.PNG", "pics/a.png"}));
}

TEST(PageTransformTest, PagesDeclaringUtf8AreConverted) {
  const std::string utf8_body = u8"<body>中文</body>";
  EXPECT_EQ(TransformPage(u8"<meta charset=\"utf-8\">" + utf8_body, "").content, "中文");
  EXPECT_EQ(TransformPage("<META http-equiv=x content=\"text/html; charset=UTF-8\">" + utf8_body, "")
                .content,
            "中文");
  EXPECT_EQ(TransformPage("<meta charset=gbk><body>中文</body>", "").content, "中文");
}

TEST(PageTransformTest, FileNamePartRespectsDoubleByteCharacters) {
  EXPECT_EQ(FileNamePart("C:\\a\\b/c.htm"), "c.htm");
  EXPECT_EQ(FileNamePart("d:x.htm"), "x.htm");
  EXPECT_EQ(FileNamePart("dir/乗.htm"), "乗.htm");  // its second byte is a backslash
}

}  // namespace
}  // namespace mivrel::testing
