#include "shell/commands.h"

#include "ports/ui.h"
#include "ports/browser_pane.h"
#include "shell/history.h"
#include "shell/navigation.h"

namespace mivrel {

namespace {

struct Refusal {
  CommandId id;
  const char* recycle_bin;  // nullptr: not refused
  const char* external;
};

constexpr Refusal kRefusals[] = {
    {CommandId::NewCategory, "这个【回收站】，不可以新增分类。",
     "这个是外部文件，不可以新增分类，你可以直接去打开文件操作。"},
    {CommandId::NewEntry, "这个【回收站】，不可以新增文件。",
     "这个是外部文件，不可以新增文件，你可以直接去打开文件操作。"},
    {CommandId::Delete, nullptr, "这个是外部文件，不可以删除，你可以直接去删除文件。"},
    {CommandId::Edit, "这个【回收站】，不可以修改。", "这个是外部文件，不可以修改，你可以直接去修改文件。"},
    {CommandId::Export, nullptr, "这个是外部文件，不可以修改，你可以直接去修改文件。"},
    {CommandId::Import, "这个【回收站】，不可以导入。", "这个是外部文件，不可以导入。"},
};

constexpr const char* kHomePageEditRefusal = "亲，主页是无法编辑的哦！";

bool IsBackupItem(int id) {
  return id >= static_cast<int>(CommandId::BackupFirst) &&
         id <= static_cast<int>(CommandId::BackupLast);
}

// The tree's context menu acts as the toolbar's commands.
CommandId ToolbarEquivalent(CommandId id) {
  switch (id) {
    case CommandId::TreeNewCategory: return CommandId::NewCategory;
    case CommandId::TreeNewEntry: return CommandId::NewEntry;
    case CommandId::TreeEdit: return CommandId::Edit;
    case CommandId::TreeDelete: return CommandId::Delete;
    case CommandId::TrayAbout: return CommandId::About;
    default: return id;
  }
}

bool IsTableId(int id) {
  switch (static_cast<CommandId>(id)) {
    case CommandId::AlwaysOnTop: case CommandId::Import: case CommandId::Export:
    case CommandId::NewCategory: case CommandId::NewEntry: case CommandId::Delete:
    case CommandId::Edit: case CommandId::Home: case CommandId::Back: case CommandId::Forward:
    case CommandId::FindInPage: case CommandId::Options: case CommandId::About:
    case CommandId::TrayShow: case CommandId::TrayHide: case CommandId::TrayAbout:
    case CommandId::TrayExit: case CommandId::EditCopy: case CommandId::EditCut:
    case CommandId::EditPaste: case CommandId::TreeNewCategory: case CommandId::TreeNewEntry:
    case CommandId::TreeEdit: case CommandId::TreeDelete: case CommandId::TreeRename:
      return true;
    default:
      return IsBackupItem(id);
  }
}

}  // namespace

bool CommandAvailable(CommandId id) {
  if (IsBackupItem(static_cast<int>(id))) return true;
  switch (ToolbarEquivalent(id)) {
    case CommandId::AlwaysOnTop: case CommandId::Home: case CommandId::Back:
    case CommandId::Forward: case CommandId::FindInPage: case CommandId::About:
    case CommandId::TrayShow: case CommandId::TrayHide: case CommandId::TrayExit:
    case CommandId::TreeRename: case CommandId::NewCategory: case CommandId::NewEntry:
    case CommandId::Delete: case CommandId::Edit: case CommandId::Options:
    case CommandId::Import: case CommandId::Export:
      return true;
    default:
      return false;
  }
}

CommandTable::CommandTable(Ui& ui, BrowserPane& pane, History& history, Navigator& navigator,
                           TreeSelection& tree, MainWindowActions& window)
    : ui_(ui), pane_(pane), history_(history), navigator_(navigator), tree_(tree), window_(window) {}

CommandOutcome CommandTable::ExecuteCommand(int id) {
  if (!IsTableId(id)) return CommandOutcome::Unknown;
  return ExecuteCommand(static_cast<CommandId>(id));
}

bool CommandTable::RefusedForSelection(CommandId id) {
  // No selected item: no refusal.  The tree tells the bin from a category
  // that merely shows the bin's icon.
  const ItemKind kind = tree_.SelectedKind();
  const bool bin = kind == ItemKind::RecycleBin;
  const bool external = kind == ItemKind::ExternalBook || kind == ItemKind::ExternalPage;
  if (!bin && !external) return false;
  for (const Refusal& refusal : kRefusals) {
    if (refusal.id != id) continue;
    const char* text = bin ? refusal.recycle_bin : refusal.external;
    if (text == nullptr) return false;
    ui_.ShowMessage(text, MessageIcon::Exclamation);
    return true;
  }
  return false;
}

bool CommandTable::RefusedHomePageEdit() {
  const HistoryRecord* page = history_.CurrentPage();
  if (page == nullptr || page->kind != PageKind::Category || page->id != 0) return false;
  ui_.ShowMessage(kHomePageEditRefusal, MessageIcon::Exclamation);
  return true;
}

CommandOutcome CommandTable::ExecuteCommand(CommandId requested) {
  const CommandId id = ToolbarEquivalent(requested);
  if (IsBackupItem(static_cast<int>(id))) {
    window_.RestoreBackup(static_cast<int>(id) - static_cast<int>(CommandId::BackupFirst) + 1);
    return CommandOutcome::Done;
  }
  switch (id) {
    case CommandId::AlwaysOnTop:
      window_.SetAlwaysOnTop(window_.AlwaysOnTopButtonDown());
      return CommandOutcome::Done;
    case CommandId::Import:
    case CommandId::Export:
      if (RefusedForSelection(id)) return CommandOutcome::Refused;
      if (interchange_ == nullptr) return CommandOutcome::NotAvailable;
      if (id == CommandId::Import) interchange_->ImportIntoCurrentPage();
      if (id == CommandId::Export) interchange_->ExportCurrentPage();
      return CommandOutcome::Done;
    case CommandId::NewCategory:
    case CommandId::NewEntry:
    case CommandId::Delete:
      if (RefusedForSelection(id)) return CommandOutcome::Refused;
      if (editing_ == nullptr) return CommandOutcome::NotAvailable;
      if (id == CommandId::NewCategory) editing_->NewCategory();
      if (id == CommandId::NewEntry) editing_->NewEntry();
      if (id == CommandId::Delete) editing_->DeleteCurrentItem();
      return CommandOutcome::Done;
    case CommandId::Edit:
      if (RefusedForSelection(id) || RefusedHomePageEdit()) return CommandOutcome::Refused;
      if (editing_ == nullptr) return CommandOutcome::NotAvailable;
      editing_->EditCurrentPage();
      return CommandOutcome::Done;
    case CommandId::Home:
      navigator_.GoHome();
      return CommandOutcome::Done;
    case CommandId::Back:
      navigator_.GoBack();
      return CommandOutcome::Done;
    case CommandId::Forward:
      navigator_.GoForward();
      return CommandOutcome::Done;
    case CommandId::FindInPage:
      pane_.FindInPage();
      return CommandOutcome::Done;
    case CommandId::About:
      if (!window_.AboutWindowOpen()) window_.OpenAboutWindow();
      return CommandOutcome::Done;
    case CommandId::TrayShow:
      window_.ShowMainWindow();
      return CommandOutcome::Done;
    case CommandId::TrayHide:
      window_.HideMainWindow();
      return CommandOutcome::Done;
    case CommandId::TrayExit:
      window_.SetExitFlag();
      window_.PostCloseRequest();
      return CommandOutcome::Done;
    case CommandId::TreeRename:
      tree_.RenameSelected();
      return CommandOutcome::Done;
    case CommandId::Options:
      window_.OpenOptionsWindow();
      return CommandOutcome::Done;
    case CommandId::EditCopy:
    case CommandId::EditCut:
    case CommandId::EditPaste:
      return CommandOutcome::NotAvailable;
    default:
      return CommandOutcome::Unknown;
  }
}

}  // namespace mivrel
