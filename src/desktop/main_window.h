// The main window: toolbar, status bar, the loading label, and the splitter
// with the side pane and the browser pane.  It creates and owns the core
// objects of the running program (page renderer, browsing shell, directory
// tree) and forwards every command, link and hand-over to them; it holds no
// rules of its own.
//
// Life: created with the loading label showing and the panes hidden; timer
// 1002 (10 ms, once) runs the deferred start-up; a close request only hides
// the window until the exit flag is set, after which the close saves the
// geometry, closes the database and removes the page temp folder.
// User-interface thread only.
#pragma once

#include <cstdint>
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
class IniFile;
class WxUi;
struct Settings;

// What the start sequence hands to the main window; all borrowed and alive
// until the window is destroyed.
struct MainWindowContext {
  Database& db;
  Settings& settings;  // the options dialog changes it
  const IniFile& ini;
  WxUi& ui;
  Clock& clock;
  std::string library_folder;  // GB18030, ends with a separator; holds "htm"
  uint32_t start_tick;  // taken first thing at start
  std::string keyword;  // GB18030 command-line keyword, may be empty
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
  void BuildToolbar();
  void BuildTray();
  void BuildCore();
  void BuildMaintenance();
  void BindTreeEvents();
  void RunDeferredStartup();
  void OnClose(wxCloseEvent& event);
  void OnSize(wxSizeEvent& event);
  void ShowTrayMenu();
  void ShutDown();
  int SplitterLimit(int width) const;

  MainWindowContext context_;
  wxImageList* images_ = nullptr;
  wxStaticText* loading_label_ = nullptr;
  wxSplitterWindow* splitter_ = nullptr;
  SidePane* side_ = nullptr;
  WebViewPane* pane_ = nullptr;
  MainStatusBar* status_ = nullptr;
  AboutWindow* about_ = nullptr;
  wxTaskBarIcon* tray_ = nullptr;
  wxTimer startup_timer_;
  wxTimer exit_retry_;  // an exit asked for while a job runs
  std::unique_ptr<MainWindowCore> core_;
  std::unique_ptr<LibraryMaintenance> maintenance_;
  bool exit_flag_ = false;
  bool startup_done_ = false;
};

}  // namespace mivrel
