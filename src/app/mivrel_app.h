// The desktop program's application object: the start sequence after the
// single-instance check (open the database, read the settings, create the
// main window with the start-up and shutdown steps of app/startup_steps.h),
// the hand-over channel of later starts, and SIGTERM taken as the exit
// command.  It chooses the test seams at start: with MIVREL_TEST_REPORT set,
// an observer that logs events, a Ui that answers message boxes by script,
// file dialogs answered by script, and the test commands on the hand-over
// channel.  User-interface thread only.
#pragma once

#include <csignal>
#include <memory>
#include <string>

#include <wx/app.h>
#include <wx/timer.h>

#include "app/launch_options.h"

namespace mivrel {

class Database;
class IniFile;
class InstanceChannel;
class MainWindow;
class ReportFile;
class ScriptedFileDialogs;
class ScriptedUi;
class Ui;
class WxUi;
struct Settings;

// What main() found before the toolkit started.
struct StartContext {
  uint32_t start_tick = 0;
  LaunchOptions options;
  InstanceChannel* channel = nullptr;  // owned by main(), claimed as the first copy
};

class MivrelApp final : public wxApp {
 public:
  MivrelApp();
  ~MivrelApp() override;

  // REQUIRES: called before wxEntry.
  static void SetStartContext(StartContext* context);

  bool OnInit() override;
  int OnRun() override;
  int OnExit() override;

 private:
  void OnChannelTimer(wxTimerEvent& event);
  void HandleMessage(const std::string& message);

  StartContext* start_ = nullptr;
  std::unique_ptr<Database> db_;
  std::unique_ptr<IniFile> ini_;
  std::unique_ptr<Settings> settings_;
  std::unique_ptr<ReportFile> report_;  // while the GUI tests watch; else null
  std::unique_ptr<WxUi> ui_;
  // While the GUI tests watch: message boxes and file dialogs answered by script.
  std::unique_ptr<ScriptedUi> scripted_ui_;
  std::unique_ptr<ScriptedFileDialogs> scripted_files_;
  MainWindow* window_ = nullptr;
  wxTimer channel_timer_;
  int exit_code_ = 0;
};

}  // namespace mivrel
