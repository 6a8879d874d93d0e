#include "desktop/main_window.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/choice.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/stattext.h>
#include <wx/taskbar.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "base/clock.h"
#include "base/files.h"
#include "base/text.h"
#include "framework/icons.h"
#include "framework/pane_adapters.h"
#include "framework/scope_picker_control.h"
#include "framework/tree_view_adapter.h"
#include "framework/virtual_tree_control.h"
#include "framework/web_view_pane.h"
#include "framework/wx_text.h"
#include "framework/wx_ui.h"
#include "ports/event_observer.h"
#include "render/pages.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "desktop/library_maintenance.h"
#include "desktop/progress_window.h"
#include "desktop/about_window.h"
#include "desktop/command_menus.h"
#include "desktop/editor_windows_window.h"
#include "framework/wx_file_dialogs.h"
#include "framework/wx_job_ports.h"
#include "jobs/backup_commands.h"
#include "shell/interchange_commands.h"
#include "shell/writing_commands.h"
#include "store/backups.h"
#include "shell/session.h"
#include "desktop/side_pane_window.h"
#include "desktop/status_bar_window.h"
#include "store/database.h"

namespace mivrel {

namespace {

constexpr int kStartupTimerId = 1002;
constexpr int kExitRetryMs = 200;
constexpr int kStartupDelayMs = 10;
// The deferred start-up waits until the window with its loading label has
// been painted once, which the toolkit does only once the window manager has
// put the window on the screen (at most kMostMapWaits ticks; a window that is
// not shown does not wait), then kPaintWaitMs more so that the label is drawn
// before the loading holds the thread.
constexpr int kMostMapWaits = 200;
constexpr int kPaintWaitMs = 30;
constexpr int kSplitterMargin = 50;
const wxSize kSmallestSize(500, 300);
constexpr int kLayoutMinWidth = 300;
constexpr int kLayoutMinHeight = 200;

class TrayIcon final : public wxTaskBarIcon {
 public:
  explicit TrayIcon(MainWindow* window) : window_(window) {
    Bind(wxEVT_TASKBAR_LEFT_DOWN, [this](wxTaskBarIconEvent&) { window_->ShowMainWindow(); });
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) { window_->RunCommand(event.GetId()); });
  }

 protected:
  wxMenu* CreatePopupMenu() override {
    return NewTrayMenu();
  }

 private:
  MainWindow* window_;
};

// The automatic backup check that precedes every change of the library.
std::function<void()> AutomaticBackupCheck(LibraryMaintenance& maintenance, Ui& ui) {
  return [&maintenance, &ui] {
    CheckBackupsBeforeChange(maintenance.Backups(), ui, maintenance.Jobs());
  };
}

}  // namespace

// The session of the running program and the adapters it drives.  The
// adapters come first: the session borrows them.  Toolkit events reach the
// session through the lambdas bound here and in BuildCore.
struct MainWindowCore {
  MainWindowCore(const MainWindowContext& context, MainWindow& window, WebViewPane& pane,
                 SidePane& side, LibraryMaintenance& maintenance)
      : search_input(side.search_input),
        index_input(side.index_input),
        search_list(side.search_list, [this] { session.panes().OnHitSelected(ResultPane::Search); }),
        index_list(side.index_list, [this] { session.panes().OnHitSelected(ResultPane::Index); }),
        search_scope(side.search_scope),
        index_scope(side.index_scope),
        index_timer([this] { session.panes().IndexTimerTick(); }),
        tabs(side.tabs),
        tree_view(side.tree),
        session(context.db, context.settings, context.library_folder,
                SessionPorts{context.ui, context.clock, pane, tree_view, tabs,
                             PaneControls{search_input, search_list, search_scope},
                             PaneControls{index_input, index_list, index_scope}, index_timer, window}),
        questions(context.ui),
        editor_context{context.ui,
                       context.settings,
                       context.ini,
                       context.library_folder,
                       TempRoot(),
                       AutomaticBackupCheck(maintenance, context.ui),
                       [this] { questions.PostNotice("执行成功", MessageIcon::Information); }},
        editor_windows(&window, editor_context, context.observer),
        editors(context.db, context.ui, session.history(), session.tree(), session.opener(), pane,
                session.pages().Template(), editor_windows),
        deletion(context.db, context.ui, session.tree(), session.history(), context.settings,
                 maintenance.Jobs(), AutomaticBackupCheck(maintenance, context.ui)),
        writing(editors, deletion),
        window_file_dialogs(&window),
        interchange(context.db, context.ui,
                    context.file_dialogs != nullptr ? *context.file_dialogs : window_file_dialogs,
                    session.history(), session.tree(),
                    session.opener(), maintenance.Jobs(),
                    AutomaticBackupCheck(maintenance, context.ui)) {
    session.commands().SetEditingActions(&writing);
    session.commands().SetInterchangeActions(&interchange);
    DirectoryTree& tree = session.tree();
    tree_view.SetHandlers(TreeViewHandlers{
        [&tree](TreeItem item) { tree.OnSelectionChanged(item); },
        [&tree](TreeItem item) { return tree.BeginLabelEdit(item); },
        [&tree](TreeItem item) { return tree.LabelEditText(item); },
        [&tree](TreeItem item, const std::string& text) { tree.EndLabelEdit(item, text); },
        [&tree](TreeItem item) { return tree.CanDrag(item); },
        [&tree](TreeItem dragged, TreeItem target) { tree.MoveItem(dragged, target); }});
  }

