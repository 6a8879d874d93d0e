#include "shell/search_panes.h"

#include <gtest/gtest.h>

#include <random>

#include "base/text.h"
#include "store/database.h"
#include "store/result_grid.h"

#include "panes_fixture.h"

namespace mivrel::testing {
namespace {

class SearchPanesTest : public PanesFixture {
 protected:
  void AddNamed(const std::vector<std::string>& names) {
    for (const std::string& name : names) lib.AddEntry(name, 0);
  }
};

TEST_F(SearchPanesTest, TypingLetterByLetterRunsOneLookupAfterThePause) {
  AddNamed({"GetTickCount", "getX", "SetParent", "GetDC", "Ge"});
  timer.Advance(kIndexFirstDelayMs);  // the first wait passes with an empty box
  TypeIntoIndex("Get", 100);
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_EQ(IndexStatusCount(), 0);

  timer.Advance(kIndexTypingDelayMs - 100);
  EXPECT_EQ(IndexStatusCount(), 1);
  EXPECT_EQ(Labels(index_list), (std::vector<std::string>{"GetDC", "GetTickCount", "getX"}));
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.Last().id, index_list.items[0].id);
  EXPECT_EQ(opener.Last().record, Record::Yes);
  EXPECT_EQ(opener.Last().sync, SyncTree::Yes);
  EXPECT_EQ(index_list.selected, 0);
  EXPECT_GE(index_box.focus_count, 1);
  EXPECT_FALSE(timer.running);

