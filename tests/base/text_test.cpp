// Conversions between the program's GB18030 texts and UTF-8, and the byte
// helpers every subsystem shares.
#include <gtest/gtest.h>

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
