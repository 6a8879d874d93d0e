#include "shell/commands.h"

#include <gtest/gtest.h>

#include "panes_fixture.h"

namespace mivrel::testing {
namespace {

class FakeTreeSelection final : public TreeSelection {
 public:
  ItemKind SelectedKind() override { return kind; }
  void RenameSelected() override { ++renames; }
  ItemKind kind = ItemKind::None;  // None: nothing selected
  int renames = 0;
};

class FakeEditing final : public EditingActions, public InterchangeActions {
 public:
  void NewEntry() override { calls.push_back("entry"); }
  void NewCategory() override { calls.push_back("category"); }
  void EditCurrentPage() override { calls.push_back("edit"); }
  void DeleteCurrentItem() override { calls.push_back("delete"); }
  void ImportIntoCurrentPage() override { calls.push_back("import"); }
  void ExportCurrentPage() override { calls.push_back("export"); }
  std::vector<std::string> calls;
};

constexpr ItemKind kCategory = ItemKind::Category;
constexpr ItemKind kEntry = ItemKind::Entry;
constexpr ItemKind kExternalBook = ItemKind::ExternalBook;
constexpr ItemKind kExternalPage = ItemKind::ExternalPage;
constexpr ItemKind kRecycleBin = ItemKind::RecycleBin;

class CommandsTest : public PanesFixture {
 protected:
  CommandsTest() : table(ui, pane, history, navigator, tree, window) {
    history.Record(PageKind::Category, 0, "全部内容");
    table.SetEditingActions(&editing);
    table.SetInterchangeActions(&editing);
  }

  // Runs the command with an item of `kind` selected and returns the one message shown
  // (empty when none); fails the test when more than one was shown.
  std::string RefusalOf(CommandId id, ItemKind kind, CommandOutcome* outcome = nullptr) {
    tree.kind = kind;
    ui.messages.clear();
    const CommandOutcome result = table.ExecuteCommand(id);
    if (outcome != nullptr) *outcome = result;
    EXPECT_LE(ui.messages.size(), 1u);
    if (ui.messages.empty()) return std::string();
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].owner, MessageOwner::MainWindow);
    EXPECT_EQ(result, CommandOutcome::Refused);
    return ui.messages[0].text;
  }

  FakeTreeSelection tree;
  FakeEditing editing;
  RecordingWindow window;
  CommandTable table;
};

TEST_F(CommandsTest, RecycleBinRefusals) {
  EXPECT_EQ(RefusalOf(CommandId::NewCategory, kRecycleBin), "这个【回收站】，不可以新增分类。");
  EXPECT_EQ(RefusalOf(CommandId::NewEntry, kRecycleBin), "这个【回收站】，不可以新增文件。");
  EXPECT_EQ(RefusalOf(CommandId::Edit, kRecycleBin), "这个【回收站】，不可以修改。");
  EXPECT_EQ(RefusalOf(CommandId::Import, kRecycleBin), "这个【回收站】，不可以导入。");
  // 删 and 导出 are left to deletion and export.
  EXPECT_EQ(RefusalOf(CommandId::Delete, kRecycleBin), "");
  EXPECT_EQ(RefusalOf(CommandId::Export, kRecycleBin), "");
}

TEST_F(CommandsTest, ExternalItemRefusals) {
  for (ItemKind kind : {kExternalBook, kExternalPage}) {
    EXPECT_EQ(RefusalOf(CommandId::NewCategory, kind),
              "这个是外部文件，不可以新增分类，你可以直接去打开文件操作。");
    EXPECT_EQ(RefusalOf(CommandId::NewEntry, kind),
              "这个是外部文件，不可以新增文件，你可以直接去打开文件操作。");
    EXPECT_EQ(RefusalOf(CommandId::Delete, kind), "这个是外部文件，不可以删除，你可以直接去删除文件。");
    EXPECT_EQ(RefusalOf(CommandId::Edit, kind), "这个是外部文件，不可以修改，你可以直接去修改文件。");
    EXPECT_EQ(RefusalOf(CommandId::Export, kind), "这个是外部文件，不可以修改，你可以直接去修改文件。");
    EXPECT_EQ(RefusalOf(CommandId::Import, kind), "这个是外部文件，不可以导入。");
  }
}

