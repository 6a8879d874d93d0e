#include "render/colouring.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "base/text.h"
#include "render/keyword_sets.h"
#include "render/page_template.h"
#include "settings/settings.h"

namespace mivrel {
namespace {

const std::string kMark(1, kStringMark);
const std::string kHit(1, kHighlightMark);

// Span tags spelled out, so that expectations read like the page.
std::string Open(const char* cls) { return std::string("<span class=\"") + cls + "\">"; }
const std::string kClose = "</span>";
std::string Link(const std::string& word, const char* cls) {
  return "<a href=\"" + word + "\">" + Open(cls) + word + kClose + "</a>";
}

class ColourCodeTest : public ::testing::Test {
 protected:
  ColourCodeTest() : template_(BuildPageTemplate(DefaultSettings())) {}

  void Add(KeywordKind kind, std::initializer_list<const char*> names) {
    for (const char* name : names) keywords_.MutableSet(kind).push_back(name);
    keywords_.SortAll();
  }

  std::string Colour(std::string text, SymbolColouring symbols = SymbolColouring::On) {
    ColourCode(text, keywords_, template_, symbols);
    return text;
  }

  // A plain-text entry as the entry page prepares it: escaped, string quotes
  // as marks, blank pairs as "&nbsp;&nbsp;", each line ending in "<br>".
  static std::string PreparedPlainText(const std::string& plain) {
    std::string text = ReplacedAll(plain, "&", "&amp;");
    ReplaceAll(text, "<", "&lt;");
    ReplaceAll(text, ">", "&gt;");
    ReplaceAll(text, "\"", kMark);
    ReplaceAll(text, "  ", "&nbsp;&nbsp;");
    ReplaceAll(text, "\r\n", "<br>\r\n");
    return text;
  }

