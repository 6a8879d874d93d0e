// The session over a temporary library: pages recorded in the history, the
// tree following pages, titles, the scope pickers filled by the tree load,
// refusals for the tree selection.
#include "shell/session.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "ports/memory_panes.h"
#include "ports/memory_tree_view.h"
#include "settings/settings.h"
#include "support/recording_ui.h"
#include "support/test_library.h"
#include "nav_doubles.h"

namespace mivrel::testing {
namespace {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    windows = lib.AddCategory("Windows", 0, 0, 1);
    gdi = lib.AddCategory("GDI", windows);
    bin = lib.AddCategory("回收站", 0, 34);
    sleep = lib.AddEntry("Sleep", gdi, "Sleep 1000");
    lib.AddEntry("SleepEx", windows, "x");

    view.SetSelectionHandler([this](TreeItem item) { shell.tree().OnSelectionChanged(item); });
    index_box.on_change = [this] { shell.panes().OnIndexTextChanged(); };
    timer.on_tick = [this] { shell.panes().IndexTimerTick(); };
    index_list.on_selection = [this] { shell.panes().OnHitSelected(ResultPane::Index); };
    search_list.on_selection = [this] { shell.panes().OnHitSelected(ResultPane::Search); };
    shell.pages().SetPageTempFolder(temp.Path());
    shell.tree().LoadDirectoryTree();
    shell.opener().ShowCategoryPage(0, Record::Yes, SyncTree::Yes);  // as start-up does
  }

  const HistoryRecord& Current() { return *shell.history().CurrentPage(); }
  std::string SelectedLabel() {
    const TreeItem item = view.SelectedItem();
    return item == kNoTreeItem ? std::string() : view.Label(item);
  }
  TreeItem RootItemLabelled(const std::string& label) {
    for (TreeItem item = view.FirstChild(kNoTreeItem); item != kNoTreeItem;
         item = view.NextSibling(item))
      if (view.Label(item) == label) return item;
    return kNoTreeItem;
  }

  TestLibrary lib;
  TempFolder temp;
  RecordingUi ui;
  FakeClock clock;
  AddressPane pane;
  Settings settings = DefaultSettings();
  MemoryTextBox search_box, index_box;
  MemoryResultList search_list, index_list;
  MemoryScopePicker search_scope, index_scope;
  MemoryTypingTimer timer;
  MemorySideTabs tabs;
  RecordingWindow window;
  MemoryTreeView view;
  Session shell{lib.Db(), settings, lib.Folder(),
                SessionPorts{ui, clock, pane, view, tabs, PaneControls{search_box, search_list, search_scope},
                             PaneControls{index_box, index_list, index_scope}, timer, window}};
  int windows = 0, gdi = 0, bin = 0, sleep = 0;
};

TEST_F(SessionTest, StartShowsTheHomePageAsTheFirstRecord) {
  ASSERT_EQ(shell.history().BackList().size(), 1u);
  EXPECT_EQ(Current().kind, PageKind::Category);
  EXPECT_EQ(Current().id, 0);
  EXPECT_EQ(Current().title, "全部内容");
}

TEST_F(SessionTest, HomeLinkOnTheHomePageIsNotRecordedAgain) {
  shell.navigator().ResolveNavigation("about:.r.0");
  EXPECT_EQ(shell.history().BackList().size(), 1u);
}

TEST_F(SessionTest, CategoryLinkRecordsTheSelectedTreeLabelAsTitle) {
  shell.navigator().ResolveNavigation("about:.r." + std::to_string(gdi));
  EXPECT_EQ(Current().kind, PageKind::Category);
  EXPECT_EQ(Current().id, gdi);
  EXPECT_EQ(Current().title, SelectedLabel());
  EXPECT_EQ(view.Id(view.SelectedItem()), gdi);
}

TEST_F(SessionTest, EntryLinkRecordsTheNameAndTheTreeFollows) {
  shell.navigator().ResolveNavigation("about:.y." + std::to_string(sleep));
  EXPECT_EQ(Current().kind, PageKind::Entry);
  EXPECT_EQ(Current().id, sleep);
  EXPECT_EQ(Current().title, "Sleep");
  const TreeItem selected = view.SelectedItem();
  ASSERT_NE(selected, kNoTreeItem);
  EXPECT_EQ(view.Id(selected), sleep);
  EXPECT_EQ(view.Id(view.Parent(selected)), gdi);
}