  WxTextBox search_input;
  WxTextBox index_input;
  WxResultList search_list;
  WxResultList index_list;
  WxScopePicker search_scope;
  WxScopePicker index_scope;
  WxTypingTimer index_timer;
  WxSideTabs tabs;
  WxTreeView tree_view;
  Session session;
  WxWorkerQuestions questions;
  EditorWindowContext editor_context;
  DesktopEditorWindows editor_windows;
  EditorCommands editors;
  DeleteCommand deletion;
  WritingCommands writing;
  WxFileDialogs window_file_dialogs;
  InterchangeCommands interchange;
};

MainWindow::MainWindow(const MainWindowContext& context)
    : wxFrame(nullptr, wxID_ANY, L"OsterkMivrel 1.1.6.2038", wxDefaultPosition,
              wxSize(context.settings.main_width, context.settings.main_height),
              wxDEFAULT_FRAME_STYLE | wxCLIP_CHILDREN, L"FORM_Mivrel_FORM1_CLASS"),
      context_(context),
      startup_timer_(this, kStartupTimerId) {
  exit_retry_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Close(); });
  SetMinSize(FromDIP(kSmallestSize));
  wxIcon window_icon;
  window_icon.CopyFromBitmap(NamedIcon("CONNECTED"));
  SetIcon(window_icon);
  // Every control of the system uses 宋体 9; children created below inherit it.
  SetFont(wxFont(9, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, L"宋体"));
  images_.reset(NewSharedImageList());
  BuildCommandToolbar(*this);
  status_ = new MainStatusBar(this);
  SetStatusBar(status_);

  loading_label_ = new wxStaticText(this, wxID_ANY, L"加载数据中，请稍后....", wxDefaultPosition,
                                    wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL);
  loading_label_->SetFont(wxFont(42, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL,
                                 wxFONTWEIGHT_NORMAL, false, L"宋体"));

  splitter_ = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                   wxSP_LIVE_UPDATE | wxSP_3DSASH);
  splitter_->SetMinimumPaneSize(kSplitterMargin);
  side_ = new SidePane(splitter_, images_.get());
  pane_ = new WebViewPane(splitter_, context_.ui, context_.observer);
  splitter_->SplitVertically(side_, pane_, context_.settings.splitter_width);
  splitter_->Hide();
  splitter_->Bind(wxEVT_SPLITTER_SASH_POS_CHANGING, [this](wxSplitterEvent& event) {
    event.SetSashPosition(SplitterLimit(event.GetSashPosition()));
  });

  context_.window_ui.SetMainWindow(this);
  BuildCore();

  Bind(wxEVT_CLOSE_WINDOW, &MainWindow::OnClose, this);
  Bind(wxEVT_SIZE, &MainWindow::OnSize, this);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxPaintDC dc(this);
    first_paint_seen_ = true;
  });
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) { OnStartupTimer(); }, kStartupTimerId);
  Bind(wxEVT_TOOL, [this](wxCommandEvent& event) { RunCommand(event.GetId()); });
  Bind(wxEVT_MENU, [this](wxCommandEvent& event) { RunCommand(event.GetId()); });
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_INSERT) status_->ToggleInsert();
    event.Skip();
  });
  // Where the desktop has no tray, the tray menu is reached with a right
  // click on the status bar, and Ctrl+Q is its exit command.
  status_->Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent&) { ShowTrayMenu(); });
  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'Q', static_cast<int>(CommandId::TrayExit)},
      {wxACCEL_CTRL, 'N', static_cast<int>(CommandId::NewEntry)},
      {wxACCEL_CTRL | wxACCEL_SHIFT, 'N', static_cast<int>(CommandId::NewCategory)},
      {wxACCEL_NORMAL, WXK_F4, static_cast<int>(CommandId::Edit)},
  };
  SetAcceleratorTable(wxAcceleratorTable(sizeof keys / sizeof keys[0], keys));

  BuildTray();
  Centre();
  startup_timer_.StartOnce(kStartupDelayMs);
}

