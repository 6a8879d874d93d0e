// Renaming in place and drag-and-drop moves in the directory tree.
#include <gtest/gtest.h>

#include "base/text.h"
#include "store/database.h"
#include "tree_fixture.h"

namespace mivrel::testing {
namespace {

using Lines = std::vector<std::string>;

class TreeEditTest : public TreeFixture {
 protected:
  std::string EntryName(int id) { return Text("Select [名字] From [fun] where id=" + std::to_string(id)); }
  std::string CategoryName(int id) { return Text("Select [类别名] From [class] where id=" + std::to_string(id)); }
  long long ParentOf(int category) {
    return Number("Select [父类别] From [class] where id=" + std::to_string(category));
  }
  void FailUpdatesOf(const std::string& table) {
    ASSERT_EQ(lib.Db().Run("CREATE TRIGGER [no_update_" + table + "] BEFORE UPDATE ON [" + table +
                           "] BEGIN SELECT RAISE(ABORT, 'locked for test'); END"),
              kSqliteOk);
  }
};

TEST_F(TreeEditTest, RenamingAnEntryStoresApostrophesAndShowsTheNameUnchanged) {
  const int id = lib.AddEntry("old", 0);
  Load();
  const TreeItem item = Item("old");
  ASSERT_TRUE(tree.BeginLabelEdit(item));
  tree.EndLabelEdit(item, "It's 'quoted'");
  EXPECT_EQ(EntryName(id), "It's 'quoted'");
  EXPECT_EQ(view.Label(item), "It's 'quoted'");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TreeEditTest, TheEditBoxHoldsTheNameAloneAndTheCountComesBackAfterwards) {
  const int win = lib.AddCategory("BASIC 类型");
  for (int i = 0; i < 8; ++i) lib.AddEntry("e" + std::to_string(i), win);
  Load();
  const TreeItem item = Item("BASIC 类型");
  view.SelectItem(item);
  ASSERT_EQ(view.Label(item), "BASIC 类型(8)");
  EXPECT_EQ(tree.LabelEditText(item), "BASIC 类型");
  tree.EndLabelEdit(item, "BASIC 类型X");
  EXPECT_EQ(CategoryName(win), "BASIC 类型X");
  EXPECT_EQ(view.Label(item), "BASIC 类型X(8)");
  // What is typed is the name, parentheses and all.
  tree.EndLabelEdit(item, "Win(8)");
  EXPECT_EQ(CategoryName(win), "Win(8)");
  EXPECT_EQ(view.Label(item), "Win(8)(8)");
  const TreeItem entry = view.FirstChild(item);
  EXPECT_EQ(tree.LabelEditText(entry), view.Label(entry));
}

TEST_F(TreeEditTest, ARenamedItemsPageIsShownAgainWithTheNewName) {
  const int cat = lib.AddCategory("旧类");
  lib.AddEntry("旧资料", cat);
  Load();
  const TreeItem category = Item("旧类");
  view.SelectItem(category);
  tree.EndLabelEdit(category, "新类");
  EXPECT_NE(pane.LastPage().find("新类"), std::string::npos);
  const TreeItem entry = Item("旧资料");
  view.SelectItem(entry);
  tree.EndLabelEdit(entry, "新资料");
  EXPECT_NE(pane.LastPage().find("新资料"), std::string::npos);
  EXPECT_EQ(pane.LastPage().find("旧资料"), std::string::npos);
}

TEST_F(TreeEditTest, ARenamedCategoryShowsItsNewNameOnItsPage) {
  const int cat = lib.AddCategory("旧名");
  Load();
  const TreeItem item = Item("旧名");
  view.SelectItem(item);
  tree.EndLabelEdit(item, "新名");
  session.opener().ShowCategoryPage(cat, Record::No, SyncTree::No);
  EXPECT_NE(pane.LastPage().find(">新名</a>"), std::string::npos);
}

TEST_F(TreeEditTest, AFailedRenameIsReportedAndKeepsTheLabel) {
  const int id = lib.AddEntry("keep", 0);
  Load();
  FailUpdatesOf("fun");
  const TreeItem item = Item("keep");
  tree.EndLabelEdit(item, "new'name");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "重命名失败，原因见下面信息：\r\nlocked for test\r\nnew'name");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(view.Label(item), "keep");
  EXPECT_EQ(EntryName(id), "keep");
}

TEST_F(TreeEditTest, TheBinAndExternalItemsCannotBeRenamed) {
  lib.AddCategory("回收站", 0, 34);
  AddBookFile("书", "b.hhc", "<UL><param name=\"Local\" value=\"p.htm\"></UL>");
  Load();
  const TreeItem bin = tree.RecycleBinItem();
  const TreeItem book = Item("书");
  EXPECT_FALSE(tree.BeginLabelEdit(bin));
  EXPECT_FALSE(tree.BeginLabelEdit(book));
  EXPECT_FALSE(tree.BeginLabelEdit(view.FirstChild(book)));

  tree.EndLabelEdit(book, "other");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "这个是外部文件，不可以操作，当然你可以直接打开文件操作。");
  EXPECT_EQ(view.Label(book), "书");