  KeywordSets keywords_;
  PageTemplate template_;
};

TEST_F(ColourCodeTest, WorkedDeclareLineIsColouredByteForByte) {
  Add(KeywordKind::Statement, {"DECLARE", "FUNCTION", "LIB", "AS"});
  Add(KeywordKind::Api, {"GETTICKCOUNT"});
  Add(KeywordKind::Type, {"LONG"});
  std::string page =
      Colour(PreparedPlainText("Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n"));
  ReplaceAll(page, kMark, "&quot;");
  EXPECT_EQ(page,
            "<a href=\"Declare\"><span class=\"s0\">Declare</span></a> "
            "<a href=\"Function\"><span class=\"s0\">Function</span></a> "
            "<a href=\"GetTickCount\"><span class=\"s6\">GetTickCount</span></a> "
            "<a href=\"Lib\"><span class=\"s0\">Lib</span></a> "
            "<span class=\"s5\">&quot;kernel32&quot;</span> "
            "<span class=\"s2\">()</span> "
            "<a href=\"As\"><span class=\"s0\">As</span></a> "
            "<a href=\"Long\"><span class=\"s7\">Long</span></a><br>\r\n");
}

TEST_F(ColourCodeTest, LookupIgnoresCaseButLinkKeepsTheTextsCase) {
  Add(KeywordKind::Statement, {"DIM"});
  EXPECT_EQ(Colour("dim x"), Link("dim", "s0") + " x");
  EXPECT_EQ(Colour("DiM"), Link("DiM", "s0"));
}

TEST_F(ColourCodeTest, EachKindHasItsClassAndTheStatementSetWinsTies) {
  Add(KeywordKind::Statement, {"BOTH"});
  Add(KeywordKind::Api, {"BOTH", "SLEEP"});
  Add(KeywordKind::Type, {"INTEGER"});
  Add(KeywordKind::Constant, {"MAX_PATH"});
  EXPECT_EQ(Colour("Both Sleep Integer MAX_PATH"),
            Link("Both", "s0") + " " + Link("Sleep", "s6") + " " + Link("Integer", "s7") + " " +
                Link("MAX_PATH", "s8"));
}

TEST_F(ColourCodeTest, NumbersAreWordsOfDigitsAndDots) {
  EXPECT_EQ(Colour("x = 3.14"), "x " + Open("s2") + "=" + kClose + " " + Open("s3") + "3.14" + kClose);
  EXPECT_EQ(Colour("1.2.3"), Open("s3") + "1.2.3" + kClose);
  EXPECT_EQ(Colour("."), Open("s3") + "." + kClose);
  EXPECT_EQ(Colour("&H10"), "&H10");
  EXPECT_EQ(Colour("10%"), "10%");
  EXPECT_EQ(Colour("x1"), "x1");
}

TEST_F(ColourCodeTest, AdjacentSymbolsJoinOneSpan) {
  EXPECT_EQ(Colour("a+(b)"), "a" + Open("s2") + "+(" + kClose + "b" + Open("s2") + ")" + kClose);
}

TEST_F(ColourCodeTest, SymbolAfterANumberOrStringTakesThatSpan) {
  EXPECT_EQ(Colour("2+"), Open("s3") + "2+" + kClose);
  EXPECT_EQ(Colour(kMark + "a" + kMark + "+"), Open("s5") + kMark + "a" + kMark + "+" + kClose);
}

TEST_F(ColourCodeTest, SymbolSpanTagsInTheTextJoinTheSpanBeforeThemToo) {
  // Web-format HTML may hold the very tag the colouring writes for symbols.
  EXPECT_EQ(Colour("3<span class=\"s2\">x</span>"), Open("s3") + "3x</span>");
  EXPECT_EQ(Colour("</span>+"), "+</span>");
  EXPECT_EQ(Colour("<span class=\"s2\">x"), "<span class=\"s2\">x");
}

TEST_F(ColourCodeTest, SymbolsOffLeavesOperatorsButColoursTheRest) {
  Add(KeywordKind::Statement, {"IF"});
  EXPECT_EQ(Colour("If (x) = " + kMark + "s" + kMark + " ' c", SymbolColouring::Off),
            Link("If", "s0") + " (x) = " + Open("s5") + kMark + "s" + kMark + kClose + " " +
                Open("s1") + "' c");
  EXPECT_EQ(Colour("2+", SymbolColouring::Off), Open("s3") + "2" + kClose + "+");
}

TEST_F(ColourCodeTest, ApostropheCommentRunsToTheLineEnd) {
  EXPECT_EQ(Colour("x = 1 ' note"), "x " + Open("s2") + "=" + kClose + " " + Open("s3") + "1" +
                                        kClose + " " + Open("s1") + "' note");
  // Inside a comment nothing else is coloured; the CR after the "<br>" closes it.
  Add(KeywordKind::Statement, {"DIM"});
  EXPECT_EQ(Colour("' Dim 1+2<br>\r\nDim"),
            Open("s1") + "' Dim 1+2<br>" + kClose + "\r\n" + Link("Dim", "s0"));
}

TEST_F(ColourCodeTest, ApostropheInsideStringOrTagStartsNoComment) {
  EXPECT_EQ(Colour(kMark + "it's" + kMark + " 1"),
            Open("s5") + kMark + "it's" + kMark + kClose + " " + Open("s3") + "1" + kClose);
  EXPECT_EQ(Colour("<a title='x'>y</a>"), "<a title='x'>y</a>");
}

TEST_F(ColourCodeTest, RemStartsACommentOnlyWhenItIsAKeyword) {
  EXPECT_EQ(Colour("Rem note 1"), "Rem note " + Open("s3") + "1" + kClose);
  Add(KeywordKind::Api, {"REM"});
  EXPECT_EQ(Colour("Rem note 1<br>\r\nx"), Open("s1") + "Rem note 1<br>" + kClose + "\r\nx");
}

TEST_F(ColourCodeTest, AsmStartsAnAssemblerLineOnlyWhenItIsAKeyword) {
  Add(KeywordKind::Statement, {"MOV"});
  EXPECT_EQ(Colour("asm mov"), "asm " + Link("mov", "s0"));
  Add(KeywordKind::Statement, {"ASM"});
  // Keywords, numbers, strings and symbols stay plain; ";" opens a comment.
  EXPECT_EQ(Colour("asm mov eax, 1+" + kMark + "s" + kMark + " ; set\r\nmov"),
            Open("s4") + "asm mov eax, 1+" + kMark + "s" + kMark + " " + kClose + Open("s1") +
                "; set" + kClose + "\r\n" + Link("mov", "s0"));
}

TEST_F(ColourCodeTest, AssemblerSpanStaysOpenAcrossTextLines) {
  Add(KeywordKind::Statement, {"ASM", "DIM"});
  EXPECT_EQ(Colour(PreparedPlainText("asm nop\r\nDim x\r\n")),
            Open("s4") + "asm nop<br>\r\n" + Link("Dim", "s0") + " x<br>\r\n");
}

TEST_F(ColourCodeTest, SemicolonOutsideAssemblerIsPartOfTheWord) {
  Add(KeywordKind::Statement, {"DIM"});
  EXPECT_EQ(Colour("Dim;"), "Dim;");
  EXPECT_EQ(Colour("Dim ;"), Link("Dim", "s0") + " ;");
}

TEST_F(ColourCodeTest, KeywordRightBeforeAStringMarkHighlightOrCommentIsNotColoured) {
  Add(KeywordKind::Api, {"MSGBOX"});
  EXPECT_EQ(Colour("MsgBox" + kMark + "hi" + kMark),
            "MsgBox" + Open("s5") + kMark + "hi" + kMark + kClose);
  EXPECT_EQ(Colour("MsgBox" + kHit + "x" + kHit), "MsgBox" + Open("sB") + kHit + "x" + kHit + kClose);
  EXPECT_EQ(Colour("MsgBox'x"), "MsgBox" + Open("s1") + "'x");
  EXPECT_EQ(Colour("MsgBox<br>\r\n"), Link("MsgBox", "s6") + "<br>\r\n");
}

TEST_F(ColourCodeTest, WordsAfterEntitiesRunOnAndAreNotColoured) {
  Add(KeywordKind::Statement, {"DIM"});
  const std::string prepared = PreparedPlainText("x  Dim <Dim &Dim");
  EXPECT_EQ(prepared, "x&nbsp;&nbsp;Dim &lt;Dim &amp;Dim");
  EXPECT_EQ(Colour(prepared), prepared);
}

TEST_F(ColourCodeTest, TagsAreCopiedAndEndWords) {
  Add(KeywordKind::Statement, {"DIM", "B"});
  EXPECT_EQ(Colour("<b>Dim</b> 2"), "<b>" + Link("Dim", "s0") + "</b> " + Open("s3") + "2" + kClose);
}

// An imported page's own link keeps its target: a keyword in its text is
// coloured but not made a second link inside it; after "</a>" words link again.
TEST_F(ColourCodeTest, AKeywordInsideALinkOfTheTextIsColouredButNotLinked) {
  Add(KeywordKind::Api, {"MESSAGEBOX", "SLEEP"});
  EXPECT_EQ(Colour("<a href=\"8_messagebox.htm#sec1\">MessageBox</a> MessageBox"),
            "<a href=\"8_messagebox.htm#sec1\">" + Open("s6") + "MessageBox" + kClose + "</a> " +
                Link("MessageBox", "s6"));
  EXPECT_EQ(Colour("<A\r\nHREF=\"x.htm\"><b>Sleep</b></A> <abbr>Sleep</abbr>"),
            "<A\r\nHREF=\"x.htm\"><b>" + Open("s6") + "Sleep" + kClose + "</b></A> <abbr>" +
                Link("Sleep", "s6") + "</abbr>");
}

TEST_F(ColourCodeTest, SearchHitIsHighlightedAndNothingInsideIsColoured) {
  Add(KeywordKind::Api, {"SLEEP"});
  EXPECT_EQ(Colour("x " + kHit + "Sleep 1+" + kHit + " Sleep"),
            "x " + Open("sB") + kHit + "Sleep 1+" + kHit + kClose + " " + Link("Sleep", "s6"));
}

TEST_F(ColourCodeTest, UnclosedStringEndsAtCrUnlessATagStandsBetween) {
  Add(KeywordKind::Statement, {"DIM"});
  EXPECT_EQ(Colour(kMark + "abc\r\nDim"), Open("s5") + kMark + "abc" + kClose + "\r\n" + Link("Dim", "s0"));
  // After the "<br>" the scan is in plain code again: the span stays open and
  // the next line's spans nest inside it.
  EXPECT_EQ(Colour(kMark + "abc<br>\r\nDim"),
            Open("s5") + kMark + "abc<br>\r\n" + Link("Dim", "s0"));
}

TEST_F(ColourCodeTest, CrInsideATagClosesNothing) {
  EXPECT_EQ(Colour("' c<a\r\nhref=x>\r\ny"), Open("s1") + "' c<a\r\nhref=x>" + kClose + "\r\ny");
}

TEST_F(ColourCodeTest, ChineseBytesEndWords) {
  Add(KeywordKind::Statement, {"DIM"});
  const std::string zhong = Utf8ToGb(u8"中");
  ASSERT_EQ(zhong.size(), 2u);
  EXPECT_EQ(Colour("Dim" + zhong + "Dim"), Link("Dim", "s0") + zhong + Link("Dim", "s0"));
}

TEST_F(ColourCodeTest, WordMayStartAtTheSecondByteOfADoubleByteCharacter) {
  Add(KeywordKind::Statement, {"DIM"});
  // 0x81 0x44 is one GB18030 character whose second byte is the letter "D".
  EXPECT_EQ(Colour("\x81" "Dim x"), "\x81" + Link("Dim", "s0") + " x");
}

TEST_F(ColourCodeTest, OutputGrowsBeyondAnyFixedReserve) {
  Add(KeywordKind::Statement, {"A"});
  std::string text;
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    text += "A -";
    expected += Link("A", "s0") + " " + Open("s2") + "-" + kClose;
  }
  EXPECT_EQ(Colour(text), expected);
  EXPECT_EQ(Colour(std::string(5000, '+')), Open("s2") + std::string(5000, '+') + kClose);
}

TEST_F(ColourCodeTest, EmptyAndPlainTextsComeBackUnchanged) {
  EXPECT_EQ(Colour(""), "");
  EXPECT_EQ(Colour("hello world"), "hello world");
  EXPECT_EQ(Colour(" "), " ");
}

}  // namespace
}  // namespace mivrel