  timer.Advance(5000);  // stopped: no second lookup
  EXPECT_EQ(IndexStatusCount(), 1);
}

TEST_F(SearchPanesTest, FirstLookupWaitsAFullSecondAfterTheIndexPaneIsCreated) {
  AddNamed({"Sleep"});
  index_box.text = "Sleep";  // e.g. restored before the first tick
  EXPECT_EQ(timer.period_ms, kIndexFirstDelayMs);
  timer.Advance(kIndexFirstDelayMs - 1);
  EXPECT_TRUE(opener.opened.empty());
  timer.Advance(1);
  EXPECT_EQ(opener.opened.size(), 1u);
}

TEST_F(SearchPanesTest, TickWhileALookupRunsDoesNothingAndKeepsTheTimer) {
  AddNamed({"Alpha"});
  int nested_statuses = -1;
  opener.during_open = [&] {
    index_box.SetText("Alp");  // restarts the timer
    panes.IndexTimerTick();    // busy: skipped
    search_box.text = "Alpha";
    panes.RunSearch();         // busy: skipped as well
    nested_statuses = static_cast<int>(ui.status.size());
  };
  index_box.SetText("Alpha");
  timer.Advance(kIndexTypingDelayMs);
  EXPECT_EQ(nested_statuses, 1);  // only the lookup's own status so far
  EXPECT_TRUE(panes.CurrentSearchText().empty());
  EXPECT_TRUE(timer.running);
  EXPECT_FALSE(panes.LookupBusy());
}

TEST_F(SearchPanesTest, ClearingTheIndexBoxRunsNoQueryAndKeepsTheHits) {
  AddNamed({"Sleep"});
  index_box.SetText("Sl");
  timer.Advance(kIndexTypingDelayMs);
  ASSERT_EQ(index_list.Count(), 1);
  const size_t statuses = ui.status.size();
  index_box.SetText("");
  timer.Advance(kIndexTypingDelayMs);
  EXPECT_EQ(ui.status.size(), statuses);
  EXPECT_EQ(index_list.Count(), 1);
  EXPECT_EQ(opener.opened.size(), 1u);
}

TEST_F(SearchPanesTest, StatusTextsGiveBothTimesAndTheRowCount) {
  AddNamed({"Sleep", "SleepEx"});
  clock.step = 3;  // query: start/end readings 3 ms apart, load the same
  Search("Sleep");
  EXPECT_EQ(ui.LastStatus(), "查询化费: 3毫秒，加载化费: 3毫秒，结果数量: 2");
  index_box.SetText("Sleep");
  timer.Advance(kIndexTypingDelayMs);
  EXPECT_EQ(ui.status[ui.status.size() - 1], "查询化费: 3毫秒，加载化费: 3，结果数量: 2");
}

TEST_F(SearchPanesTest, NoRowsClearsTheListWithLoadTimeZero) {
  AddNamed({"Sleep"});
  clock.step = 3;
  Search("Sleep");
  ASSERT_EQ(search_list.Count(), 1);
  Search("nothing-like-this");
  EXPECT_EQ(search_list.Count(), 0);
  EXPECT_TRUE(panes.Rows(ResultPane::Search).empty());
  EXPECT_EQ(ui.LastStatus(), "查询化费: 3毫秒，加载化费: 0毫秒，结果数量: 0");
}

TEST_F(SearchPanesTest, FailingQueryCountsAsNoRows) {
  AddNamed({"Sleep"});
  Search("Sleep");
  ASSERT_EQ(search_list.Count(), 1);
  ASSERT_EQ(lib.Db().Run("DROP TABLE [fun]"), kSqliteOk);
  Search("Sleep");
  EXPECT_EQ(search_list.Count(), 0);
  EXPECT_NE(ui.LastStatus().find("结果数量: 0"), std::string::npos);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearchPanesTest, SearchFindsNameBriefOrContentCaseInsensitively) {
  EntrySpec in_brief;
  in_brief.name = "B";
  in_brief.brief = "uses the WINDOW handle";
  lib.AddEntry(in_brief);
  lib.AddEntry("A", 0, "x = FindWindow(0, 0)");
  lib.AddEntry("Window", 0);
  lib.AddEntry("Other", 0, "nothing");
  Search("window");
  EXPECT_EQ(Labels(search_list), (std::vector<std::string>{"A", "B", "Window"}));
  EXPECT_EQ(panes.CurrentSearchText(), "window");
}

TEST_F(SearchPanesTest, SearchTextWithApostropheIsQuotedAndKeptAsTyped) {
  lib.AddEntry("Quote", 0, "say a'b here");
  lib.AddEntry("Plain", 0, "say ab here");
  EXPECT_NE(SearchQuery("a'b").find("LIKE '%a''b%'"), std::string::npos);
  Search("a'b");
  EXPECT_EQ(Labels(search_list), std::vector<std::string>{"Quote"});
  EXPECT_EQ(panes.CurrentSearchText(), "a'b");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearchPanesTest, WildcardsAndQuotesRunValidQueries) {
  lib.AddEntry("100%", 0);
  lib.AddEntry("a_b", 0);
  lib.AddEntry("axb", 0);
  lib.AddEntry("O'Neil's", 0);
  Search("_");  // a wildcard: everything with at least one character
  EXPECT_EQ(search_list.Count(), 4);
  index_box.SetText("a_");
  timer.Advance(kIndexTypingDelayMs);
  EXPECT_EQ(Labels(index_list), (std::vector<std::string>{"a_b", "axb"}));
  index_box.SetText("O'Neil'");
  timer.Advance(kIndexTypingDelayMs);
  EXPECT_EQ(Labels(index_list), std::vector<std::string>{"O'Neil's"});
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearchPanesTest, EmptySearchDoesNothing) {
  lib.AddEntry("Sleep", 0);
  Search("Sleep");
  const size_t statuses = ui.status.size();
  Search("");
  EXPECT_EQ(ui.status.size(), statuses);
  EXPECT_EQ(panes.CurrentSearchText(), "Sleep");
  EXPECT_EQ(search_list.Count(), 1);
}

TEST_F(SearchPanesTest, ListHoldsAtMost500HitsAndTheStatusCountsAll) {
  {
    TransactionBracket bracket(lib.Db());
    for (int i = 0; i < 800; ++i) lib.AddEntry("Hit" + std::to_string(1000 + i), 0);
  }
  Search("Hit");
  EXPECT_EQ(search_list.Count(), kResultListLimit);
  EXPECT_EQ(panes.Rows(ResultPane::Search).size(), static_cast<size_t>(kResultListLimit));
  EXPECT_NE(ui.LastStatus().find("结果数量: 800"), std::string::npos);
  EXPECT_EQ(search_list.items.front().label, "Hit1000");
  EXPECT_EQ(search_list.items.back().label, "Hit1499");
}

TEST_F(SearchPanesTest, HitsShowEntryImagesAndOpenWhenSelected) {
  EntrySpec e;
  e.name = "Sleep";
  e.icon = 3;
  const int id = lib.AddEntry(e);
  Search("Sleep");
  ASSERT_EQ(search_list.Count(), 1);
  EXPECT_EQ(search_list.items[0].image, 19);
  EXPECT_EQ(search_list.items[0].id, id);
  EXPECT_TRUE(opener.opened.empty());  // the search opens nothing by itself

  search_list.Click(0);
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.Last().id, id);
  EXPECT_EQ(opener.Last().kind, PageKind::Entry);
  EXPECT_EQ(opener.Last().name, "");
  EXPECT_EQ(opener.Last().anchor, "");
}

