#include "shell/delete_command.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "shell/history.h"
#include "store/deletion.h"
#include "support/job_doubles.h"
#include "tree_fixture.h"

namespace mivrel::testing {
namespace {

class DeleteCommandTest : public TreeFixture {
 protected:
  DeleteCommandTest()
      : history(session.history()),
        command(lib.Db(), ui, tree, history, settings, jobs.runner, [this] { ++backup_checks; }) {}

  // Selects the item, which shows its page and makes it the current one.
  void Show(const std::string& label) { view.SelectItem(Item(label)); }
  std::string SelectedLabel() {
    const TreeItem item = view.SelectedItem();
    return item == kNoTreeItem ? std::string() : view.Label(item);
  }
  long long Count(const std::string& table) { return Number("Select count(*) From [" + table + "]"); }

  History& history;
  JobHarness jobs;
  int backup_checks = 0;
  DeleteCommand command;
};

TEST_F(DeleteCommandTest, TheHomePageIsRefused) {
  lib.AddEntry("a", 0);
  Load();
  history.Record(PageKind::Category, 0, "全部内容");
  command.Run();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "亲，主页是不可以删除的哦！");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(Count("fun"), 1);
}

TEST_F(DeleteCommandTest, TheFirstRecycleMakesTheBinLastAndSelectsTheNeighbour) {
  const int tools = lib.AddCategory("工具");
  const int entry = lib.AddEntry("first", tools);
  lib.AddEntry("second", tools);
  lib.AddCategory("其他");
  Load();
  view.SelectItem(Item("工具"));
  Show("second");
  command.Run();
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_GT(tree.RecycleBinId(), 0);
  EXPECT_EQ(Labels().back(), "回收站(1)");
  EXPECT_EQ(Labels(tree.RecycleBinItem()), (std::vector<std::string>{"second"}));
  EXPECT_EQ(SelectedLabel(), "first");
  EXPECT_EQ(Number("Select [类别] From [fun] where [名字]='second'"), tree.RecycleBinId());
  EXPECT_EQ(Number("Select [类别] From [fun] where id=" + std::to_string(entry)), tools);
  EXPECT_EQ(backup_checks, 0);
}

TEST_F(DeleteCommandTest, AnEntryAlreadyInTheBinIsNotListedThereTwice) {
  EntrySpec entry_row;
  entry_row.name = "twice";
  entry_row.category2 = 0;  // also listed at the top level
  lib.AddEntry(entry_row);
  lib.AddEntry("other", 0);
  Load();
  Show("twice");
  command.Run();
  EXPECT_EQ(Labels(tree.RecycleBinItem()), (std::vector<std::string>{"twice"}));
  Load();  // the top level lists it again through its secondary category
  view.SelectItem(tree.RecycleBinItem());
  TreeItem top_level = view.FirstChild(kNoTreeItem);
  while (top_level != kNoTreeItem && view.Label(top_level) != "twice") top_level = view.NextSibling(top_level);
  ASSERT_NE(top_level, kNoTreeItem);
  view.SelectItem(top_level);
  command.Run();
  EXPECT_EQ(Labels(tree.RecycleBinItem()), (std::vector<std::string>{"twice"}));
  EXPECT_EQ(Labels().front(), "other");
  EXPECT_NE(Labels()[1], "twice");
}

TEST_F(DeleteCommandTest, DeletingInsideTheBinAsksAndRemovesForGoodWithImages) {
  const int tools = lib.AddCategory("工具");
  const int entry = lib.AddEntry("gone", tools);
  lib.AddImage(entry, "a.png", "png");
  lib.AddEntry("stays", tools);
  Load();
  view.SelectItem(Item("工具"));
  Show("gone");
  command.Run();  // into the bin
  view.SelectItem(tree.RecycleBinItem());
  Show("gone");
  ui.answers = {MessageAnswer::No};
  command.Run();
  EXPECT_EQ(Count("fun"), 2);
  ui.answers = {MessageAnswer::Yes};
  command.Run();
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0].text, "你确定要删除这个资料吗？\r\ngone");
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(ui.messages[2].text, "执行成功！！！");
  EXPECT_EQ(ui.messages[2].icon, MessageIcon::Information);
  EXPECT_EQ(Count("fun"), 1);
  EXPECT_EQ(Count("img"), 0);
  EXPECT_FALSE(HasItem("gone"));
  EXPECT_EQ(backup_checks, 1);
  EXPECT_EQ(jobs.views.record.opened, 1);
  EXPECT_EQ(jobs.views.record.closed, 1);
  EXPECT_EQ(jobs.views.record.captions.front(), "删除中....请稍后....");
}

TEST_F(DeleteCommandTest, DeletingTheBinForgetsItAndTheNextRecycleMakesANewOne) {
  lib.AddEntry("a", 0);
  lib.AddEntry("b", 0);
  Load();
  Show("a");
  command.Run();
  view.SelectItem(tree.RecycleBinItem());
  ui.answers = {MessageAnswer::Yes};
  command.Run();
  EXPECT_EQ(ui.messages[0].text,
            "你确定要删除这个分类吗？\r\n回收站\r\n将一同删除此类中所有子分类，子分类\r\n"
            "中的子分类和所属于上面任意分类的资料档。");
  EXPECT_EQ(ui.messages[1].text, "执行成功！！！\r\n已删除了分类的数量： 1\r\n已删除了资料档数量： 1");
  EXPECT_EQ(tree.RecycleBinId(), 0);
  EXPECT_EQ(tree.RecycleBinItem(), kNoTreeItem);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"b"}));
  Show("b");
  command.Run();
  EXPECT_GT(tree.RecycleBinId(), 0);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"回收站(1)"}));
}

TEST_F(DeleteCommandTest, WithTheBinOffATopCategoryGoesForGoodAndItsSiblingIsShown) {
  settings.use_recycle_bin = false;
  lib.AddCategory("甲");
  const int empty = lib.AddCategory("空");
  lib.AddCategory("子", empty);
  Load();
  Show("空");
  ui.answers = {MessageAnswer::Yes};
  command.Run();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "执行成功！！！\r\n已删除了分类的数量： 2\r\n已删除了资料档数量： 0");
  EXPECT_EQ(Labels(), (std::vector<std::string>{"甲(0)"}));  // selected, so loaded
  EXPECT_EQ(SelectedLabel(), "甲(0)");
  EXPECT_EQ(Count("class"), 1);
}

TEST_F(DeleteCommandTest, AFailedRemovalKeepsTheRowsAndTheItem) {
  settings.use_recycle_bin = false;
  const int cat = lib.AddCategory("保留");
  lib.AddEntry("e", cat);
  Load();
  Show("保留");
  ASSERT_EQ(lib.Db().Run("CREATE TRIGGER keep BEFORE DELETE ON class BEGIN "
                         "SELECT RAISE(ABORT,'disk full'); END"),
            kSqliteOk);
  ui.answers = {MessageAnswer::Yes};
  command.Run();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "执行失败，原因见下面信息：\r\ndisk full");
  EXPECT_EQ(ui.messages[1].icon, MessageIcon::Stop);
  EXPECT_EQ(Count("fun"), 1);
  EXPECT_EQ(Count("class"), 1);
  EXPECT_EQ(view.SelectedItem(), Item(SelectedLabel()));
  EXPECT_EQ(Labels().size(), 1u);
}

}  // namespace
}  // namespace mivrel::testing