  view.SelectItem(bin);
  tree.RenameSelected();
  view.SelectItem(view.FirstChild(book));
  tree.RenameSelected();
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[1].text, "回收站，不可以操作。");
  EXPECT_EQ(ui.messages[1].icon, MessageIcon::Exclamation);
  EXPECT_EQ(ui.messages[2].text, "这个是外部文件，不可以操作，当然你可以直接打开文件操作。");
  EXPECT_EQ(view.EditingItem(), kNoTreeItem);
}

TEST_F(TreeEditTest, RenameFromTheMenuStartsEditingTheSelectedItem) {
  lib.AddEntry("e", 0);
  Load();
  tree.RenameSelected();
  EXPECT_EQ(view.EditingItem(), kNoTreeItem);
  view.SelectItem(Item("e"));
  tree.RenameSelected();
  EXPECT_EQ(view.EditingItem(), Item("e"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TreeEditTest, ACategoryMovesWithItsSubcategoriesIntoAnother) {
  const int a = lib.AddCategory("A", 0, 0, 1);
  const int b = lib.AddCategory("B", 0, 0, 2);
  const int a1 = lib.AddCategory("A1", a);
  lib.AddCategory("A1x", a1);
  lib.AddEntry("in A1", a1);
  lib.AddEntry("in B", b);
  Load();
  view.SelectItem(Item("A1"));  // loaded before the move: the copy starts unloaded
  ASSERT_EQ(tree.MoveItem(Item("A1(2)"), Item("B")), MoveResult::Moved);
  EXPECT_EQ(ParentOf(a1), b);
  // A was loaded when the page of A1 made the tree follow it; B by the drop.
  EXPECT_EQ(Labels(), (Lines{"A(0)", "B(2)"}));
  const TreeItem moved = view.SelectedItem();
  ASSERT_NE(moved, kNoTreeItem);
  EXPECT_EQ(view.Parent(moved), Item("B(2)"));
  EXPECT_EQ(Labels(Item("B(2)")), (Lines{"in B", "A1(2)"}));
  // Selecting the new item loaded its entries again and showed its page.
  EXPECT_EQ(Labels(moved), (Lines{"in A1", "A1x"}));
  EXPECT_NE(pane.LastPage().find(">A1</a>"), std::string::npos);
  EXPECT_TRUE(view.IsEnabled());
}

TEST_F(TreeEditTest, AnOldParentWhoseEntriesWereNeverLoadedGetsNoCount) {
  const int a = lib.AddCategory("A");
  lib.AddCategory("A1", a);
  lib.AddEntry("in A", a);
  lib.AddCategory("B");
  Load();
  ASSERT_EQ(tree.MoveItem(Item("A1"), Item("B")), MoveResult::Moved);
  EXPECT_EQ(view.Label(Item("A")), "A");
  // A count now would mark it loaded and its entries would never appear.
  view.SelectItem(Item("A"));
  EXPECT_EQ(Labels(Item("A(1)")), Lines{"in A"});
}

TEST_F(TreeEditTest, RefusedDropsBeepAndChangeNothing) {
  const int a = lib.AddCategory("A");
  const int a1 = lib.AddCategory("A1", a);
  lib.AddCategory("A1x", a1);
  lib.AddCategory("回收站", 0, 34);
  AddBookFile("书", "b.hhc", "<UL><param name=\"Local\" value=\"p.htm\"></UL>");
  Load();
  const std::string before = Listing();
  const TreeItem book = Item("书");
  EXPECT_EQ(tree.MoveItem(Item("A"), Item("A")), MoveResult::Refused);
  EXPECT_EQ(tree.MoveItem(Item("A"), Item("A1x")), MoveResult::Refused);
  EXPECT_EQ(tree.MoveItem(Item("A"), book), MoveResult::Refused);
  EXPECT_EQ(tree.MoveItem(Item("A"), view.FirstChild(book)), MoveResult::Refused);
  EXPECT_EQ(tree.MoveItem(Item("A"), kNoTreeItem), MoveResult::Refused);
  EXPECT_EQ(tree.MoveItem(tree.RecycleBinItem(), Item("A")), MoveResult::Refused);
  EXPECT_EQ(tree.MoveItem(book, Item("A")), MoveResult::Refused);
  EXPECT_EQ(ui.beeps, 7);
  EXPECT_EQ(Listing(), before);
  EXPECT_EQ(ParentOf(a), 0);
  EXPECT_EQ(ParentOf(a1), a);
}

TEST_F(TreeEditTest, AnEntryDroppedOnAnEntryGoesRightAfterItInThatCategory) {
  const int a = lib.AddCategory("A");
  const int b = lib.AddCategory("B");
  lib.AddEntry("b1", b);
  lib.AddEntry("b2", b);
  const int moving = lib.AddEntry("moving", a);
  Load();
  view.SelectItem(Item("A"));
  view.SelectItem(Item("B"));
  ASSERT_EQ(tree.MoveItem(Item("moving"), Item("b1")), MoveResult::Moved);
  EXPECT_EQ(Number("Select [类别] From [fun] where id=" + std::to_string(moving)), b);
  EXPECT_EQ(Labels(Item("B(3)")), (Lines{"b1", "moving", "b2"}));
  EXPECT_EQ(view.Label(Item("A(0)")), "A(0)");
  EXPECT_EQ(view.Label(view.SelectedItem()), "moving");
}

TEST_F(TreeEditTest, AnEntryDroppedOnATopLevelEntryBecomesTopLevel) {
  const int a = lib.AddCategory("A");
  lib.AddEntry("top", 0);
  const int moving = lib.AddEntry("moving", a);
  Load();
  session.opener().ShowCategoryPage(0, Record::No, SyncTree::No);  // the home page, now cached
  view.SelectItem(Item("A"));
  ASSERT_EQ(tree.MoveItem(Item("moving"), Item("top")), MoveResult::Moved);
  EXPECT_EQ(Number("Select [类别] From [fun] where id=" + std::to_string(moving)), 0);
  EXPECT_EQ(Labels(), (Lines{"top", "moving", "A(0)"}));
  session.opener().ShowCategoryPage(0, Record::No, SyncTree::No);
  EXPECT_NE(pane.LastPage().find(">moving</a>"), std::string::npos);
}

TEST_F(TreeEditTest, AnEntryDroppedOnTheBinIsFiledIntoTheBin) {
  const int a = lib.AddCategory("A");
  const int bin = lib.AddCategory("回收站", 0, 34);
  const int moving = lib.AddEntry("moving", a);
  Load();
  view.SelectItem(Item("A"));
  ASSERT_EQ(tree.MoveItem(Item("moving"), tree.RecycleBinItem()), MoveResult::Moved);
  EXPECT_EQ(Number("Select [类别] From [fun] where id=" + std::to_string(moving)), bin);
  EXPECT_EQ(Labels(tree.RecycleBinItem()), Lines{"moving"});
  EXPECT_EQ(view.Label(tree.RecycleBinItem()), "回收站(1)");
}

TEST_F(TreeEditTest, AnEntryMovedOutOfASecondaryCategoryLeavesThatOne) {
  const int main_cat = lib.AddCategory("Main");
  const int second = lib.AddCategory("Second");
  const int target = lib.AddCategory("Target");
  const int id = lib.AddEntry(Entry("shared", main_cat, 100, second));
  Load();
  view.SelectItem(Item("Second"));
  ASSERT_EQ(tree.MoveItem(Item("shared"), Item("Target")), MoveResult::Moved);
  const std::string row = " where id=" + std::to_string(id);
  EXPECT_EQ(Number("Select [类别] From [fun]" + row), main_cat);
  EXPECT_EQ(Number("Select [类别2] From [fun]" + row), target);
}

TEST_F(TreeEditTest, AFailedMoveIsReportedAndTheItemStaysWhereItWas) {
  const int a = lib.AddCategory("A");
  lib.AddCategory("B");
  Load();
  FailUpdatesOf("class");
  ASSERT_EQ(tree.MoveItem(Item("A"), Item("B")), MoveResult::Failed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "执行失败，原因见下面信息：\r\nlocked for test");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(Labels(), (Lines{"A", "B(0)"}));
  EXPECT_EQ(ParentOf(a), 0);
  EXPECT_TRUE(view.IsEnabled());
}

}  // namespace
}  // namespace mivrel::testing
