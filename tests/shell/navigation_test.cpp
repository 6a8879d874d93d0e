#include "shell/navigation.h"

#include <gtest/gtest.h>

#include "panes_fixture.h"

namespace mivrel::testing {
namespace {

class NavigationTest : public PanesFixture {
 protected:
  int AddWebPage(const std::string& name, const std::string& page_name) {
    EntrySpec e;
    e.name = name;
    e.page_name = page_name;
    e.content = "<p>x</p>";
    return lib.AddEntry(e);
  }
  bool NothingHappened() const { return opener.opened.empty() && index_box.text.empty(); }
};

TEST_F(NavigationTest, OutsidePagesAreLeftToTheBrowser) {
  navigator.ResolveNavigation("http://example.org/a.htm");
  navigator.ResolveNavigation("file:///tmp/htm/book/a.htm#x");
  navigator.ResolveNavigation("About:.r.5");  // case-sensitive
  EXPECT_TRUE(NothingHappened());
}

TEST_F(NavigationTest, NotificationsOfWrittenPagesAreIgnored) {
  navigator.ResolveNavigation("about:blank");
  navigator.ResolveNavigation("about:blank?x");
  navigator.ResolveNavigation("about:.r.5about:blank");
  EXPECT_TRUE(NothingHappened());
}

TEST_F(NavigationTest, CategoryLinkShowsCategoryPageRecordedWithTreeFollowing) {
  navigator.ResolveNavigation("about:.r.12");
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.Last().kind, PageKind::Category);
  EXPECT_EQ(opener.Last().id, 12);
  EXPECT_EQ(opener.Last().record, Record::Yes);
  EXPECT_EQ(opener.Last().sync, SyncTree::Yes);
}

TEST_F(NavigationTest, LinkIdThatIsNotANumberIsZero) {
  navigator.ResolveNavigation("about:.r.0");
  navigator.ResolveNavigation("about:.r.abc");
  navigator.ResolveNavigation("about:.y.");
  navigator.ResolveNavigation("about:.y.99999999999999999999");
  navigator.ResolveNavigation("about:.y.42abc");
  ASSERT_EQ(opener.opened.size(), 5u);
  EXPECT_EQ(opener.opened[0].id, 0);
  EXPECT_EQ(opener.opened[1].id, 0);
  EXPECT_EQ(opener.opened[1].kind, PageKind::Category);
  EXPECT_EQ(opener.opened[2].id, 0);
  EXPECT_EQ(opener.opened[2].kind, PageKind::Entry);
  EXPECT_EQ(opener.opened[3].id, 0);
  EXPECT_EQ(opener.opened[4].id, 42);
}

TEST_F(NavigationTest, EntryLinkShowsEntryPageByIdWithoutAnchor) {
  navigator.ResolveNavigation("about:.y.7");
  ASSERT_EQ(opener.opened.size(), 1u);
  const OpenedPage& page = opener.Last();
  EXPECT_EQ(page.kind, PageKind::Entry);
  EXPECT_EQ(page.id, 7);
  EXPECT_EQ(page.name, "");
  EXPECT_EQ(page.record, Record::Yes);
  EXPECT_EQ(page.sync, SyncTree::Yes);
  EXPECT_EQ(page.anchor, "");
}

TEST_F(NavigationTest, WordLinkGoesIntoTheIndexBox) {
  lib.AddEntry("Sleep", 0);
  navigator.ResolveNavigation("about:Sleep");
  EXPECT_EQ(index_box.text, "Sleep");
  ASSERT_EQ(opener.opened.size(), 1u);  // the lookup ran at once and opened its hit
  EXPECT_EQ(index_list.Count(), 1);
}

TEST_F(NavigationTest, InPageAnchorIsLookedUpWithItsHash) {
  navigator.ResolveNavigation("about:blank#x");
  EXPECT_EQ(index_box.text, "#x");
}

TEST_F(NavigationTest, WebPageNameOpensTheEntryAtTheAnchorWithCaseKept) {
  const int upper = AddWebPage("ABC", "abc.HTM");
  AddWebPage("abc", "abc.htm");
  navigator.ResolveNavigation("about:abc.HTM#x");
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.Last().kind, PageKind::Entry);
  EXPECT_EQ(opener.Last().id, upper);
  EXPECT_EQ(opener.Last().name, "");
  EXPECT_EQ(opener.Last().record, Record::Yes);
  EXPECT_EQ(opener.Last().sync, SyncTree::Yes);
  EXPECT_EQ(opener.Last().anchor, "x");
  EXPECT_TRUE(index_box.text.empty());
}

TEST_F(NavigationTest, PageNamesWithQuotesWildcardsOrChineseAreFound) {
  const int quoted = AddWebPage("q", "o'neil.htm");
  const int chinese = AddWebPage("c", "指南.htm");
  AddWebPage("w", "a_b.htm");
  navigator.ResolvePageName("o'neil.htm");
  navigator.ResolvePageName("指南.htm#第一节");
  navigator.ResolvePageName("a%b.htm");  // "%" is no wildcard here
  ASSERT_EQ(opener.opened.size(), 2u);
  EXPECT_EQ(opener.opened[0].id, quoted);
  EXPECT_EQ(opener.opened[1].id, chinese);
  EXPECT_EQ(opener.opened[1].anchor, "第一节");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NavigationTest, UnknownWebPageDoesNothing) {
  navigator.ResolvePageName("missing.htm#top");
  EXPECT_TRUE(NothingHappened());
  EXPECT_TRUE(tabs.selections.empty());
}

