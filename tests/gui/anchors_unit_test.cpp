#include "framework/anchors.h"

#include <gtest/gtest.h>

namespace mivrel {
namespace {

EdgeBox Resize(const std::string& text, EdgeBox design, ClientSize from, ClientSize to) {
  AnchorCode code;
  EXPECT_TRUE(ParseAnchorCode(text, code)) << text;
  return ApplyAnchorCode(code, design, from, to);
}

void ExpectBox(const EdgeBox& box, int left, int top, int right, int bottom) {
  EXPECT_EQ(box.left, left);
  EXPECT_EQ(box.top, top);
  EXPECT_EQ(box.right, right);
  EXPECT_EQ(box.bottom, bottom);
}

TEST(AnchorCode, StretchKeepsAllFourMargins) {
  // Design: 10 px from left/top, 20 from right, 30 from bottom of 200 x 100.
  const EdgeBox box = Resize("FL,FT,FR,FB", {10, 10, 180, 70}, {200, 100}, {500, 300});
  ExpectBox(box, 10, 10, 480, 270);
}

TEST(AnchorCode, BottomBarKeepsItsHeightAndStretchesSideways) {
  const EdgeBox box = Resize("FL,FB,FR,FB", {2, 372, 198, 398}, {200, 400}, {260, 500});
  ExpectBox(box, 2, 472, 258, 498);
  EXPECT_EQ(box.bottom - box.top, 26);
}

TEST(AnchorCode, ButtonAtTheRightMovesWithoutResizing) {
  const EdgeBox box = Resize("FR,FT,FR,FT", {162, 2, 198, 26}, {200, 400}, {300, 100});
  ExpectBox(box, 262, 2, 298, 26);
}

TEST(AnchorCode, PercentageMovesAnEdgeByThatShareOfTheChange) {
  const EdgeBox box = Resize("F50,FT,FR,F50", {100, 0, 200, 50}, {200, 100}, {300, 140});
  ExpectBox(box, 150, 0, 300, 70);
}

TEST(AnchorCode, ScaleOnAllEdgesScalesTheControl) {
  const EdgeBox box = Resize("S,S,S,S", {20, 10, 60, 40}, {100, 50}, {200, 150});
  ExpectBox(box, 40, 30, 120, 120);
}

TEST(AnchorCode, ShrinkingWorksTheSameWay) {
  const EdgeBox box = Resize("FL,FT,FR,FB", {10, 10, 180, 70}, {200, 100}, {100, 60});
  ExpectBox(box, 10, 10, 80, 30);
}

TEST(AnchorCode, ScaleWithADesignSizeOfZeroLeavesTheEdge) {
  const EdgeBox box = Resize("S,S,FR,FB", {5, 6, 7, 8}, {0, 0}, {100, 100});
  EXPECT_EQ(box.left, 5);
  EXPECT_EQ(box.top, 6);
}

TEST(AnchorCode, TextsThatAreNotCodesAreRejected) {
  AnchorCode code;
  EXPECT_FALSE(ParseAnchorCode("", code));
  EXPECT_FALSE(ParseAnchorCode("S,S,S", code));    // shorter than 7 characters
  EXPECT_FALSE(ParseAnchorCode("FL,FT,FR", code));  // three items
  EXPECT_FALSE(ParseAnchorCode("FL,FT,FR,FB,FL", code));
  EXPECT_FALSE(ParseAnchorCode("FL,FT,FX,FB", code));
  EXPECT_FALSE(ParseAnchorCode("FL,FT,F,FB", code));
  EXPECT_FALSE(ParseAnchorCode("XL,FT,FR,FB", code));
  EXPECT_FALSE(ParseAnchorCode("F5x,FT,FR,FB", code));
}

TEST(AnchorCode, SevenCharactersIsTheShortestCode) {
  AnchorCode code;
  EXPECT_TRUE(ParseAnchorCode("S,S,S,S", code));
  EXPECT_EQ(code[0].rule, AnchorRule::Scale);
  EXPECT_TRUE(ParseAnchorCode("FL,FT,FR,FB", code));
  EXPECT_EQ(code[2].rule, AnchorRule::Share);
  EXPECT_DOUBLE_EQ(code[2].percent, 100);
  EXPECT_DOUBLE_EQ(code[1].percent, 0);
}

}  // namespace
}  // namespace mivrel
