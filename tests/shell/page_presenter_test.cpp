// Showing built pages: what follows a shown page (tree, history, status,
// cursor) and the search highlight while the 查找 tab shows.
#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "tree_fixture.h"

namespace mivrel::testing {
namespace {

class PagePresenterTest : public TreeFixture {
 protected:
  PageOpener& Opener() { return session.opener(); }
  std::string SelectedLabel() const {
    const TreeItem item = view.SelectedItem();
    return item == kNoTreeItem ? std::string() : view.Label(item);
  }
};

TEST_F(PagePresenterTest, AShownEntryIsRecordedFollowedInTheTreeAndTimedAcrossTheCounterWrap) {
  EntrySpec entry = Entry("甲");
  entry.content = std::string(1230, 'x') + "中文";  // 1230 + 6 bytes of UTF-8
  const int id = lib.AddEntry(entry);
  Load();
  clock.now = 0xFFFFFFF0u;
  clock.step = 7;
  Opener().ShowEntryPage(id, "", Record::Yes, SyncTree::Yes, "a");
  EXPECT_EQ(ui.LastStatus(), "显示内容化费: 7毫秒，占用空间 1236字节");
  EXPECT_FALSE(ui.busy_now);
  EXPECT_EQ(pane.addresses.back(), "about:blank#a");
  EXPECT_EQ(SelectedLabel(), "甲");
  ASSERT_EQ(Recorded().size(), 1u);
  EXPECT_EQ(Recorded()[0].kind, PageKind::Entry);
  EXPECT_EQ(Recorded()[0].id, id);
  EXPECT_EQ(Recorded()[0].title, "甲");

  Opener().ShowCategoryPage(0, Record::No, SyncTree::No);
  Opener().ShowEntryPage(id, "", Record::No, SyncTree::No, "");
  EXPECT_EQ(SelectedLabel(), "");
  EXPECT_EQ(Recorded().size(), 1u);
}

TEST_F(PagePresenterTest, AMissingEntryIsRecordedWithIdZeroAndTheTreeStaysAsItIs) {
  lib.AddEntry("甲", 0);
  Load();
  view.SelectItem(Item("甲"));
  Opener().ShowEntryPage(0, "无此", Record::Yes, SyncTree::Yes, "");
  EXPECT_EQ(SelectedLabel(), "甲");
  ASSERT_EQ(Recorded().size(), 2u);
  EXPECT_EQ(Recorded()[1].id, 0);
  EXPECT_EQ(Recorded()[1].title, "");
  EXPECT_EQ(ui.LastStatus(), "显示内容化费: 0毫秒，占用空间 0字节");
}

TEST_F(PagePresenterTest, CategoryPagesAreTitledWithTheSelectedLabelAndHomeClearsTheSelection) {
  const int top = lib.AddCategory("顶");
  const int child = lib.AddCategory("子", top);
  Load();
  Opener().ShowCategoryPage(child, Record::Yes, SyncTree::Yes);
  EXPECT_EQ(SelectedLabel(), "子(0)");
  EXPECT_EQ(ui.LastStatus(), "显示分类化费: 0毫秒");
  Opener().ShowCategoryPage(0, Record::Yes, SyncTree::Yes);
  EXPECT_EQ(SelectedLabel(), "");
  ASSERT_EQ(Recorded().size(), 2u);
  EXPECT_EQ(Recorded()[0].title, "子(0)");
  EXPECT_EQ(Recorded()[1].title, "全部内容");
  EXPECT_EQ(pane.addresses.back(), "");
  EXPECT_FALSE(ui.busy_now);
}

TEST_F(PagePresenterTest, TheSearchTextIsHighlightedOnlyWhileTheSearchTabShows) {
  const int id = lib.AddEntry("甲", 0, "Sleep 1");
  Load();
  screen.search_input.text = "Sleep";
  session.panes().RunSearch();
  screen.tabs.current = SideTab::Search;
  Opener().ShowEntryPage(id, "", Record::No, SyncTree::No, "");
  EXPECT_NE(pane.LastPage().find("<span class=\"sB\">Sleep</span>"), std::string::npos);
  screen.tabs.current = SideTab::Directory;
  Opener().ShowEntryPage(id, "", Record::No, SyncTree::No, "");
  EXPECT_EQ(pane.LastPage().find("<span class=\"sB\">"), std::string::npos);
}

}  // namespace
}  // namespace mivrel::testing