MainWindow::~MainWindow() {
  // An About window still open is destroyed with the children, after this
  // body: its closing must not write into the half-destroyed window.
  if (about_ != nullptr) about_->ForgetOwner();
  startup_timer_.Stop();
  core_.reset();
  context_.window_ui.SetMainWindow(nullptr);
  RemoveTray();
}

void MainWindow::RemoveTray() {
  if (tray_ == nullptr) return;
  tray_->RemoveIcon();
  tray_.reset();
}

void MainWindow::BuildTray() {
  if (!wxTaskBarIcon::IsAvailable()) return;
  tray_ = std::make_unique<TrayIcon>(this);
  wxIcon icon;
  icon.CopyFromBitmap(NamedIcon("CONNECTED"));
  tray_->SetIcon(icon, L"OsterkMivrel");
}

void MainWindow::BuildCore() {
  // The maintenance first: the writing commands of the core run their jobs
  // and backup checks through it.
  BuildMaintenance();
  core_ = std::make_unique<MainWindowCore>(context_, *this, *pane_, *side_, *maintenance_);
  Session& session = core_->session;
  pane_->SetLinkHandler([&session](const std::string& address) {
    session.navigator().ResolveNavigation(address);
  });
  WxTreeView& tree_view = core_->tree_view;
  pane_->SetFocusGuard([&tree_view] { return !tree_view.EditingLabel(); });
  BindTreeEvents();

  side_->index_input->Bind(wxEVT_TEXT, [&session](wxCommandEvent&) { session.panes().OnIndexTextChanged(); });
  side_->search_input->Bind(wxEVT_TEXT_ENTER, [&session](wxCommandEvent&) { session.panes().RunSearch(); });
  side_->search_button->Bind(wxEVT_BUTTON, [&session](wxCommandEvent&) { session.panes().RunSearch(); });
  side_->search_scope->Bind(wxEVT_CHOICE, [&session](wxCommandEvent&) {
    session.panes().OnScopeChanged(ResultPane::Search);
  });
  side_->index_scope->Bind(wxEVT_CHOICE, [&session](wxCommandEvent&) {
    session.panes().OnScopeChanged(ResultPane::Index);
  });
}

void MainWindow::BindTreeEvents() {
  VirtualTreeControl* tree = side_->tree;
  WxTreeView& view = core_->tree_view;
  tree->Bind(wxEVT_LEFT_DOWN, [tree, &view](wxMouseEvent& event) {
    if (tree->HitTest(event.GetPosition()) == nullptr) view.ClearSelection();
    event.Skip();
  });
  // The context menu acts on the selected item, not on the item under the
  // pointer.
  tree->Bind(wxEVT_RIGHT_DOWN, [this, tree](wxMouseEvent& event) {
    std::unique_ptr<wxMenu> menu(NewTreeMenu());
    tree->PopupMenu(menu.get(), event.GetPosition());
  });
  tree->Bind(wxEVT_MENU, [this](wxCommandEvent& event) { RunCommand(event.GetId()); });
  // F2 renames like the menu's 重命名, with the same refusals; the Delete key
  // deletes the selected item (unless its label is being edited).
  tree->Bind(wxEVT_TREE_KEY_DOWN, [this, &view](wxTreeEvent& event) {
    if (event.GetKeyCode() == WXK_F2) {
      RunCommand(static_cast<int>(CommandId::TreeRename));
    } else if (event.GetKeyCode() == WXK_DELETE && !view.EditingLabel()) {
      RunCommand(static_cast<int>(CommandId::TreeDelete));
    } else {
      event.Skip();
    }
  });
  tree->Bind(wxEVT_MOTION, [tree, &view](wxMouseEvent& event) {
    if (view.SelectedItem() != kNoTreeItem && !view.EditingLabel() && wxWindow::FindFocus() != tree) {
      tree->SetFocus();
    }
    event.Skip();
  });
}