TEST_F(SearchPanesTest, SelectionInADisabledListIsIgnored) {
  lib.AddEntry("Sleep", 0);
  Search("Sleep");
  search_list.enabled = false;
  search_list.Click(0);
  EXPECT_TRUE(opener.opened.empty());
}

TEST_F(SearchPanesTest, IndexLookupTracesTheQuotedText) {
  index_box.SetText("it's");
  timer.Advance(kIndexTypingDelayMs);
  ASSERT_EQ(trace.lines.size(), 1u);
  EXPECT_EQ(trace.lines[0], "it''s");
}

TEST_F(SearchPanesTest, KeywordHandOverSwitchesToIndexAndLooksUpAtTheNextTick) {
  lib.AddEntry("Sleep", 0);
  timer.Advance(kIndexFirstDelayMs);
  panes.HandOverKeyword("Sleep", tabs);
  ASSERT_EQ(tabs.selections.size(), 1u);
  EXPECT_EQ(tabs.selections[0], SideTab::Index);
  EXPECT_EQ(index_box.text, "Sleep");
  EXPECT_TRUE(opener.opened.empty());
  timer.Advance(kIndexTypingDelayMs);
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(Labels(index_list), std::vector<std::string>{"Sleep"});
}

TEST_F(SearchPanesTest, EmptyKeywordHandOverDoesNothing) {
  panes.HandOverKeyword("", tabs);
  EXPECT_TRUE(tabs.selections.empty());
  EXPECT_EQ(timer.starts, 1);  // only the first wait
}

class ScopeTest : public SearchPanesTest {
 protected:
  ScopeTest() {
    windows = lib.AddCategory("Windows");
    gdi = lib.AddCategory("GDI", windows);
    other = lib.AddCategory("Other");
    // Rows as the tree load makes them: Windows (with its child), ..GDI, Other.
    panes.RefillScopePickers({"显示全部分类", "Windows", "..GDI", "Other"},
                             {"", "[" + std::to_string(windows) + "][" + std::to_string(gdi) + "]",
                              "[" + std::to_string(gdi) + "]", "[" + std::to_string(other) + "]"});
    EntrySpec e;
    e.name = "HitMain";
    e.category = gdi;
    lib.AddEntry(e);
    e.name = "HitThird";
    e.category = other;
    e.category3 = windows;  // filed under Windows only as its second secondary category
    lib.AddEntry(e);
    e.name = "HitSecond";
    e.category = 0;
    e.category2 = other;
    e.category3 = -1;
    lib.AddEntry(e);
    e.name = "HitTop";
    e.category2 = -1;
    lib.AddEntry(e);
  }
  int windows = 0, gdi = 0, other = 0;
};

TEST_F(ScopeTest, RefillSelectsTheFirstRowInBothPickers) {
  EXPECT_EQ(search_scope.rows.size(), 4u);
  EXPECT_EQ(index_scope.rows, search_scope.rows);
  EXPECT_EQ(search_scope.selected, 0);
  EXPECT_EQ(index_scope.selected, 0);
}

TEST_F(ScopeTest, ScopeRowListsItsCategoryAndSubcategoriesIncludingTheThirdCategory) {
  search_scope.SelectRow(1);
  Search("Hit");
  EXPECT_EQ(Labels(search_list), (std::vector<std::string>{"HitMain", "HitThird"}));
  // The status counts every row of the query, listed or not.
  EXPECT_NE(ui.LastStatus().find("结果数量: 4"), std::string::npos);
  search_scope.SelectRow(3);
  panes.OnScopeChanged(ResultPane::Search);
  EXPECT_EQ(Labels(search_list), (std::vector<std::string>{"HitSecond", "HitThird"}));
}

// Only the listed rows are kept; a new scope reads the last query's hits again
// (so memory does not grow with the hits), without a status line of its own.
TEST_F(ScopeTest, BackToAllCategoriesListsTheLastQuerysHitsWithoutANewStatus) {
  search_scope.SelectRow(2);
  Search("Hit");
  EXPECT_EQ(Labels(search_list), std::vector<std::string>{"HitMain"});
  search_box.text = "Other";  // typed, not searched
  const size_t statuses = ui.status.size();
  search_scope.SelectRow(0);
  panes.OnScopeChanged(ResultPane::Search);
  EXPECT_EQ(Labels(search_list),
            (std::vector<std::string>{"HitMain", "HitSecond", "HitThird", "HitTop"}));
  EXPECT_EQ(ui.status.size(), statuses);
}

