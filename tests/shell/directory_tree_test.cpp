// The directory tree's load, lazy entries, scope rows, selection and the
// path walk by which pages make the tree follow them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "base/text.h"
#include "store/database.h"
#include "tree_fixture.h"

namespace mivrel::testing {
namespace {

using Lines = std::vector<std::string>;

class DirectoryTreeTest : public TreeFixture {};

TEST_F(DirectoryTreeTest, RootShowsTopLevelEntriesThenCategoriesThenBooksThenTheBin) {
  const int win = lib.AddCategory("Windows", 0, 3);
  const int bin = lib.AddCategory("回收站", 0, 34);
  lib.AddCategory("旧分类", bin, 5);
  lib.AddCategory("图形", 0, 4, 50);
  lib.AddEntry(Entry("Beta", 0, 10));
  lib.AddEntry(Entry("Alpha", 0, 10));
  lib.AddEntry(Entry("Zulu", 0, 1));
  lib.AddEntry(Entry("Listed twice", win, 100, 0));
  AddBookFile("帮助书", "book.hhc", "<UL><LI><param name=\"Name\" value=\"P\"><param name=\"Local\" value=\"p.htm\"></UL>");
  Load();

  EXPECT_EQ(Labels(), (Lines{"Zulu", "Alpha", "Beta", "Listed twice", "图形", "Windows", "帮助书", "回收站"}));
  EXPECT_EQ(tree.RecycleBinId(), bin);
  EXPECT_EQ(view.Label(tree.RecycleBinItem()), "回收站");
  EXPECT_EQ(Labels(tree.RecycleBinItem()), Lines{"旧分类"});
  EXPECT_EQ(view.Image(tree.RecycleBinItem()), kRecycleBinImage);
  EXPECT_TRUE(view.IsEnabled());
  EXPECT_FALSE(view.IsFrozen());
}

TEST_F(DirectoryTreeTest, WithoutABinCategoryThereIsNoBinItem) {
  lib.AddCategory("A");
  Load();
  EXPECT_EQ(tree.RecycleBinId(), 0);
  EXPECT_EQ(tree.RecycleBinItem(), kNoTreeItem);
  EXPECT_EQ(Labels(), Lines{"A"});
}

TEST_F(DirectoryTreeTest, ABinNestedInACategoryStillBecomesTheLastRootItem) {
  const int a = lib.AddCategory("A");
  const int bin = lib.AddCategory("回收站", a, 34);
  lib.AddCategory("inside", bin);
  Load();
  EXPECT_EQ(Labels(), (Lines{"A", "回收站"}));
  EXPECT_TRUE(Labels(Item("A")).empty());
  EXPECT_EQ(Labels(tree.RecycleBinItem()), Lines{"inside"});
}

TEST_F(DirectoryTreeTest, ItemsCarryTheirKindInTheImage) {
  lib.AddCategory("cat", 0, 7);
  lib.AddCategory("drawn as bin", 0, 34);
  lib.AddCategory("odd icon", 0, 20);
  lib.AddEntry(Entry("entry", 0, 100, -1, -1, 3));
  lib.AddEntry(Entry("odd entry", 0, 100, -1, -1, 40));
  Load();
  EXPECT_EQ(view.Image(Item("cat")), 7);
  EXPECT_EQ(view.Image(Item("entry")), 19);
  EXPECT_EQ(tree.KindOf(Item("entry")), ItemKind::Entry);
  // Out-of-range icons must not turn an item into another kind.
  EXPECT_EQ(view.Image(Item("odd icon")), 0);
  EXPECT_EQ(view.Image(Item("odd entry")), 16);
  // A category with the bin's icon is still an ordinary category.
  EXPECT_EQ(view.Image(Item("drawn as bin")), kRecycleBinImage);
  EXPECT_EQ(tree.KindOf(Item("drawn as bin")), ItemKind::Category);
  EXPECT_TRUE(tree.CanDrag(Item("drawn as bin")));
}

// The tree and scope rows the literal per-level queries give, for comparison.
struct LiteralTree {
  std::string listing;
  std::vector<std::string> rows{"显示全部分类"};
  std::vector<std::string> lists{""};
};

std::string LiteralLevel(Database& db, int parent, int depth, const std::string& prefix, LiteralTree& out) {
  ResultGrid grid;
  const int n = db.Query("Select * From [class] where [父类别]=" + WithBlank(parent) + "  ORDER BY [优先]", grid);
  std::string level;
  for (int r = 1; r <= n; ++r) {
    const std::string name = grid.At(r, 1);
    if (name == "回收站") continue;
    const std::string id = grid.At(r, 0);
    out.listing += std::to_string(depth) + "\t" + grid.At(r, 3) + "\t" + id + "\t" + name + "\n";
    out.rows.push_back(prefix + name);
    out.lists.emplace_back();
    const size_t row = out.rows.size() - 1;
    const std::string inner = LiteralLevel(db, static_cast<int>(grid.Number(r, 0)), depth + 1, prefix + "..", out);
    out.lists[row] = "[" + id + "]" + inner;
    level += "[" + id + "]";
  }
  return level;
}

class CategoryOrderTest : public DirectoryTreeTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CategoryOrderTest, OneReadGivesTheTreeOfThePerLevelQueries) {
  if (!GetParam()) {
    ASSERT_EQ(lib.Db().Run("DROP INDEX IF EXISTS [mivrel_class_parent]"), kSqliteOk);
  }
  // Many ties of 优先, and parents with higher ids than their children (moved
  // categories), as real libraries have.
  std::mt19937 random(7);
  std::vector<int> ids;
  for (int i = 0; i < 300; ++i)
    ids.push_back(lib.AddCategory("c" + std::to_string(i), 0, static_cast<int>(random() % 16),
                                  static_cast<int>(random() % 3)));
  std::vector<int> order = ids;
  std::shuffle(order.begin(), order.end(), random);
  for (size_t i = 1; i < order.size(); ++i) {
    const int parent = (random() % 4 == 0) ? 0 : order[random() % i];
    ASSERT_EQ(lib.Db().Run("UPDATE class SET [父类别]=" + std::to_string(parent) + " WHERE id=" +
                           std::to_string(order[i])),
              kSqliteOk);
  }
  LiteralTree literal;
  const std::string top = LiteralLevel(lib.Db(), 0, 0, "", literal);