void MainWindow::ShowTrayMenu() {
  std::unique_ptr<wxMenu> menu(NewTrayMenu());
  PopupMenu(menu.get());
}

void MainWindow::OnStartupTimer() {
  if (!label_drawn_) {
    // Shown is not yet on the screen: under a window manager the window is
    // mapped some time after Show, and a start-up run before that would keep
    // the window off the screen until it ends.
    if (IsShown() && !first_paint_seen_ && ++map_waits_ < kMostMapWaits) {
      startup_timer_.StartOnce(kStartupDelayMs);
      return;
    }
    label_drawn_ = true;
    loading_label_->Refresh();
    Update();
    startup_timer_.StartOnce(kPaintWaitMs);
    return;
  }
  RunDeferredStartup();
}

void MainWindow::RunDeferredStartup() {
  const std::string temp_folder = context_.start_up(core_->session, context_.keyword);
  // The editor's web view takes the images of shown pages from there too.
  if (!temp_folder.empty()) core_->editor_context.page_folder = temp_folder;

  loading_label_->Hide();
  splitter_->Show();
  // The window may not have its real size yet (the window manager has not
  // placed it): a sash set now would be squeezed to the margin and saved so.
  // OnSize sets it at the first real size.
  pending_sash_ = context_.settings.splitter_width;
  wxSizeEvent resize(GetSize());
  OnSize(resize);
  startup_done_ = true;
  Observe(context_.observer, "started", temp_folder);
}

int MainWindow::SashWidth() const { return pending_sash_ >= 0 ? pending_sash_ : splitter_->GetSashPosition(); }

int MainWindow::SplitterLimit(int width) const {
  const int widest = GetSize().GetWidth() - kSplitterMargin;
  return std::max(kSplitterMargin, std::min(width, std::max(kSplitterMargin, widest)));
}

void MainWindow::OnSize(wxSizeEvent& event) {
  const wxSize client = GetClientSize();
  if (loading_label_->IsShown()) {
    const wxSize label = loading_label_->GetBestSize();
    loading_label_->SetSize((client.GetWidth() - label.GetWidth()) / 2,
                            (client.GetHeight() - label.GetHeight()) / 2, label.GetWidth(),
                            label.GetHeight());
  }
  // The frame's client area already excludes the toolbar and the status bar.
  if (client.GetWidth() >= kLayoutMinWidth && client.GetHeight() >= kLayoutMinHeight) {
    splitter_->SetSize(0, 0, client.GetWidth(), client.GetHeight());
    if (pending_sash_ >= 0 && splitter_->IsShown()) {
      splitter_->SetSashPosition(SplitterLimit(pending_sash_));
      pending_sash_ = -1;
    }
  }
  event.Skip(false);
}

void MainWindow::HandOver(const std::string& gb_text) {
  Observe(context_.observer, "handover", gb_text);
  ShowMainWindow();
  // Before the deferred start-up the index is not ready; the text would be
  // looked up before the tree exists.  It then waits like a command-line word.
  if (!startup_done_) {
    if (!gb_text.empty()) context_.keyword = gb_text;
    return;
  }
  core_->session.HandOverKeyword(gb_text);
}

