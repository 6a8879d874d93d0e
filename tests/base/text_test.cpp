// Conversions between the program's GB18030 texts and UTF-8, and the byte
// helpers every subsystem shares.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"

namespace mivrel {
namespace {

TEST(TextTest, Gb18030AndUtf8RoundTripEveryCharacter) {
  const std::string gb = "资料 € 😀 abc";
  const std::string utf8 = GbToUtf8(gb);
  EXPECT_EQ(u8"资料 € 😀 abc", utf8);
  EXPECT_EQ(gb, Utf8ToGb(utf8));
}

TEST(TextTest, InvalidBytesAreReplacedAndTheRestSurvives) {
  EXPECT_EQ("a?b资", Utf8ToGb(std::string("a\xFF" "b") + u8"资"));
  EXPECT_EQ("x??", Utf8ToGb("x\xE8\xB5"));  // cut in the middle of a character
  const std::string utf8 = GbToUtf8(std::string("\xFF" "a资"));
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(std::string(u8"\uFFFDa资"), utf8);
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
}

void AppendUtf8(std::string& text, uint32_t code_point) {
  if (code_point < 0x80) {
    text += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    text += static_cast<char>(0xC0 | code_point >> 6);
    text += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    text += static_cast<char>(0xE0 | code_point >> 12);
    text += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | code_point >> 18);
    text += static_cast<char>(0x80 | (code_point >> 12 & 0x3F));
    text += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

// Large texts take another road than small ones; both must give the same
// bytes.  Pieces cut before an ASCII byte convert on their own as inside the
// whole text, so the small pieces' results, joined, are what the whole must be.
TEST(TextTest, LargeTextsConvertAsTheirSmallPiecesDo) {
  std::mt19937 random(9);
  std::vector<std::string> pieces;
  for (uint32_t cp = 0x80; cp < 0x110000; cp += cp < 0x10000 ? 1 : 97) {
    if (pieces.empty() || pieces.back().size() > 4000) pieces.emplace_back();
    AppendUtf8(pieces.back(), cp);  // surrogates included: bad bytes
    if (random() % 4 == 0) pieces.back() += 'a';
    if (random() % 16 == 0) pieces.back() += static_cast<char>(0x80 + random() % 128);
    if (random() % 16 == 0) {
      std::string cut;
      AppendUtf8(cut, 0x800 + random() % 0xF000);
      pieces.back() += cut.substr(0, 1 + random() % 2);
    }
  }
  pieces.back() += "\xE4\xB8";  // a character cut short
  std::string whole;
  std::string expected;
  for (std::string& piece : pieces) {
    piece += 'a';
    whole += piece;
    expected += Utf8ToGb(piece);
  }
  ASSERT_GT(whole.size(), 100000u);
  EXPECT_EQ(Utf8ToGb(whole), expected);
}

TEST(TextTest, NumbersQuotesAndCuts) {
  EXPECT_EQ(14, LeadingNumber("14px"));
  EXPECT_EQ(-5, LeadingNumber(" -5"));
  EXPECT_EQ(0, LeadingNumber("abc"));
  EXPECT_EQ(0, LeadingNumber(""));
  EXPECT_GT(LeadingNumber("99999999999999999999999"), 0);
  EXPECT_EQ(" 5", WithBlank(5));
  EXPECT_EQ(" 0", WithBlank(0));
  EXPECT_EQ("-1", WithBlank(-1));
  EXPECT_EQ("O''Brien''s", QuoteSql("O'Brien's"));
  EXPECT_EQ("ab", CutAtCharBoundary("ab资", 3));
  EXPECT_EQ("ab资", CutAtCharBoundary("ab资", 4));
  EXPECT_EQ("a", CutAtCharBoundary("a😀", 4));
  EXPECT_EQ("aXbXc", ReplacedAll("a--b--c", "--", "X"));
  EXPECT_EQ("GET资A", UpperAscii("get资a"));
  EXPECT_EQ("get资a", LowerAscii("GET资A"));
}

}  // namespace
}  // namespace mivrel
