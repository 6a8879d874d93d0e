// The main window: toolbar, status bar, the loading label, and the splitter
// with the side pane and the browser pane.  It creates and owns the session
// of the running program over its controls and forwards every command, link
// and hand-over to it; it holds no rules of its own.
//
// Life: created with the loading label showing and the panes hidden; timer
// 1002 (10 ms, once) runs the start-up steps the application gave and shows
// the panes; a close request only hides the window until the exit flag is
// set, after which the close saves the geometry, ends the session and runs
// the application's shutdown steps.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <wx/frame.h>
#include <wx/timer.h>

#include "shell/commands.h"

class wxImageList;
class wxSplitterWindow;
class wxStaticText;
class wxTaskBarIcon;

namespace mivrel {

class Clock;
class Database;
class EventObserver;
class FileDialogs;
class IniFile;
class Session;
class Ui;
class WxUi;
struct Settings;

// What the start sequence hands to the main window; all borrowed and alive
// until the window is destroyed.
struct MainWindowContext {
  Database& db;
  Settings& settings;  // the options dialog changes it; the editor window keeps its size here
  const IniFile& ini;
  WxUi& window_ui;  // the Ui over this window's boxes and status bar
  Ui& ui;           // the Ui the session reports through (window_ui, or a scripted one)
  Clock& clock;
  std::string library_folder;  // GB18030, ends with a separator; holds "htm"
  std::string keyword;  // GB18030 command-line keyword, may be empty
  // The start-up steps over the session with the keyword (once, when the
  // window is up); returns the page temp folder.
  std::function<std::string(Session&, const std::string& keyword)> start_up;
  // The end after the session is gone, with the page temp folder.
  std::function<void(const std::string& temp_folder)> shut_down;
  // Told of starts, hand-overs, commands, hiding and the end; may be null.
  EventObserver* observer = nullptr;
  // The import's and export's file choosers; null: the toolkit's dialogs.
  FileDialogs* file_dialogs = nullptr;
};

class WebViewPane;
class WxTreeView;
class SidePane;
class MainStatusBar;
class AboutWindow;
struct MainWindowCore;
class LibraryMaintenance;

class MainWindow final : public wxFrame, public MainWindowActions {
 public:
  explicit MainWindow(const MainWindowContext& context);
  ~MainWindow() override;

  // A second start handed over its command-line text: the window comes up
  // and a non-empty text goes to the name index.
  void HandOver(const std::string& gb_text);
  // Runs a command of the table as the toolbar or a menu would.
  void RunCommand(int id);
  // True once the deferred start-up has shown the panes.
  bool StartupDone() const { return startup_done_; }

  // The side pane's width: the saved one until the window has its real size
  // and the sash is set, then the sash position.
  int SashWidth() const;

  WebViewPane& Pane() { return *pane_; }
  SidePane& Side() { return *side_; }
  WxTreeView& TreeAdapter();
  LibraryMaintenance& Maintenance() { return *maintenance_; }

  // MainWindowActions
  bool AlwaysOnTopButtonDown() override;
  void SetAlwaysOnTop(bool topmost) override;
  bool AboutWindowOpen() override;
  void OpenAboutWindow() override;
  void ShowMainWindow() override;
  void HideMainWindow() override;
  void SetExitFlag() override;
  void PostCloseRequest() override;
  void OpenOptionsWindow() override;
  void RestoreBackup(int n) override;

 private:
  void BuildTray();
  void BuildCore();
  void BuildMaintenance();
  void BindTreeEvents();
  // Timer 1002: waits for the loading label to be on the screen, then runs
  // the deferred start-up once.
  void OnStartupTimer();
  void RunDeferredStartup();
  void OnClose(wxCloseEvent& event);
  void OnSize(wxSizeEvent& event);
  void ShowTrayMenu();
  void ShutDown();
  void RemoveTray();
  int SplitterLimit(int width) const;

  MainWindowContext context_;
  std::unique_ptr<wxImageList> images_;  // shared by the side pane's controls
  wxStaticText* loading_label_ = nullptr;
  wxSplitterWindow* splitter_ = nullptr;
  SidePane* side_ = nullptr;
  WebViewPane* pane_ = nullptr;
  MainStatusBar* status_ = nullptr;
  AboutWindow* about_ = nullptr;
  std::unique_ptr<wxTaskBarIcon> tray_;  // null where the desktop has no tray
  wxTimer startup_timer_;
  wxTimer exit_retry_;  // an exit asked for while a job runs
  std::unique_ptr<MainWindowCore> core_;
  std::unique_ptr<LibraryMaintenance> maintenance_;
  bool exit_flag_ = false;
  bool close_after_command_ = false;  // a close came while an editor was open
  bool startup_done_ = false;
  int pending_sash_ = -1;  // the saved side-pane width not yet set; -1: set
  bool label_drawn_ = false;
  bool first_paint_seen_ = false;
  int map_waits_ = 0;
};

}  // namespace mivrel