TEST_F(NavigationTest, HtmlSuffixOpensAnImportedPageAndIsOtherwiseAWord) {
  const int id = AddWebPage("p", "3_page.html");
  navigator.ResolvePageName("3_page.html#sec");
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0].id, id);
  EXPECT_EQ(opener.opened[0].anchor, "sec");
  navigator.ResolvePageName("page.html");
  EXPECT_EQ(index_box.text, "page.html");
  EXPECT_EQ(opener.opened.size(), 1u);
}

TEST_F(NavigationTest, PageNameSplitsAtTheFirstHashUnlessItLeads) {
  PageNameReference ref = SplitPageName("a#b#c");
  EXPECT_EQ(ref.name, "a");
  EXPECT_EQ(ref.anchor, "b#c");
  ref = SplitPageName("#x");
  EXPECT_EQ(ref.name, "#x");
  EXPECT_EQ(ref.anchor, "");
  ref = SplitPageName("plain");
  EXPECT_EQ(ref.name, "plain");
  EXPECT_EQ(ref.anchor, "");
  EXPECT_TRUE(IsWebPageName("X.Htm"));
  EXPECT_FALSE(IsWebPageName("x.html"));
  EXPECT_FALSE(IsWebPageName("htm"));
}

TEST_F(NavigationTest, OneIndexHitBringsTheDirectoryTabForward) {
  lib.AddEntry("Sleep", 0);
  lib.AddEntry("Beep", 0);
  tabs.current = SideTab::Search;
  navigator.ResolvePageName("Sle");
  ASSERT_EQ(tabs.selections.size(), 1u);
  EXPECT_EQ(tabs.selections[0], SideTab::Directory);
}

TEST_F(NavigationTest, SeveralIndexHitsBringTheIndexTabForward) {
  lib.AddEntry("Sleep", 0);
  lib.AddEntry("SleepEx", 0);
  navigator.ResolvePageName("Sleep");
  ASSERT_EQ(tabs.selections.size(), 1u);
  EXPECT_EQ(tabs.selections[0], SideTab::Index);
}

TEST_F(NavigationTest, NoIndexHitSwitchesToIndexOnlyFromTheSearchTab) {
  navigator.ResolvePageName("Nothing");
  EXPECT_TRUE(tabs.selections.empty());
  tabs.current = SideTab::Search;
  navigator.ResolvePageName("Nothing");
  ASSERT_EQ(tabs.selections.size(), 1u);
  EXPECT_EQ(tabs.selections[0], SideTab::Index);
}

TEST_F(NavigationTest, LookupFromALinkIsSkippedWhileALookupRuns) {
  lib.AddEntry("Alpha", 0);
  lib.AddEntry("Beta", 0);
  bool nested = false;
  opener.during_open = [&] {
    if (nested) return;
    nested = true;
    navigator.ResolvePageName("Beta");  // handled while the first lookup runs
  };
  index_box.SetText("Alpha");
  timer.Advance(kIndexTypingDelayMs);
  // The nested lookup was skipped: the list still holds the first lookup's hit,
  // the box the new word, and the typing timer is armed for it.
  EXPECT_EQ(Labels(index_list), std::vector<std::string>{"Alpha"});
  EXPECT_EQ(index_box.text, "Beta");
  EXPECT_TRUE(timer.running);
  timer.Advance(kIndexTypingDelayMs);
  EXPECT_EQ(Labels(index_list), std::vector<std::string>{"Beta"});
}

TEST_F(NavigationTest, BackAndForwardOverGeneratedPagesAreNotRecordedAgain) {
  history.Record(PageKind::Category, 0, "全部内容");
  history.Record(PageKind::Category, 4, "Windows");
  history.Record(PageKind::Entry, 9, "Sleep");
  pane.address = "about:blank";

  navigator.GoBack();
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.Last().kind, PageKind::Category);
  EXPECT_EQ(opener.Last().id, 4);
  EXPECT_EQ(opener.Last().record, Record::No);
  EXPECT_EQ(opener.Last().sync, SyncTree::Yes);

  navigator.GoForward();
  ASSERT_EQ(opener.opened.size(), 2u);
  EXPECT_EQ(opener.Last().kind, PageKind::Entry);
  EXPECT_EQ(opener.Last().id, 9);
  EXPECT_EQ(opener.Last().record, Record::No);
  EXPECT_EQ(opener.Last().sync, SyncTree::Yes);
  EXPECT_EQ(opener.Last().anchor, "");
  EXPECT_EQ(history.BackList().size(), 3u);
}

TEST_F(NavigationTest, NothingToGoBackOrForwardToDoesNothing) {
  pane.address = "about:blank";
  navigator.GoBack();
  navigator.GoForward();
  history.Record(PageKind::Category, 0, "全部内容");
  navigator.GoBack();
  navigator.GoForward();
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(pane.browser_backs + pane.browser_forwards, 0);
}

TEST_F(NavigationTest, OutsidePageUsesTheBrowsersOwnHistory) {
  history.Record(PageKind::Category, 0, "全部内容");
  history.Record(PageKind::Entry, 9, "Sleep");
  pane.address = "file:///tmp/htm/book/page.htm";
  navigator.GoBack();
  navigator.GoForward();
  EXPECT_EQ(pane.browser_backs, 1);
  EXPECT_EQ(pane.browser_forwards, 1);
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_EQ(history.BackList().size(), 2u);
}

TEST_F(NavigationTest, HomeIsRecordedLikeAnyPage) {
  navigator.GoHome();
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.Last().kind, PageKind::Category);
  EXPECT_EQ(opener.Last().id, 0);
  EXPECT_EQ(opener.Last().record, Record::Yes);
  EXPECT_EQ(opener.Last().sync, SyncTree::Yes);
}

}  // namespace
}  // namespace mivrel::testing