TEST_F(CommandsTest, TreeContextMenuGivesTheSameRefusals) {
  EXPECT_EQ(RefusalOf(CommandId::TreeNewCategory, kRecycleBin), "这个【回收站】，不可以新增分类。");
  EXPECT_EQ(RefusalOf(CommandId::TreeNewEntry, kExternalPage),
            "这个是外部文件，不可以新增文件，你可以直接去打开文件操作。");
  EXPECT_EQ(RefusalOf(CommandId::TreeEdit, kRecycleBin), "这个【回收站】，不可以修改。");
  EXPECT_EQ(RefusalOf(CommandId::TreeDelete, kExternalBook),
            "这个是外部文件，不可以删除，你可以直接去删除文件。");
}

TEST_F(CommandsTest, OrdinaryOrNoSelectionPassesToTheFeature) {
  for (ItemKind kind : {ItemKind::None, kCategory, kEntry}) {
    editing.calls.clear();
    for (CommandId id : {CommandId::NewCategory, CommandId::TreeNewEntry, CommandId::Delete,
                         CommandId::TreeDelete, CommandId::Export, CommandId::Import}) {
      CommandOutcome outcome;
      EXPECT_EQ(RefusalOf(id, kind, &outcome), "");
      EXPECT_EQ(outcome, CommandOutcome::Done);
    }
    EXPECT_EQ(editing.calls, (std::vector<std::string>{"category", "entry", "delete", "delete",
                                                       "export", "import"}));
  }
}

TEST_F(CommandsTest, RefusedWritingCommandsDoNotReachTheEditors) {
  RefusalOf(CommandId::NewEntry, kRecycleBin);
  RefusalOf(CommandId::Delete, kExternalPage);
  RefusalOf(CommandId::Edit, kRecycleBin);
  RefusalOf(CommandId::Import, kRecycleBin);
  RefusalOf(CommandId::Export, kExternalBook);
  EXPECT_TRUE(editing.calls.empty());
  // The bin itself is not refused by the delete command (the deletion decides).
  CommandOutcome outcome;
  EXPECT_EQ(RefusalOf(CommandId::Delete, kRecycleBin, &outcome), "");
  EXPECT_EQ(editing.calls, std::vector<std::string>{"delete"});
}

TEST_F(CommandsTest, EditRefusesTheHomePage) {
  EXPECT_EQ(RefusalOf(CommandId::Edit, ItemKind::None), "亲，主页是无法编辑的哦！");
  EXPECT_EQ(RefusalOf(CommandId::TreeEdit, kCategory), "亲，主页是无法编辑的哦！");
  EXPECT_TRUE(editing.calls.empty());
  history.Record(PageKind::Entry, 0, "");  // entry id 0 is not the home page
  CommandOutcome outcome;
  EXPECT_EQ(RefusalOf(CommandId::Edit, ItemKind::None, &outcome), "");
  EXPECT_EQ(outcome, CommandOutcome::Done);
  EXPECT_EQ(editing.calls, std::vector<std::string>{"edit"});
}

TEST_F(CommandsTest, EditActsOnTheCurrentPageNotTheSelection) {
  history.Record(PageKind::Entry, 5, "Sleep");
  CommandOutcome outcome;
  EXPECT_EQ(RefusalOf(CommandId::Edit, kCategory, &outcome), "");
  EXPECT_EQ(outcome, CommandOutcome::Done);
  // An external item selected is refused even though the page is an entry.
  EXPECT_EQ(RefusalOf(CommandId::Edit, kExternalPage), "这个是外部文件，不可以修改，你可以直接去修改文件。");
}