TEST_F(SessionTest, BackRestoresACategoryPageWithTheTreeFollowingAndNoNewRecord) {
  shell.navigator().ResolveNavigation("about:.r." + std::to_string(windows));
  shell.navigator().ResolveNavigation("about:.y." + std::to_string(sleep));
  const std::string category_page_start = "Windows";
  EXPECT_EQ(shell.commands().ExecuteCommand(CommandId::Back), CommandOutcome::Done);
  EXPECT_EQ(shell.history().BackList().size(), 2u);
  EXPECT_EQ(shell.history().ForwardList().size(), 1u);
  EXPECT_EQ(Current().id, windows);
  EXPECT_EQ(view.Id(view.SelectedItem()), windows);
  EXPECT_NE(pane.page.find(category_page_start), std::string::npos);

  EXPECT_EQ(shell.commands().ExecuteCommand(CommandId::Forward), CommandOutcome::Done);
  EXPECT_EQ(shell.history().BackList().size(), 3u);
  EXPECT_EQ(view.Id(view.SelectedItem()), sleep);
}

TEST_F(SessionTest, TreeLoadFillsBothScopePickers) {
  ASSERT_EQ(search_scope.rows.size(), 3u);  // 显示全部分类, Windows, ..GDI (bin left out)
  EXPECT_EQ(search_scope.rows[0], "显示全部分类");
  EXPECT_EQ(search_scope.rows[1], "Windows");
  EXPECT_EQ(search_scope.rows[2], "..GDI");
  EXPECT_EQ(index_scope.rows, search_scope.rows);
  EXPECT_EQ(search_scope.selected, 0);

  search_scope.SelectRow(2);
  search_box.text = "Sleep";
  shell.panes().RunSearch();
  ASSERT_EQ(search_list.Count(), 1);
  EXPECT_EQ(search_list.items[0].id, sleep);
}

TEST_F(SessionTest, KeywordHandOverOpensTheFirstHitAtTheNextTick) {
  shell.HandOverKeyword("Sleep");
  EXPECT_EQ(tabs.current, SideTab::Index);
  timer.Advance(kIndexTypingDelayMs);
  ASSERT_EQ(index_list.Count(), 2);
  EXPECT_EQ(Current().kind, PageKind::Entry);
  EXPECT_EQ(Current().id, sleep);
  EXPECT_NE(pane.page.find("Sleep"), std::string::npos);
}

TEST_F(SessionTest, SearchTextIsHighlightedOnlyWhileTheSearchTabShows) {
  tabs.current = SideTab::Search;
  search_box.text = "1000";
  shell.panes().RunSearch();
  EXPECT_EQ(tabs.CurrentTab(), SideTab::Search);
  EXPECT_EQ(shell.panes().CurrentSearchText(), "1000");
  search_list.Click(0);
  EXPECT_EQ(Current().id, sleep);
  const std::string highlighted = pane.page;
  tabs.current = SideTab::Directory;
  shell.opener().ShowEntryPage(sleep, "", Record::No, SyncTree::No, "");
  EXPECT_NE(highlighted, pane.page);
}

TEST_F(SessionTest, CommandsRefuseTheSelectedRecycleBin) {
  const TreeItem bin_item = RootItemLabelled("回收站");
  ASSERT_NE(bin_item, kNoTreeItem);
  view.SelectItem(bin_item);
  ui.messages.clear();
  EXPECT_EQ(shell.commands().ExecuteCommand(CommandId::NewEntry), CommandOutcome::Refused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "这个【回收站】，不可以新增文件。");
}

TEST_F(SessionTest, ACategoryDrawnWithTheBinIconIsNotRefusedAsTheBin) {
  lib.AddCategory("图标34", 0, 34);
  shell.tree().LoadDirectoryTree();
  view.SelectItem(RootItemLabelled("图标34"));
  ui.messages.clear();
  EXPECT_EQ(shell.commands().ExecuteCommand(CommandId::NewEntry), CommandOutcome::NotAvailable);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SessionTest, RenameFromTheMenuRefusesTheBinThroughTheTree) {
  view.SelectItem(RootItemLabelled("回收站"));
  ui.messages.clear();
  shell.commands().ExecuteCommand(CommandId::TreeRename);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "回收站，不可以操作。");
}

TEST_F(SessionTest, TraceLinesGoToTheSinkWhenOneIsSet) {
  std::vector<std::string> lines;
  index_box.text = "it's";
  shell.panes().IndexTimerTick();  // silent without a sink
  shell.trace().SetSink([&lines](const std::string& line) { lines.push_back(line); });
  shell.panes().IndexTimerTick();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "it''s");
}

}  // namespace
}  // namespace mivrel::testing
