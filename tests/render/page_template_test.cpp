#include "render/page_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

// The head of every page with the default settings, line by line.
const char kDefaultHead[] =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
    "<html>\r\n"
    "<head>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r\n"
    "<title>帮助</title>\r\n"
    "<Style Type=\"text/css\">\r\n"
    "a{\r\n"
    "    Text-transform:none;\r\n"
    "    Text-decoration:blink;\r\n"
    "    Color:#0000FF;\r\n"
    "}\r\n"
    "a:hover{\r\n"
    "    Color:#FF0000;\r\n"
    "    Text-decoration:underline;}\r\n"
    ".hr0{ height:1px;border:none;border-top:1px dashed #0066CC;}\r\n"
    "body{ Margin-top: 2px;line-height: 150%;background-color: #FFFFE0;\r\n"
    "Font-Size:12pt;font-family:'Arial';color:000;}\r\n"
    "table{Font-Size:12pt;font-family:'Arial';color:#000;line-height: 150%;"
    "Border-collapse:collapse;}\r\n"
    "table, td, th{border:1px solid green;padding:5px;}\r\n"
    "\r\n"
    ".s0 {Color: #0000FF;}\r\n"
    ".s1 {Color: #008000;}\r\n"
    ".s2 {Color: #FF0000;}\r\n"
    ".s3 {Color: #400000;}\r\n"
    ".s4 {Color: #8F8F8F;}\r\n"
    ".s5 {Color: #008B8B;}\r\n"
    ".s6 {Color: #FF00FF;}\r\n"
    ".s7 {Color: #7B68EE;}\r\n"
    ".s8 {Color: #20B2AA;}\r\n"
    ".s9 {Color: #FFFFE0;}\r\n"
    ".sA {Color: #FF0000;}\r\n"
    ".sB {background-color: #F0F;color: #FFF;}\r\n"
    "</Style>\r\n"
    "</head><body>\r\n"
    "<table Width=\"100%\" Border=\"0\" cellpadding=\"5\"><tr><td bgcolor=\"#66CCFF\">"
    "<a href=\".r.0\">主页</a> &gt; ";

Settings DefaultsWith(const std::string& font_name, int font_size) {
  Settings settings = DefaultSettings();
  settings.font_name = font_name;
  settings.font_size = font_size;
  return settings;
}

TEST(PageTemplateTest, DefaultHeadIsTheGoldenText) {
  EXPECT_EQ(BuildPageTemplate(DefaultSettings()).head, kDefaultHead);
}

TEST(PageTemplateTest, HeadEndsInsideTheOpenBarWithoutLineBreak) {
  const PageTemplate page = BuildPageTemplate(DefaultSettings());
  EXPECT_TRUE(EndsWith(page.head, "</a> &gt; "));
  EXPECT_EQ(page.tail, "</body></html>");
}

TEST(PageTemplateTest, SpanTagsNameClassesByOneHexDigitAndAreAllSeventeenBytes) {
  const PageTemplate page = BuildPageTemplate(DefaultSettings());
  const char digits[] = "0123456789AB";
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(page.span_open[k], std::string("<span class=\"s") + digits[k] + "\">") << k;
    EXPECT_EQ(page.span_open[k].size(), 17u) << k;
  }
  EXPECT_EQ(page.span_close, "</span>");
}

TEST(PageTemplateTest, FontNameAndSizeGoIntoBodyAndTableRules) {
  const std::string head = BuildPageTemplate(DefaultsWith("Courier New", 20)).head;
  EXPECT_NE(head.find("\r\nFont-Size:20pt;font-family:'Courier New';color:000;}\r\n"),
            std::string::npos);
  EXPECT_NE(head.find("\r\ntable{Font-Size:20pt;font-family:'Courier New';color:#000;"),
            std::string::npos);
}

TEST(PageTemplateTest, AFontNameThatCouldLeaveTheStyleRuleGivesTheDefaultFont) {
  const std::string fallback = BuildPageTemplate(DefaultSettings()).head;
  for (const std::string& hostile : std::vector<std::string>{
           "x'}</Style><script>alert(1)</script>", "a\"b", "a<b", "a>b", "a{b", "a}b", "a;b", "a\\b",
        std::string("a\nb"), std::string("a\x7f" "b"), std::string("a\0b", 3)}) {
    EXPECT_EQ(BuildPageTemplate(DefaultsWith(hostile, 12)).head, fallback) << hostile;
  }
  // Valid names keep their bytes, Chinese ones and blanks included.
  const std::string head = BuildPageTemplate(DefaultsWith("微软雅黑 Light-2.0", 12)).head;
  EXPECT_NE(head.find("font-family:'微软雅黑 Light-2.0';"), std::string::npos);
}

TEST(PageTemplateTest, ColourTableEntriesBecomeTheirClassColours) {
  Settings settings = DefaultSettings();
  settings.colours[kCodeColour] = ParseColour("0000FF");  // red as the file stores it
  settings.colours[kBackgroundColour] = ParseColour("not hex");
  settings.colours[kCountColour] = ParseColour("123");
  const std::string head = BuildPageTemplate(settings).head;
  EXPECT_NE(head.find(".s0 {Color: #FF0000;}"), std::string::npos);
  EXPECT_NE(head.find("background-color: #000000;\r\n"), std::string::npos);
  EXPECT_NE(head.find(".s9 {Color: #000000;}"), std::string::npos);
  EXPECT_NE(head.find(".sA {Color: #230100;}"), std::string::npos);
}

TEST(PageTemplateTest, FindColourNeverReachesThePage) {
  Settings settings = DefaultSettings();
  settings.colours[kFindColour] = 0x123456;
  EXPECT_EQ(BuildPageTemplate(settings).head, kDefaultHead);
}

TEST(CssColourTest, SwapsTheOuterDigitPairs) {
  EXPECT_EQ(CssColour(ParseColour("EE687B")), "7B68EE");
  EXPECT_EQ(CssColour(ParseColour("123")), "230100");
  EXPECT_EQ(CssColour(ParseColour("FF0000")), "0000FF");
  EXPECT_EQ(CssColour(0), "000000");
  EXPECT_EQ(CssColour(0xABCDEF), "EFCDAB");
  EXPECT_EQ(CssColour(0xFF102030u), "302010");  // only the low 24 bits count
}

// Font sizes outside 7..50 in the settings file reach the page clamped.
class PageTemplateFromFileTest : public ::testing::Test {
 protected:
  std::string HeadForFontSize(const std::string& size) {
    IniFile ini(folder_.Path() + "配置.INI");
    EXPECT_TRUE(ini.Write("显示", "字体大小", size));
    return BuildPageTemplate(LoadSettings(ini, ScreenSize())).head;
  }

  testing::TempFolder folder_;
};

TEST_F(PageTemplateFromFileTest, SizeThreeIsWrittenAsSeven) {
  const std::string head = HeadForFontSize("3");
  EXPECT_NE(head.find("\r\nFont-Size:7pt;"), std::string::npos);
  EXPECT_NE(head.find("table{Font-Size:7pt;"), std::string::npos);
}

TEST_F(PageTemplateFromFileTest, SizeEightyIsWrittenAsFifty) {
  const std::string head = HeadForFontSize("80");
  EXPECT_NE(head.find("\r\nFont-Size:50pt;"), std::string::npos);
  EXPECT_NE(head.find("table{Font-Size:50pt;"), std::string::npos);
}

}  // namespace
}  // namespace mivrel
