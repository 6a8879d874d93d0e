// The command table of the main window: toolbar buttons, the tree's context
// menu, the tray menu and the backup list all end in ExecuteCommand, which
// first refuses the recycle bin and external tree items where the table says
// so, then runs the command.  编辑 and 导出 act on the current page (the last
// history record), not on the tree selection.
//
// Commands whose owning feature is not built yet (the edit menu) or not given
// (the writing and interchange actions) still give their refusals and then answer NotAvailable; the window
// asks CommandAvailable to show them disabled.  User-interface thread only.
#pragma once

#include "ports/item_images.h"
#include "ports/window_actions.h"

namespace mivrel {

class BrowserPane;
class History;
class Navigator;
class Ui;

enum class CommandId : int {
  AlwaysOnTop = 5101,  // 前
  Import = 5103,       // 导入
  Export = 5104,       // 导出
  NewCategory = 5106,  // 分类
  NewEntry = 5107,     // 资料
  Delete = 5109,       // 删
  Edit = 5111,         // 编辑
  Home = 5113,         // 主页
  Back = 5114,         // 返回
  Forward = 5115,      // 前进
  FindInPage = 5116,   // 查找
  Options = 5118,      // 选项
  About = 5120,        // 关于
  TrayShow = 8600,     // 显示资料库
  TrayHide = 8601,     // 隐藏资料库
  TrayAbout = 8602,    // 关于资料库
  TrayExit = 8603,     // 退出资料库
  BackupFirst = 8701,  // restore menu items 8701..8711: backups 1..11
  BackupLast = 8711,
  EditCopy = 8800,     // 复制 (entry editor)
  EditCut = 8801,      // 剪切
  EditPaste = 8802,    // 粘贴
  TreeNewCategory = 8900,  // 新建分类
  TreeNewEntry = 8901,     // 新建资料
  TreeEdit = 8902,         // 编辑
  TreeDelete = 8903,       // 删除
  TreeRename = 8904,       // 重命名
};

enum class CommandOutcome {
  Done,          // the command ran
  Refused,       // a refusal was shown; nothing else happened
  NotAvailable,  // passed its refusals, but its feature is not in this build
  Unknown,       // not a command of the table
};

// What the commands need of the directory tree (the Session answers from
// its DirectoryTree).
class TreeSelection {
 public:
  virtual ~TreeSelection() = default;
  // The kind of the selected item; None when no item is selected.
  virtual ItemKind SelectedKind() = 0;
  // 重命名 of the context menu: starts editing the selected item's label after
  // the tree's own refusals.
  virtual void RenameSelected() = 0;
};

// The writing commands: the editors and the deletion.
class EditingActions {
 public:
  virtual ~EditingActions() = default;
  virtual void NewEntry() = 0;
  virtual void NewCategory() = 0;
  // The current page, which is not the home page.
  virtual void EditCurrentPage() = 0;
  virtual void DeleteCurrentItem() = 0;
};

// The interchange commands: 导入 into and 导出 of the current page.
class InterchangeActions {
 public:
  virtual ~InterchangeActions() = default;
  virtual void ImportIntoCurrentPage() = 0;
  virtual void ExportCurrentPage() = 0;
};

// True when the command's feature is built (so the window enables it).
bool CommandAvailable(CommandId id);

class CommandTable {
 public:
  // Borrows everything; all must outlive the table.
  CommandTable(Ui& ui, BrowserPane& pane, History& history, Navigator& navigator,
               TreeSelection& tree, MainWindowActions& window);

  // The writing commands answer NotAvailable until they are given.  Borrowed.
  void SetEditingActions(EditingActions* editing) { editing_ = editing; }
  // 导入 and 导出 likewise.  Borrowed.
  void SetInterchangeActions(InterchangeActions* interchange) { interchange_ = interchange; }

  CommandOutcome ExecuteCommand(CommandId id);
  // For menu and button ids as integers; an id outside the table is Unknown.
  CommandOutcome ExecuteCommand(int id);

 private:
  // The refusal of `id` for the selected tree item, if any; true when refused.
  bool RefusedForSelection(CommandId id);
  // The edit command's refusal of the home page; true when refused.
  bool RefusedHomePageEdit();

  Ui& ui_;
  BrowserPane& pane_;
  History& history_;
  Navigator& navigator_;
  TreeSelection& tree_;
  MainWindowActions& window_;
  EditingActions* editing_ = nullptr;
  InterchangeActions* interchange_ = nullptr;
};

}  // namespace mivrel