  std::vector<std::string> heard_rows;
  tree.SetScopeListener([&](const ScopeList& scopes) { heard_rows = scopes.rows; });
  Load();
  EXPECT_EQ(Listing(), literal.listing);
  EXPECT_EQ(tree.Scopes().rows, literal.rows);
  EXPECT_EQ(tree.Scopes().id_lists, literal.lists);
  EXPECT_EQ(heard_rows, literal.rows);

  view.DeleteAllItems();
  EXPECT_EQ(tree.LoadCategoryLevel(0, kNoTreeItem, ""), top);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutIndex, CategoryOrderTest, ::testing::Bool());

TEST_F(DirectoryTreeTest, ScopeRowsListEachCategoryWithItsDirectChildren) {
  const int a = lib.AddCategory("A", 0, 0, 1);
  const int a1 = lib.AddCategory("A1", a);
  const int a1x = lib.AddCategory("A1x", a1);
  const int a2 = lib.AddCategory("A2", a);
  const int b = lib.AddCategory("B", 0, 0, 2);
  const int bin = lib.AddCategory("回收站", 0, 34, 3);
  const int old = lib.AddCategory("old", bin);
  int calls = 0;
  tree.SetScopeListener([&](const ScopeList&) { ++calls; });
  Load();
  const auto id = [](int n) { return "[" + std::to_string(n) + "]"; };
  EXPECT_EQ(tree.Scopes().rows, (Lines{"显示全部分类", "A", "..A1", "....A1x", "..A2", "B", "old"}));
  EXPECT_EQ(tree.Scopes().id_lists,
            (Lines{"", id(a) + id(a1) + id(a2), id(a1) + id(a1x), id(a1x), id(a2), id(b), id(old)}));
  Load();
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(tree.Scopes().rows.size(), 7u);
}

TEST_F(DirectoryTreeTest, ADeepChainOfCategoriesLoadsInLinearMemory) {
  // Each level's picker label carries the dots of its depth; a chain 20,000
  // levels deep must not carry 20,000 levels of dots per row.
  constexpr int kLevels = 20000;
  ASSERT_EQ(lib.Db().Run("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" +
                         std::to_string(kLevels) +
                         ") INSERT INTO class ([ID],[类别名],[父类别],[图标],[优先]) SELECT i,'c'||i,i-1,0,100 FROM n"),
            kSqliteOk);
  Load();
  const ScopeList& scopes = tree.Scopes();
  ASSERT_EQ(scopes.rows.size(), static_cast<size_t>(kLevels) + 1);
  size_t label_bytes = 0;
  for (const std::string& row : scopes.rows) label_bytes += row.size();
  EXPECT_LT(label_bytes, static_cast<size_t>(kLevels) * 300);
  EXPECT_EQ(scopes.rows[2], "..c2");
  EXPECT_EQ(scopes.rows[kLevels], std::string(2 * kMaxScopeIndentLevels, '.') + "c" + std::to_string(kLevels));
}

TEST_F(DirectoryTreeTest, ACycleOfParentsEndsTheWalk) {
  const int a = lib.AddCategory("A");
  const int b = lib.AddCategory("B", a);
  ASSERT_EQ(lib.Db().Run("UPDATE class SET [父类别]=" + std::to_string(b) + " WHERE id=" + std::to_string(a)),
            kSqliteOk);
  const int self = lib.AddCategory("self");
  ASSERT_EQ(lib.Db().Run("UPDATE class SET [父类别]=id WHERE id=" + std::to_string(self)), kSqliteOk);
  lib.AddCategory("normal");
  Load();
  EXPECT_EQ(Labels(), Lines{"normal"});
  EXPECT_EQ(tree.LoadCategoryLevel(a, kNoTreeItem, ""), "[" + std::to_string(b) + "]");
  EXPECT_EQ(tree.LoadCategoryLevel(self, kNoTreeItem, ""), "");
}

TEST_F(DirectoryTreeTest, SelectingACategoryLoadsItsEntriesOnceAboveItsSubcategories) {
  const int win = lib.AddCategory("Windows");
  lib.AddCategory("子分类", win);
  lib.AddEntry(Entry("Zeta", win, 5));
  lib.AddEntry(Entry("Beta", win, 5));
  lib.AddEntry(Entry("Secondary", 0, 200, -1, win));
  Load();
  const TreeItem item = Item("Windows");
  EXPECT_EQ(Labels(item), Lines{"子分类"});

  clock.step = 2;
  view.SelectItem(item);
  EXPECT_EQ(view.Label(item), "Windows(4)");
  EXPECT_EQ(Labels(item), (Lines{"Beta", "Zeta", "Secondary", "子分类"}));
  EXPECT_TRUE(view.IsExpanded(item));
  ASSERT_EQ(pane.pages.size(), 1u);
  EXPECT_NE(pane.LastPage().find(">Windows</a>"), std::string::npos);
  ASSERT_EQ(Recorded().size(), 1u);
  EXPECT_EQ(Recorded()[0].kind, PageKind::Category);
  EXPECT_EQ(Recorded()[0].id, win);
  // The query and the insert are each measured between two readings of the
  // ticking clock; the page time spans the presenter's own readings too.
  const std::string status = ui.LastStatus();
  const std::string lead = "查询化费: 2毫秒，加载化费: 2毫秒，显示化费: ";
  ASSERT_TRUE(StartsWith(status, lead)) << GbToUtf8(status);
  EXPECT_GE(LeadingNumber(status.substr(lead.size())), 2);

  view.SelectItem(Item("子分类"));
  view.SelectItem(item);
  EXPECT_EQ(view.Label(item), "Windows(4)");
  EXPECT_EQ(view.ChildCount(item), 4);
  EXPECT_EQ(pane.pages.size(), 3u);
}

TEST_F(DirectoryTreeTest, ACategoryWhoseNameEndsWithAParenthesisStillLoads) {
  const int nt = lib.AddCategory("Windows(NT)");
  lib.AddEntry("CreateFile", nt);
  Load();
  const TreeItem item = Item("Windows(NT)");
  view.SelectItem(item);
  EXPECT_EQ(Labels(item), Lines{"CreateFile"});
  EXPECT_EQ(view.Label(item), "Windows(NT)(1)");
  EXPECT_EQ(tree.LabelWithoutCount(item), "Windows(NT)");
}

TEST_F(DirectoryTreeTest, SelectingAnEntryShowsItsPageWithoutMovingTheTree) {
  const int id = lib.AddEntry("GetTickCount", 0, "返回毫秒数");
  Load();
  view.SelectItem(Item("GetTickCount"));
  ASSERT_EQ(pane.pages.size(), 1u);
  EXPECT_NE(pane.LastPage().find("返回毫秒数"), std::string::npos);
  ASSERT_EQ(Recorded().size(), 1u);
  EXPECT_EQ(Recorded()[0].kind, PageKind::Entry);
  EXPECT_EQ(Recorded()[0].id, id);
}

TEST_F(DirectoryTreeTest, SelectionReportsAreIgnoredWhileTheTreeIsDisabled) {
  lib.AddEntry("x", 0);
  Load();
  view.Disable();
  view.SelectItem(Item("x"));
  EXPECT_TRUE(pane.pages.empty());
}

TEST_F(DirectoryTreeTest, SelectItemByPathTellsAnEntryFromACategoryOfTheSameId) {
  const int cat = lib.AddCategory("分类一");
  const int entry = lib.AddEntry("资料一", 0);
  ASSERT_EQ(cat, entry);
  Load();
  const std::string path = std::to_string(cat);
  EXPECT_EQ(tree.SelectItemByPath(path, PageKind::Category), Item("分类一"));
  EXPECT_EQ(tree.SelectItemByPath(path, PageKind::Entry), Item("资料一"));
  EXPECT_EQ(tree.SelectItemByPath(path + std::string(1, '\0'), PageKind::Category), Item("分类一"));
}

TEST_F(DirectoryTreeTest, SelectItemByPathLoadsTheCategoriesOnTheWayWithoutShowingPages) {
  const int a = lib.AddCategory("A");
  const int b = lib.AddCategory("B", a);
  lib.AddEntry("in A", a);
  const int deep = lib.AddEntry("in B", b);
  Load();
  const std::string path = std::to_string(a) + '\0' + std::to_string(b) + '\0' + std::to_string(deep);
  const TreeItem found = tree.SelectItemByPath(path, PageKind::Entry);
  ASSERT_NE(found, kNoTreeItem);
  EXPECT_EQ(view.Label(found), "in B");
  EXPECT_EQ(view.Label(Item("A(2)")), "A(2)");
  EXPECT_EQ(view.Label(view.Parent(found)), "B(1)");
  EXPECT_TRUE(pane.pages.empty());
  EXPECT_FALSE(tree.SelectionSuppressed());

  EXPECT_EQ(tree.SelectItemByPath(std::to_string(a) + '\0' + "999", PageKind::Category), kNoTreeItem);
  EXPECT_EQ(tree.SelectItemByPath("", PageKind::Category), kNoTreeItem);
}

TEST_F(DirectoryTreeTest, AShownEntryPageSelectsItsItemWithoutShowingItAgain) {
  const int a = lib.AddCategory("A");
  const int id = lib.AddEntry("深处", a);
  Load();
  session.opener().ShowEntryPage(id, "", Record::Yes, SyncTree::Yes, "");
  ASSERT_NE(view.SelectedItem(), kNoTreeItem);
  EXPECT_EQ(view.Label(view.SelectedItem()), "深处");
  EXPECT_EQ(pane.pages.size(), 1u);
  EXPECT_EQ(Recorded().size(), 1u);

  session.opener().ShowCategoryPage(0, Record::Yes, SyncTree::Yes);
  EXPECT_EQ(view.SelectedItem(), kNoTreeItem);
}

TEST_F(DirectoryTreeTest, AReloadForgetsLoadedMarksAndCachedPages) {
  const int a = lib.AddCategory("A");
  lib.AddEntry("one", a);
  Load();
  view.SelectItem(Item("A"));
  const std::string before = pane.LastPage();
  lib.AddEntry("two", a);
  Load();
  EXPECT_EQ(Labels(), Lines{"A"});
  view.SelectItem(Item("A"));
  EXPECT_EQ(Labels(Item("A(2)")), (Lines{"one", "two"}));
  EXPECT_NE(pane.LastPage(), before);
  EXPECT_NE(pane.LastPage().find("two"), std::string::npos);
}

TEST_F(DirectoryTreeTest, ExternalBooksListTheirContentsAndShowTheirPages) {
  AddBookFile("手册", "Contents.HHC",
              "<UL>\r\n<LI><OBJECT><param name=\"Name\" value=\"第一章\"><param name=\"Local\" "
              "value=\"html\\ch1.htm#top\"></OBJECT>\r\n<UL><LI><param name=\"Name\" value=\"小节\">"
              "<param name=\"Local\" value=\"s.htm\"></UL></UL>");
  AddBookFile("无目录", "page.htm", "<html></html>");
  Load();
  EXPECT_EQ(Labels(), Lines{"手册"});
  const TreeItem book = Item("手册");
  EXPECT_EQ(view.Image(book), kExternalBookImage);
  EXPECT_EQ(Labels(book), (Lines{"第一章", "第一章"}));

  const TreeItem page = view.FirstChild(book);
  view.SelectItem(page);
  ASSERT_EQ(pane.navigations.size(), 1u);
  EXPECT_EQ(pane.navigations[0], "file://" + lib.Folder() + "htm/手册/html/ch1.htm#top");
  EXPECT_TRUE(Recorded().empty());

  view.SelectItem(book);
  const PageTemplate& frame = pages.Template();
  EXPECT_EQ(pane.LastPage(), frame.head +
                                 "手册</td></tr></table><br><table Width=\"80%\" cellpadding=\"3\" >\r\n"
                                 "  <tr>\r\n    <td >第一章</td>\r\n  </tr>\r\n"
                                 "  <tr>\r\n    <td >第一章</td>\r\n  </tr>\r\n\r\n</table>" +
                                 frame.tail);
  EXPECT_EQ(pane.addresses.back(), "");

  view.SelectItem(Item("小节"));
  view.SelectItem(view.NextSibling(page));  // the sub-book of the same name
  EXPECT_EQ(pane.pages.size(), 2u);
  EXPECT_NE(pane.LastPage().find("<td >小节</td>"), std::string::npos);
}

TEST_F(DirectoryTreeTest, AnEmptyBookShowsJustItsName) {
  AddBookFile("空书", "x.hhc", "no list here");
  Load();
  view.SelectItem(Item("空书"));
  EXPECT_EQ(pane.LastPage(), "空书");
}

TEST_F(DirectoryTreeTest, PageNumbersStartOverOnEveryLoad) {
  AddBookFile("b", "b.hhc", "<UL><param name=\"Local\" value=\"1.htm\"><param name=\"Local\" value=\"2.htm\"></UL>");
  Load();
  Load();
  EXPECT_EQ(tree.ExternalPages().Count(), 2);
  EXPECT_EQ(view.Id(view.FirstChild(Item("b"))), 1);
}

TEST_F(DirectoryTreeTest, ThousandsOfBooksLoad) {
  for (int i = 0; i < 2000; ++i)
    AddBookFile("book" + std::to_string(i), "t.hhc", "<UL><param name=\"Name\" value=\"p\"><param name=\"Local\" value=\"p.htm\"></UL>");
  Load();
  EXPECT_EQ(Labels().size(), 2000u);
  EXPECT_EQ(tree.ExternalPages().Count(), 2000);
}

}  // namespace
}  // namespace mivrel::testing