TEST_F(CommandsTest, NavigationCommands) {
  history.Record(PageKind::Entry, 5, "Sleep");
  EXPECT_EQ(table.ExecuteCommand(CommandId::Back), CommandOutcome::Done);
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.Last().id, 0);
  EXPECT_EQ(opener.Last().record, Record::No);
  EXPECT_EQ(table.ExecuteCommand(CommandId::Forward), CommandOutcome::Done);
  EXPECT_EQ(opener.Last().id, 5);
  EXPECT_EQ(opener.Last().kind, PageKind::Entry);
  EXPECT_EQ(table.ExecuteCommand(CommandId::Home), CommandOutcome::Done);
  EXPECT_EQ(opener.Last().kind, PageKind::Category);
  EXPECT_EQ(opener.Last().id, 0);
  EXPECT_EQ(opener.Last().record, Record::Yes);
  EXPECT_EQ(table.ExecuteCommand(CommandId::FindInPage), CommandOutcome::Done);
  EXPECT_EQ(pane.finds, 1);
}

TEST_F(CommandsTest, AlwaysOnTopFollowsTheButton) {
  window.button_down = true;
  table.ExecuteCommand(CommandId::AlwaysOnTop);
  window.button_down = false;
  table.ExecuteCommand(CommandId::AlwaysOnTop);
  EXPECT_EQ(window.topmost_calls, (std::vector<bool>{true, false}));
}

TEST_F(CommandsTest, AboutOpensOnlyOnce) {
  table.ExecuteCommand(CommandId::About);
  table.ExecuteCommand(CommandId::TrayAbout);
  EXPECT_EQ(window.about_opened, 1);
  window.about_open = false;  // closed by the user
  table.ExecuteCommand(CommandId::TrayAbout);
  EXPECT_EQ(window.about_opened, 2);
}

TEST_F(CommandsTest, TrayCommands) {
  table.ExecuteCommand(CommandId::TrayShow);
  table.ExecuteCommand(CommandId::TrayHide);
  EXPECT_EQ(window.shows, 1);
  EXPECT_EQ(window.hides, 1);
  EXPECT_EQ(window.closes, 0);
  table.ExecuteCommand(CommandId::TrayExit);
  EXPECT_EQ(window.closes, 1);
  EXPECT_TRUE(window.close_requested_with_exit_flag);
}

TEST_F(CommandsTest, RenameGoesToTheTree) {
  tree.kind = kEntry;
  EXPECT_EQ(table.ExecuteCommand(static_cast<int>(CommandId::TreeRename)), CommandOutcome::Done);
  EXPECT_EQ(tree.renames, 1);
}

TEST_F(CommandsTest, UnbuiltFeaturesAreReportedNotAvailable) {
  for (CommandId id : {CommandId::EditCopy, CommandId::EditCut, CommandId::EditPaste}) {
    EXPECT_FALSE(CommandAvailable(id)) << static_cast<int>(id);
  }
  for (CommandId id : {CommandId::AlwaysOnTop, CommandId::Home, CommandId::Back,
                       CommandId::Forward, CommandId::FindInPage, CommandId::About,
                       CommandId::TrayShow, CommandId::TrayHide, CommandId::TrayAbout,
                       CommandId::TrayExit, CommandId::TreeRename, CommandId::NewCategory,
                       CommandId::NewEntry, CommandId::Delete, CommandId::Edit,
                       CommandId::TreeNewCategory, CommandId::TreeNewEntry, CommandId::TreeEdit,
                       CommandId::TreeDelete, CommandId::Options, CommandId::Import,
                       CommandId::Export}) {
    EXPECT_TRUE(CommandAvailable(id)) << static_cast<int>(id);
  }
}

TEST_F(CommandsTest, OptionsOpenTheDialogAndTheElevenRestoreItemsRestoreTheirBackup) {
  EXPECT_EQ(table.ExecuteCommand(CommandId::Options), CommandOutcome::Done);
  EXPECT_EQ(window.options_opened, 1);
  for (int id = 8701; id <= 8711; ++id) {
    EXPECT_TRUE(CommandAvailable(static_cast<CommandId>(id)));
    EXPECT_EQ(table.ExecuteCommand(id), CommandOutcome::Done);
  }
  EXPECT_EQ(window.restored, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(CommandsTest, IdsOutsideTheTableAreUnknown) {
  for (int id : {0, 5102, 5105, 5117, 8700, 8712, 8905, -1}) {
    EXPECT_EQ(table.ExecuteCommand(id), CommandOutcome::Unknown) << id;
  }
  EXPECT_TRUE(opener.opened.empty());
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace mivrel::testing
