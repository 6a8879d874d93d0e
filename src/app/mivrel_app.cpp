#include "app/mivrel_app.h"

#include <csignal>

#include <wx/log.h>

#include "app/instance_channel.h"
#include "app/scripted_file_dialogs.h"
#include "app/scripted_ui.h"
#include "app/startup_steps.h"
#include "app/test_commands.h"
#include "app/test_report.h"
#include "base/clock.h"
#include "framework/compact_style.h"
#include "framework/web_extensions.h"
#include "framework/web_view_pane.h"
#include "framework/wx_ui.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "desktop/main_window.h"
#include "store/database.h"
#include "store/schema.h"
#include "shell/open_library.h"
#include "store/library_files.h"

namespace mivrel {
namespace {

constexpr int kChannelPollMs = 50;

StartContext* g_start_context = nullptr;
volatile std::sig_atomic_t g_terminate_requested = 0;

void OnTerminateSignal(int) { g_terminate_requested = 1; }

ScreenSize CurrentScreen() {
  const wxRect area = wxGetClientDisplayRect();
  ScreenSize screen;
  screen.width = area.GetWidth();
  screen.height = area.GetHeight();
  return screen;
}

}  // namespace

MivrelApp::MivrelApp() : channel_timer_(this) {}

MivrelApp::~MivrelApp() = default;

void MivrelApp::SetStartContext(StartContext* context) { g_start_context = context; }

bool MivrelApp::OnInit() {
  // No call of the base: the arguments are the keyword text, not options.
  start_ = g_start_context;
  if (start_ == nullptr) return false;
  report_ = ReportFile::FromEnvironment();
  if (report_) {
    // A warning box would hang a run that nobody watches.
    delete wxLog::SetActiveTarget(new wxLogStderr);
  }
#ifdef NDEBUG
  // The toolkit's debug messages ("lost focus even though it didn't have it")
  // go to standard error; a release build keeps them to itself.
  wxLog::SetLogLevel(wxLOG_Info);
#endif
  SetAppName(L"OsterkMivrel");

  ui_ = std::make_unique<WxUi>(report_.get());
  if (report_) {
    scripted_ui_ = std::make_unique<ScriptedUi>(*ui_, *report_);
    scripted_files_ = std::make_unique<ScriptedFileDialogs>(*report_);
  }
  Ui& ui = scripted_ui_ ? *scripted_ui_ : static_cast<Ui&>(*ui_);
  db_ = std::make_unique<Database>();
  const std::string folder = start_->options.library_folder;
  if (OpenLibrary(*db_, folder, ui, SpeedIndexes::Later) != OpenResult::Opened) {
    Observe(report_.get(), "open-failed", folder);
    exit_code_ = 1;
    return true;  // OnRun ends at once; nothing is written
  }
  ini_ = std::make_unique<IniFile>(folder + kSettingsFileName);
  settings_ = std::make_unique<Settings>(LoadSettings(*ini_, CurrentScreen()));

  PointWebExtensionsFolder();
  UseCompactControls();
  Ui* session_ui = &ui;
  MainWindowContext context{
      *db_, *settings_, *ini_, *ui_, ui, SystemClock(), folder, start_->options.keyword,
      [this, session_ui](Session& session, const std::string& keyword) {
        // Missing look-up indexes (a library new to the program) are built
        // here, under the loading label, not before the window shows; the
        // time counts as opening the database.
        EnsureSpeedIndexes(*db_);
        return RunStartupSteps(session, *session_ui, SystemClock(), start_->start_tick, keyword,
                               [this](const std::string& temp) { window_->Pane().SetBaseFolder(temp); });
      },
      [this](const std::string& temp_folder) { RunShutdownSteps(*db_, temp_folder); }, report_.get(),
      scripted_files_.get()};
  window_ = new MainWindow(context);
  window_->Show();
  SetTopWindow(window_);

  struct sigaction action {};
  action.sa_handler = OnTerminateSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  Bind(wxEVT_TIMER, &MivrelApp::OnChannelTimer, this, channel_timer_.GetId());
  channel_timer_.Start(kChannelPollMs);
  return true;
}

int MivrelApp::OnRun() {
  if (window_ == nullptr) return exit_code_;
  wxApp::OnRun();
  return exit_code_;
}

int MivrelApp::OnExit() {
  channel_timer_.Stop();
  window_ = nullptr;
  return wxApp::OnExit();
}

void MivrelApp::OnChannelTimer(wxTimerEvent&) {
  if (window_ == nullptr) return;
  if (g_terminate_requested) {
    // A request to end from the session or the user's shell is the exit
    // command: the geometry is saved and the temp folder removed.
    g_terminate_requested = 0;
    window_->RunCommand(static_cast<int>(CommandId::TrayExit));
    return;
  }
  // Handled after the tick: a message that opens a modal window must not
  // hold up this timer, or no later message would arrive while it is open.
  for (const std::string& message : start_->channel->Receive()) {
    CallAfter([this, message] { HandleMessage(message); });
  }
}

void MivrelApp::HandleMessage(const std::string& message) {
  if (window_ == nullptr) return;
  std::string command;
  if (report_ && IsTestCommand(message, command)) {
    ScriptedAnswers answers{*scripted_ui_, *scripted_files_};
    RunTestCommand(*window_, *report_, answers, command);
    return;
  }
  window_->HandOver(message);
}

}  // namespace mivrel
