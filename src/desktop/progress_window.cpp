#include "desktop/progress_window.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "framework/input_grab.h"
#include "framework/wx_text.h"
#include "framework/wx_ui.h"
#include "jobs/progress_state.h"
#include "ports/event_observer.h"

namespace mivrel {
namespace {

int g_open_windows = 0;

class ProgressWindow final : public wxDialog {
 public:
  ProgressWindow(wxWindow* owner, std::function<void()> on_stop)
      : wxDialog(owner, wxID_ANY, GbToWx("  工作进度指示"), wxDefaultPosition, wxDefaultSize,
                 wxCAPTION | wxCLOSE_BOX, "FORM_Mivrel_PROGRESSBAR_CLASS"),
        on_stop_(std::move(on_stop)) {
    caption_ = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(380, -1),
                                wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    auto* stop = new wxButton(this, wxID_ANY, GbToWx("停止"));
    time_ = new wxStaticText(this, wxID_ANY, GbToWx("进度"));
    bar_ = new wxGauge(this, wxID_ANY, ProgressState::kBarRange, wxDefaultPosition, wxSize(380, 18));

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(time_, 1, wxALIGN_CENTER_VERTICAL);
    row->Add(stop, 0, wxLEFT, 8);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(caption_, 0, wxEXPAND | wxALL, 8);
    column->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    column->Add(bar_, 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(column);
    CentreOnParent();

    stop->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { on_stop_(); });
    // The title bar's close button asks like "停止"; the job's owner closes
    // the window when the job has ended.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
      if (event.CanVeto()) {
        event.Veto();
        on_stop_();
      } else {
        Destroy();
      }
    });
  }

  void SetCaption(const wxString& text) { caption_->SetLabel(text); }
  void SetTime(const wxString& text) { time_->SetLabel(text); }
  void SetBar(int value) { bar_->SetValue(value); }

 private:
  std::function<void()> on_stop_;
  wxStaticText* caption_;
  wxStaticText* time_;
  wxGauge* bar_;
};

class ProgressWindowView final : public ProgressView {
  // Whether the owner is enabled, and whether the main window could take
  // input (enabled, and no modal dialog such as the options dialog over it).
  void ReportState(const char* kind) const {
    if (observer_ == nullptr) return;
    const wxWindow* main = wxTheApp->GetTopWindow();
    bool main_input = main != nullptr && main->IsEnabled();
    for (const wxWindow* window : wxTopLevelWindows) {
      const auto* dialog = dynamic_cast<const wxDialog*>(window);
      if (dialog != nullptr && dialog->IsModal()) main_input = false;
    }
    observer_->Observe(kind, std::string("owner-enabled=") + (owner_ != nullptr && owner_->IsEnabled() ? "1" : "0") +
                                 " main-input=" + (main_input ? "1" : "0"));
  }

 public:
  ProgressWindowView(wxWindow* owner, EventObserver* observer, std::function<void()> on_stop)
      : owner_(owner), observer_(observer), window_(new ProgressWindow(owner, std::move(on_stop))) {
    ++g_open_windows;
    window_->Show();
    TakeInputGrab(*window_);
    if (owner_ != nullptr) owner_->Disable();
    window_->Update();
    ReportState("progress-open");
  }
  ~ProgressWindowView() override {
    if (owner_ != nullptr) owner_->Enable();
    window_->Destroy();
    --g_open_windows;
    if (owner_ != nullptr) owner_->Raise();
    ReportState("progress-closed");
  }

  void SetCaption(const std::string& caption) override {
    window_->SetCaption(GbToWx(caption));
    Observe(observer_, "progress-caption", caption);
  }
  void SetBar(int value) override { window_->SetBar(value); }
  void SetTimeText(const std::string& text) override { window_->SetTime(GbToWx(text)); }
  // The program's own question box (Chinese buttons, No as the default),
  // owned by this window.
  MessageAnswer AskStop(const std::string& text) override {
    return ShowMessageBox(window_, text, MessageIcon::Question, MessageButtons::YesNo);
  }

 private:
  wxWindow* owner_;
  EventObserver* observer_;
  ProgressWindow* window_;
};

}  // namespace

bool ProgressWindowOpen() { return g_open_windows > 0; }

std::unique_ptr<ProgressView> WxProgressViews::Open(std::function<void()> on_stop) {
  return std::make_unique<ProgressWindowView>(owner_, observer_, std::move(on_stop));
}

WindowJobRunner::WindowJobRunner(wxWindow* owner, Ui& ui, EventObserver* observer)
    : views_(owner, observer), questions_(ui), runner_(JobPorts{views_, timer_, pump_, clock_, questions_}) {}

JobOutcome WindowJobRunner::Run(const JobSpec& request, const std::function<int(JobContext&)>& work,
                                const std::function<void()>& on_stop) {
  return runner_.Run(request, work, on_stop);
}

}  // namespace mivrel
