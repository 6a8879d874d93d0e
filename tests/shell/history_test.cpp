#include "shell/history.h"

#include <gtest/gtest.h>

#include <string>

namespace mivrel {
namespace {

TEST(HistoryTest, SamePageTwiceIsRecordedOnce) {
  History history;
  EXPECT_TRUE(history.Record(PageKind::Category, 0, "全部内容"));
  EXPECT_FALSE(history.Record(PageKind::Category, 0, "全部内容"));
  ASSERT_EQ(history.BackList().size(), 1u);
  EXPECT_EQ(history.BackList()[0].title, "全部内容");
}

TEST(HistoryTest, EntryAndCategoryWithTheSameIdAreTwoPages) {
  History history;
  history.Record(PageKind::Entry, 5, "Sleep");
  history.Record(PageKind::Category, 5, "Windows");
  ASSERT_EQ(history.BackList().size(), 2u);
  EXPECT_EQ(history.CurrentPage()->kind, PageKind::Category);
  EXPECT_EQ(history.CurrentPage()->id, 5);
}

TEST(HistoryTest, RepeatedPageLeavesForwardListAlone) {
  History history;
  history.Record(PageKind::Category, 0, "");
  history.Record(PageKind::Entry, 1, "a");
  ASSERT_NE(history.StepBack(), nullptr);
  history.Record(PageKind::Category, 0, "");  // the page shown now: not recorded
  EXPECT_EQ(history.ForwardList().size(), 1u);
}

TEST(HistoryTest, NewPageAfterGoingBackEmptiesForwardList) {
  History history;
  for (int id = 1; id <= 5; ++id) history.Record(PageKind::Entry, id, "e");
  for (int i = 0; i < 3; ++i) ASSERT_NE(history.StepBack(), nullptr);
  EXPECT_EQ(history.ForwardList().size(), 3u);
  EXPECT_EQ(history.CurrentPage()->id, 2);

  history.Record(PageKind::Entry, 9, "new");
  EXPECT_TRUE(history.ForwardList().empty());
  EXPECT_EQ(history.StepForward(), nullptr);
  EXPECT_EQ(history.BackList().size(), 3u);
  EXPECT_EQ(history.CurrentPage()->id, 9);
}

TEST(HistoryTest, BackAndForwardMoveRecordsBetweenTheLists) {
  History history;
  history.Record(PageKind::Category, 0, "全部内容");
  history.Record(PageKind::Category, 7, "Windows");
  history.Record(PageKind::Entry, 3, "Sleep");

  const HistoryRecord* back = history.StepBack();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->id, 7);
  EXPECT_EQ(back->kind, PageKind::Category);
  ASSERT_EQ(history.ForwardList().size(), 1u);
  EXPECT_EQ(history.ForwardList().back().title, "Sleep");

  const HistoryRecord* forward = history.StepForward();
  ASSERT_NE(forward, nullptr);
  EXPECT_EQ(forward->id, 3);
  EXPECT_EQ(forward->kind, PageKind::Entry);
  EXPECT_TRUE(history.ForwardList().empty());
  EXPECT_EQ(history.BackList().size(), 3u);
}

TEST(HistoryTest, BackWithOneRecordDoesNothing) {
  History history;
  EXPECT_EQ(history.StepBack(), nullptr);
  EXPECT_EQ(history.CurrentPage(), nullptr);
  history.Record(PageKind::Category, 0, "全部内容");
  EXPECT_EQ(history.StepBack(), nullptr);
  EXPECT_EQ(history.BackList().size(), 1u);
  EXPECT_TRUE(history.ForwardList().empty());
}

TEST(HistoryTest, LongTitleIsCutToFitTheFieldAtACharacterBoundary) {
  // 60 two-byte characters: 120 bytes; 49 of them fit into 99 bytes.
  std::string title;
  for (int i = 0; i < 60; ++i) title += "汉";
  const HistoryRecord record = MakeHistoryRecord(PageKind::Entry, 1, title);
  EXPECT_EQ(record.title.size(), 98u);
  EXPECT_EQ(record.title, title.substr(0, 98));

  // One ASCII byte first: 1 + 49 * 2 = 99 bytes fit exactly.
  const HistoryRecord shifted = MakeHistoryRecord(PageKind::Entry, 1, "a" + title);
  EXPECT_EQ(shifted.title.size(), 99u);

  // A four-byte GB18030 character is never split.
  std::string four(97, 'x');
  four += "\x81\x30\x81\x30";
  EXPECT_EQ(MakeHistoryRecord(PageKind::Entry, 1, four).title, std::string(97, 'x'));

  const std::string fits(99, 'y');
  EXPECT_EQ(MakeHistoryRecord(PageKind::Entry, 1, fits).title, fits);
}

}  // namespace
}  // namespace mivrel