void MainWindow::BuildMaintenance() {
  // The callbacks run only after the core exists; they reach its session then.
  // The page shown now, again, without a history record.
  auto show_page_again = [this] {
    Session& session = core_->session;
    const HistoryRecord* current = session.history().CurrentPage();
    if (current != nullptr && current->kind == PageKind::Entry) {
      session.opener().ShowEntryPage(current->id, "", Record::No, SyncTree::No, "");
    } else {
      session.opener().ShowCategoryPage(current != nullptr ? current->id : 0, Record::No, SyncTree::No);
    }
  };
  maintenance_ = std::make_unique<LibraryMaintenance>(
      this, LibraryMaintenanceContext{
                context_.db, context_.settings, context_.ini, context_.ui, context_.library_folder,
                context_.observer,
                [this] {
                  core_->session.pages().BuildPageTemplate();
                  core_->session.pages().ClearPageCache();
                },
                show_page_again,
                [this] {
                  Session& session = core_->session;
                  session.pages().ClearPageCache();
                  session.tree().LoadDirectoryTree();
                  session.opener().ShowCategoryPage(0, Record::No, SyncTree::No);
                },
                [this] {
                  SetExitFlag();
                  PostCloseRequest();
                }});
}

void MainWindow::RunCommand(int id) {
  const CommandOutcome outcome = core_->session.commands().ExecuteCommand(id);
  Observe(context_.observer, "command", std::to_string(id) + " " + std::to_string(static_cast<int>(outcome)));
  if (close_after_command_ && !core_->editors.EditorOpen()) {
    close_after_command_ = false;
    CallAfter([this] { Close(true); });
  }
}

WxTreeView& MainWindow::TreeAdapter() { return core_->tree_view; }

bool MainWindow::AlwaysOnTopButtonDown() {
  wxToolBar* bar = GetToolBar();
  const int id = static_cast<int>(CommandId::AlwaysOnTop);
  return bar != nullptr && bar->GetToolState(id) && bar->GetToolEnabled(id);
}

void MainWindow::SetAlwaysOnTop(bool topmost) {
  long style = GetWindowStyleFlag();
  style = topmost ? (style | wxSTAY_ON_TOP) : (style & ~wxSTAY_ON_TOP);
  SetWindowStyleFlag(style);
}

bool MainWindow::AboutWindowOpen() { return about_ != nullptr; }

void MainWindow::OpenAboutWindow() {
  about_ = new AboutWindow(this, [this] { about_ = nullptr; });
  about_->Show();
  about_->Raise();
}

void MainWindow::ShowMainWindow() {
  if (IsIconized()) Iconize(false);
  Show();
  Raise();
}

void MainWindow::HideMainWindow() { Hide(); }

void MainWindow::SetExitFlag() { exit_flag_ = true; }

void MainWindow::PostCloseRequest() {
  CallAfter([this] { Close(); });
}

void MainWindow::OpenOptionsWindow() { maintenance_->OpenOptions(); }

void MainWindow::RestoreBackup(int n) { maintenance_->RestoreBackup(n); }

void MainWindow::OnClose(wxCloseEvent& event) {
  if (!exit_flag_ && event.CanVeto()) {
    Hide();
    event.Veto();
    Observe(context_.observer, "hidden", "");
    return;
  }
  // The exit command can come from the tray or a signal while the options
  // dialog is open, or while a job uses the database on its worker: the
  // dialog is closed once its job has ended, and the exit waits for both.
  if (maintenance_->Busy()) {
    if (event.CanVeto()) {
      event.Veto();
      maintenance_->CloseOptions();
      exit_retry_.StartOnce(kExitRetryMs);
      return;
    }
    while (maintenance_->Busy()) {
      maintenance_->CloseOptions();
      wxYield();
      wxMilliSleep(10);
    }
  }
  // An editor still open is closed first (as if by its close box); the
  // program ends once the command that opened it has returned, as the
  // command uses the core.
  if (core_ && core_->editors.EditorOpen()) {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<wxDialog*>(window);
      if (dialog != nullptr && dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
    }
    close_after_command_ = true;
    if (event.CanVeto()) event.Veto();
    return;
  }
  ShutDown();
  Destroy();
}

void MainWindow::ShutDown() {
  RemoveTray();
  const wxSize outer = GetSize();
  WriteGeometry(context_.ini, outer.GetWidth(), outer.GetHeight(), SashWidth());
  const std::string temp_folder = core_->session.pages().PageTempFolder();
  pane_->SetLinkHandler(nullptr);
  pane_->SetFocusGuard(nullptr);
  maintenance_.reset();
  core_.reset();
  context_.shut_down(temp_folder);
  Observe(context_.observer, "exited", temp_folder);
}

}  // namespace mivrel