TEST_F(ScopeTest, IndexPaneHasItsOwnScope) {
  index_scope.SelectRow(3);
  index_box.SetText("Hit");
  timer.Advance(kIndexTypingDelayMs);
  EXPECT_EQ(Labels(index_list), (std::vector<std::string>{"HitSecond", "HitThird"}));
  EXPECT_EQ(opener.Last().id, index_list.items[0].id);
}

TEST_F(ScopeTest, RowWithoutAScopeTextListsNothing) {
  panes.RefillScopePickers({"显示全部分类", "Windows"}, {""});
  search_scope.SelectRow(1);
  Search("Hit");
  EXPECT_EQ(search_list.Count(), 0);
}

TEST_F(SearchPanesTest, IndexQueryUsesTheNameIndexAndGivesTheUnindexedRows) {
  AddNamed({"GetA", "getb", "GETC", "Getz", "Set", "Ge", "Gét", "Get'", "获取"});
  for (const std::string prefix : {"G", "Get", "get", "获", "Get'"}) {
    const std::string sql = IndexQuery(prefix);
    ResultGrid plan;
    ASSERT_GT(lib.Db().Query("EXPLAIN QUERY PLAN " + sql, plan), 0);
    bool uses_index = false;
    for (int r = 1; r <= plan.Rows(); ++r)
      uses_index |= plan.At(r, plan.Columns() - 1).find("mivrel_fun_name") != std::string::npos;
    EXPECT_TRUE(uses_index) << prefix;

    std::string unindexed = sql;
    ReplaceAll(unindexed, "From [fun]", "From [fun] NOT INDEXED");
    ResultGrid fast, slow;
    const int n = lib.Db().Query(sql, fast);
    ASSERT_EQ(n, lib.Db().Query(unindexed, slow)) << prefix;
    for (int r = 1; r <= n; ++r)
      for (int c = 0; c < fast.Columns(); ++c) EXPECT_EQ(fast.At(r, c), slow.At(r, c));
  }
}

// The lookup reads its first hits through name ranges and counts the rest;
// it must list and count exactly what the plain LIKE query gives without any
// index, in every scope, for prefixes of every kind.
TEST_F(ScopeTest, IndexLookupAgreesWithTheUnindexedQuery) {
  std::mt19937 random(3);
  const char* const kStems[] = {"get", "Get", "GET", "gEt", "se", "Se", "a@", "a`", "a[", "A_b",
                                "取", "取文", "x1", "Z", "z", "ge", "getz", "GET2"};
  const int categories[] = {0, windows, gdi, other};
  {
    TransactionBracket bracket(lib.Db());
    for (int i = 0; i < 1500; ++i) {
      EntrySpec e;
      e.name = std::string(kStems[random() % (sizeof kStems / sizeof *kStems)]) +
               std::to_string(random() % 40);
      e.category = categories[random() % 4];
      e.icon = static_cast<int>(random() % 3);
      lib.AddEntry(e);
    }
  }
  const std::vector<std::string> scope_lists = {
      "", "[" + std::to_string(windows) + "][" + std::to_string(gdi) + "]",
      "[" + std::to_string(gdi) + "]", "[" + std::to_string(other) + "]"};
  for (const std::string prefix : {"g", "G", "get", "gE", "Se", "a@", "a`", "A[", "a_", "取", "x1",
                                   "z", "gEtZ", "%e", "nothing", "a'"}) {
    ResultGrid all;
    const int total = lib.Db().Query(
        ReplacedAll(IndexQuery(prefix), "From [fun]", "From [fun] NOT INDEXED"), all);
    for (int scope = 0; scope < 4; ++scope) {
      index_scope.SelectRow(scope);
      index_box.SetText(prefix);
      panes.IndexTimerTick();
      std::vector<int> expected;
      for (int r = 1; r <= total && expected.size() < static_cast<size_t>(kResultListLimit); ++r) {
        const std::string& ids = scope_lists[static_cast<size_t>(scope)];
        bool in = scope == 0;
        for (int c = 3; c <= 5; ++c) in |= ids.find("[" + all.At(r, c) + "]") != std::string::npos;
        if (in) expected.push_back(static_cast<int>(all.Number(r, 0)));
      }
      std::vector<int> listed;
      for (const auto& item : index_list.items) listed.push_back(item.id);
      EXPECT_EQ(listed, expected) << prefix << " scope " << scope;
      EXPECT_NE(ui.LastStatus().find("结果数量: " + std::to_string(total)), std::string::npos) << prefix;
    }
  }
}

}  // namespace
}  // namespace mivrel::testing
