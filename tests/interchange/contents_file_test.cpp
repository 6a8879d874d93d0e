// Reading help-book tables of contents (".hhc").
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interchange/contents_file.h"

namespace mivrel::testing {
namespace {

std::string Name(const std::string& name) { return "<param name=\"Name\" value=\"" + name + "\">"; }
std::string Local(const std::string& path) { return "<param name=\"Local\" value=\"" + path + "\">"; }

// One line per item: "B " or "P " + parent index + " " + name [+ " " + local].
std::vector<std::string> Shape(const std::vector<ContentsItem>& items) {
  std::vector<std::string> lines;
  for (const ContentsItem& item : items) {
    std::string line = item.kind == ContentsKind::Book ? "B " : "P ";
    line += std::to_string(item.parent) + " " + item.name;
    if (item.kind == ContentsKind::Page) line += " " + item.local;
    lines.push_back(line);
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(ContentsFileTest, AnItemWithANestedListGivesAPageAndABookOfTheSameName) {
  const std::string text = "<HTML><UL>\r\n<LI> <OBJECT type=\"text/sitemap\">" + Name("概述") + Local("a.htm") +
                           "</OBJECT>\r\n<UL><LI><OBJECT>" + Name("细节") + Local("b.htm") +
                           "</OBJECT></UL>\r\n<LI><OBJECT>" + Name("附录") + Local("c.htm") + "</OBJECT></UL>";
  EXPECT_EQ(Shape(ParseContents(text)),
            (Lines{"P -1 概述 a.htm", "B -1 概述", "P 1 细节 b.htm", "P -1 附录 c.htm"}));
}

TEST(ContentsFileTest, TagCaseIsIgnoredButValuesKeepTheirCase) {
  const std::string text = "<ul><PARAM NAME=\"NAME\" VALUE=\"MixedCase\"><Param Name=\"Local\" Value=\"Dir\\Page.HTM\"></ul>";
  EXPECT_EQ(Shape(ParseContents(text)), Lines{"P -1 MixedCase Dir\\Page.HTM"});
}

TEST(ContentsFileTest, OnlyTheExactListAndParameterFormsAreRecognised) {
  const std::string text = "<UL>" + std::string("<param  name=\"Name\" value=\"two blanks\">") + Name("kept") +
                           "<UL class=\"x\">" + Local("a.htm") + "<param name=\"Local\" value=\">" + "</UL >" +
                           "<UL>" + Local("inner.htm") + "</UL></UL>";
  // "<UL class>" and "</UL >" are skipped; a parameter tag too short for a
  // value gives an empty one.
  EXPECT_EQ(Shape(ParseContents(text)), (Lines{"P -1 kept a.htm", "P -1 kept ", "B -1 kept", "P 2  inner.htm"}));
}

TEST(ContentsFileTest, AStrayCloseEndsTheTopListAndUnfinishedTagsEndTheReading) {
  EXPECT_EQ(Shape(ParseContents("<UL>" + Local("a.htm") + "</UL>" + Local("after.htm"))), Lines{"P -1  a.htm"});
  EXPECT_EQ(Shape(ParseContents("<UL>" + Local("a.htm") + "<UL>" + Local("b.htm") + "<param name=\"Local")),
            (Lines{"P -1  a.htm", "B -1 ", "P 1  b.htm"}));
}

TEST(ContentsFileTest, EveryPrefixOfAFileReadsAsAPrefixOfItsItems) {
  const std::string text = "<UL><LI><OBJECT>" + Name("一") + Local("1.htm") + "</OBJECT><UL><LI>" + Name("二") +
                           Local("2.htm") + "<UL>" + Name("三") + Local("3.htm") + "</UL></UL>" + Name("四") +
                           Local("4.htm") + "</UL>";
  const Lines full = Shape(ParseContents(text));
  ASSERT_EQ(full.size(), 6u);
  for (size_t length = 0; length <= text.size(); ++length) {
    const Lines part = Shape(ParseContents(text.substr(0, length)));
    ASSERT_LE(part.size(), full.size()) << length;
    EXPECT_TRUE(std::equal(part.begin(), part.end(), full.begin())) << "prefix of " << length << " bytes";
  }
}

TEST(ContentsFileTest, TenThousandNestedListsAreReadWithoutRecursionAndCapped) {
  std::string text = "<UL>";
  for (int i = 0; i < 10000; ++i) text += Name("L" + std::to_string(i)) + "<UL>";
  text += Name("底") + Local("deep.htm");
  for (int i = 9999; i >= 0; --i) text += "</UL>" + Local("after" + std::to_string(i) + ".htm");
  text += "</UL>";
  const std::vector<ContentsItem> items = ParseContents(text);

  // Books for the first kMaxContentsDepth levels, everything deeper in the last.
  int books = 0;
  for (const ContentsItem& item : items) books += item.kind == ContentsKind::Book;
  EXPECT_EQ(books, kMaxContentsDepth);
  const auto depth_of = [&](int index) {
    int depth = 0;
    for (int up = items[index].parent; up >= 0; up = items[up].parent) ++depth;
    return depth;
  };
  const ContentsItem& last = items.back();
  EXPECT_EQ(last.local, "after0.htm");
  EXPECT_EQ(last.name, "L0");
  EXPECT_EQ(last.parent, -1);
  // The page inside the deepest list keeps its name; a flattened list that
  // closes gives back the name its enclosing list had.
  size_t deep = 0;
  while (items[deep].local != "deep.htm") ++deep;
  EXPECT_EQ(items[deep].name, "底");
  EXPECT_EQ(depth_of(static_cast<int>(deep)), kMaxContentsDepth);
  EXPECT_EQ(items[deep + 1].local, "after9999.htm");
  EXPECT_EQ(items[deep + 1].name, "L9999");

}

TEST(ContentsFileTest, AHugeFileIsReadWhole) {
  std::string text = "<UL>";
  for (int i = 0; i < 100000; ++i) text += "<LI><OBJECT>" + Name("页" + std::to_string(i)) + Local(std::to_string(i) + ".htm") + "</OBJECT>";
  text += "</UL>";
  const std::vector<ContentsItem> items = ParseContents(text);
  ASSERT_EQ(items.size(), 100000u);
  EXPECT_EQ(items.back().local, "99999.htm");
}

TEST(ContentsFileTest, LongNamesAreCutAtACharacterSoMemoryStaysLinearInTheFile) {
  // One 100,000-byte name shared by 5,000 pages would otherwise be copied 5,000 times.
  std::string long_name(99999, 'x');
  long_name += "页页页";  // a two-byte character straddles every cut below 100,000
  std::string text = "<UL>" + Name(long_name);
  for (int i = 0; i < 5000; ++i) text += Local(std::to_string(i));
  text += "</UL>";
  const std::vector<ContentsItem> items = ParseContents(text);
  ASSERT_EQ(items.size(), 5000u);
  size_t name_bytes = 0;
  for (const ContentsItem& item : items) name_bytes += item.name.size();
  EXPECT_LE(name_bytes, 40 * text.size()) << "memory must stay linear in the file";
  EXPECT_EQ(items[0].name.size(), kMaxContentsLabelBytes);

  const std::string chinese = Name(std::string(kMaxContentsLabelBytes - 1, 'a') + "页");
  const std::vector<ContentsItem> cut = ParseContents("<UL>" + chinese + Local("p") + "</UL>");
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].name, std::string(kMaxContentsLabelBytes - 1, 'a')) << "never half a character";
}

}  // namespace
}  // namespace mivrel::testing
