#include "store/contains_function.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "store/database.h"
#include "store/result_grid.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

// mivrel_contains must answer exactly what LIKE '%text%' answers: random texts
// of ASCII letters in both cases, digits, symbols and Chinese, at every length
// around the 16-byte steps of the scan, against needles cut from them.
TEST(ContainsFunctionTest, AgreesWithLikeOnRandomTexts) {
  testing::TestLibrary library;
  Database& db = library.Db();
  std::mt19937 random(11);
  const std::string pieces[] = {"a", "A", "b", "B", "z", "Z", "@", "[", "`", "{", "1", " ",
                                u8"中", u8"文", "'", "\r\n"};
  const auto piece = [&] { return pieces[random() % (sizeof pieces / sizeof *pieces)]; };
  int matches = 0;
  for (int round = 0; round < 300; ++round) {
    // Texts and needles are whole characters: valid UTF-8, as the search hands them over.
    std::vector<std::string> chars;
    const size_t length = random() % 40;
    for (size_t i = 0; i < length; ++i) chars.push_back(piece());
    std::string text;
    for (const std::string& c : chars) text += c;
    std::string needle;
    if (!chars.empty() && random() % 2 == 0) {
      const size_t from = random() % chars.size();
      const size_t count = 1 + random() % 6;
      for (size_t i = from; i < chars.size() && i < from + count; ++i) needle += chars[i];
      for (char& c : needle)
        if (random() % 2 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
    } else {
      needle = piece() + piece();
    }
    if (!ContainsAnswersLike(needle)) continue;
    const std::string quoted_text = "'" + ReplacedAll(text, "'", "''") + "'";
    const std::string quoted_needle = ReplacedAll(needle, "'", "''");
    ResultGrid grid;
    ASSERT_EQ(db.Query(Utf8ToGb("Select " + quoted_text + " LIKE '%" + quoted_needle + "%', " +
                                kContainsFunction + "(" + quoted_text + ",'" + quoted_needle + "')"),
                       grid),
              1);
    EXPECT_EQ(grid.At(1, 0), grid.At(1, 1)) << text << " / " << needle;
    EXPECT_EQ(ContainsFoldingAscii(text, needle), grid.At(1, 0) == "1");
    matches += grid.At(1, 0) == "1";
  }
  EXPECT_GT(matches, 50);  // the needles cut from the texts do match
}

TEST(ContainsFunctionTest, NullNeverMatchesAndWildcardTextsAreLeftToLike) {
  testing::TestLibrary library;
  ResultGrid grid;
  ASSERT_EQ(library.Db().Query(std::string("Select ") + kContainsFunction + "(NULL,'a')", grid), 1);
  EXPECT_EQ(grid.At(1, 0), "0");
  EXPECT_FALSE(ContainsAnswersLike(""));
  EXPECT_FALSE(ContainsAnswersLike("a%b"));
  EXPECT_FALSE(ContainsAnswersLike("a_b"));
  EXPECT_FALSE(ContainsAnswersLike(std::string(60000, 'a')));
  EXPECT_TRUE(ContainsAnswersLike(u8"窗口 a'b"));
}

}  // namespace
}  // namespace mivrel
