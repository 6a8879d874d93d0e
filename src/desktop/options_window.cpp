#include "desktop/options_window.h"

#include <optional>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/colordlg.h>
#include <wx/fontenum.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "desktop/progress_window.h"
#include "framework/wx_text.h"
#include "jobs/backup_commands.h"
#include "jobs/maintenance.h"
#include "ports/ui.h"
#include "settings/settings.h"
#include "store/backup_texts.h"
#include "store/file_steps.h"

namespace mivrel {
namespace {

constexpr int kRestoreMenuFirstId = 8701;
constexpr const char* kBackupCaption = "备份中....请稍后....";

// Windows colour values keep red in the lowest byte.
wxColour ToWx(std::uint32_t colour) {
  return wxColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
std::uint32_t FromWx(const wxColour& colour) {
  return static_cast<std::uint32_t>(colour.Red()) | (static_cast<std::uint32_t>(colour.Green()) << 8) |
         (static_cast<std::uint32_t>(colour.Blue()) << 16);
}

wxArrayString SortedFontNames(const std::string& current) {
  wxArrayString names = wxFontEnumerator::GetFacenames();
  names.Sort();
  // A font named in 配置.INI but not installed here still shows as chosen.
  if (names.Index(GbToWx(current)) == wxNOT_FOUND) names.Insert(GbToWx(current), 0);
  return names;
}

void Tell(Ui& ui, const MaintenanceOutcome& outcome) {
  if (!outcome.text.empty()) ui.ShowMessage(outcome.text, outcome.icon);
}

}  // namespace

OptionsWindow::OptionsWindow(wxWindow* owner, const OptionsWindowContext& context)
    : wxDialog(owner, wxID_ANY, GbToWx("选项"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE, "FORM_Mivrel_FORM9_CLASS"),
      context_(context),
      changes_(context.settings, context.ini, context.host),
      jobs_(std::make_unique<WindowJobRunner>(this, context.ui)) {
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  auto* left = new wxBoxSizer(wxVERTICAL);
  auto* right = new wxBoxSizer(wxVERTICAL);
  BuildDisplayControls(this, left);
  BuildLibraryControls(this, right);
  columns->Add(left, 0, wxALL, 8);
  columns->Add(right, 1, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 8);
  SetSizerAndFit(columns);
  CentreOnParent();
  RefreshFileInformation();
  // A close from the title bar while a job runs waits for its end: the job
  // belongs to this dialog's runner.
  Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
    if (ProgressWindowOpen() && event.CanVeto()) {
      event.Veto();
    } else {
      event.Skip();
    }
  });
}

OptionsWindow::~OptionsWindow() = default;

void OptionsWindow::BuildDisplayControls(wxWindow* parent, wxSizer* column) {
  const Settings& settings = changes_.Current();
  auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, GbToWx("显示"));
  auto* grid = new wxFlexGridSizer(3, 4, 8);
  for (int index = 0; index < kOfferedColours; ++index) {
    grid->Add(new wxStaticText(box->GetStaticBox(), wxID_ANY, GbToWx(kColourKeys[index])), 0,
              wxALIGN_CENTER_VERTICAL);
    auto* swatch = new wxPanel(box->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxSize(44, 18),
                               wxBORDER_SIMPLE);
    swatch->SetBackgroundColour(ToWx(settings.colours[index]));
    swatch->SetCursor(wxCursor(wxCURSOR_HAND));
    swatch->Bind(wxEVT_LEFT_UP, [this, index](wxMouseEvent&) { ChooseColour(index); });
    swatches_[index] = swatch;
    grid->Add(swatch, 0, wxALIGN_CENTER_VERTICAL);
    swatch_texts_[index] = new wxStaticText(box->GetStaticBox(), wxID_ANY,
                                            GbToWx(SwatchText(settings.colours[index])));
    grid->Add(swatch_texts_[index], 0, wxALIGN_CENTER_VERTICAL);
  }
  box->Add(grid, 0, wxALL, 6);

  auto* fonts = new wxChoice(box->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxSize(170, -1),
                             SortedFontNames(settings.font_name));
  fonts->SetStringSelection(GbToWx(settings.font_name));
  fonts->Bind(wxEVT_CHOICE, [this, fonts](wxCommandEvent&) {
    changes_.SetFontName(WxToGb(fonts->GetStringSelection()));
  });
  wxArrayString size_items;
  for (const std::string& item : FontSizeItems()) size_items.Add(GbToWx(item));
  auto* sizes = new wxChoice(box->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxDefaultSize, size_items);
  sizes->SetSelection(settings.font_size - kFirstFontSize);
  sizes->Bind(wxEVT_CHOICE, [this, sizes](wxCommandEvent&) { changes_.SetFontSizeAt(sizes->GetSelection()); });
  auto* font_row = new wxBoxSizer(wxHORIZONTAL);
  font_row->Add(new wxStaticText(box->GetStaticBox(), wxID_ANY, GbToWx("字体")), 0,
                wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  font_row->Add(fonts, 1, wxRIGHT, 6);
  font_row->Add(sizes, 0);
  box->Add(font_row, 0, wxEXPAND | wxALL, 6);

  const struct {
    const char* label;
    OptionSwitch which;
    bool on;
  } switches[] = {{"突出符号", OptionSwitch::HighlightSymbols, settings.highlight_symbols},
                  {"使用回收站", OptionSwitch::UseRecycleBin, settings.use_recycle_bin},
                  {"不统计分类中的子分类与资料数", OptionSwitch::NoCounts, settings.no_counts}};
  for (const auto& item : switches) {
    auto* check = new wxCheckBox(box->GetStaticBox(), wxID_ANY, GbToWx(item.label));
    check->SetValue(item.on);
    const OptionSwitch which = item.which;
    check->Bind(wxEVT_CHECKBOX, [this, which](wxCommandEvent& event) {
      changes_.SetSwitch(which, event.IsChecked());
    });
    box->Add(check, 0, wxLEFT | wxRIGHT | wxBOTTOM, 6);
  }
  column->Add(box, 0, wxEXPAND);
}

void OptionsWindow::BuildLibraryControls(wxWindow* parent, wxSizer* column) {
  auto* file_box = new wxStaticBoxSizer(wxVERTICAL, parent, GbToWx("数据库"));
  wxWindow* file_parent = file_box->GetStaticBox();
  modified_ = new wxStaticText(file_parent, wxID_ANY, wxEmptyString);
  size_ = new wxStaticText(file_parent, wxID_ANY, wxEmptyString);
  file_box->Add(modified_, 0, wxALL, 6);
  file_box->Add(size_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 6);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* backup = new wxButton(file_parent, wxID_ANY, GbToWx("备份"));
  auto* restore = new wxButton(file_parent, wxID_ANY, GbToWx("恢复"));
  auto* compact = new wxButton(file_parent, wxID_ANY, GbToWx("整理"));
  backup->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { BackUp(); });
  restore->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowRestoreMenu(); });
  compact->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Compact(); });
  for (wxButton* button : {backup, restore, compact}) buttons->Add(button, 0, wxRIGHT, 6);
  file_box->Add(buttons, 0, wxALL, 6);
  column->Add(file_box, 0, wxEXPAND | wxBOTTOM, 8);

  auto* console_box = new wxStaticBoxSizer(wxVERTICAL, parent, GbToWx("SQL"));
  wxWindow* console_parent = console_box->GetStaticBox();
  wxArrayString templates;
  for (const char* text : kConsoleTemplates) templates.Add(GbToWx(text));
  auto* chooser = new wxChoice(console_parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, templates);
  console_ = new wxTextCtrl(console_parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(360, 120),
                            wxTE_MULTILINE);
  run_sql_ = new wxButton(console_parent, wxID_ANY, GbToWx("执行SQL"));
  chooser->Bind(wxEVT_CHOICE, [this, chooser](wxCommandEvent&) { console_->SetValue(chooser->GetStringSelection()); });
  run_sql_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunConsole(); });
  console_box->Add(chooser, 0, wxEXPAND | wxALL, 6);
  console_box->Add(console_, 1, wxEXPAND | wxLEFT | wxRIGHT, 6);
  console_box->Add(run_sql_, 0, wxALIGN_RIGHT | wxALL, 6);
  column->Add(console_box, 1, wxEXPAND);
}

void OptionsWindow::ChooseColour(int index) {
  const Settings& settings = changes_.Current();
  wxColourData data;
  data.SetChooseFull(true);
  data.SetColour(ToWx(settings.colours[index]));
  for (int i = 0; i < kOfferedColours; ++i) data.SetCustomColour(i, ToWx(settings.colours[i]));
  for (int i = kOfferedColours; i < 16; ++i) {
    data.SetCustomColour(i, wxSystemSettings::GetColour(static_cast<wxSystemColour>(i)));
  }
  wxColourDialog dialog(this, &data);
  if (dialog.ShowModal() != wxID_OK) return;
  ApplyColour(index, FromWx(dialog.GetColourData().GetColour()));
}

void OptionsWindow::ApplyColour(int index, std::uint32_t colour) {
  if (index < 0 || index >= kOfferedColours) return;
  swatches_[index]->SetBackgroundColour(ToWx(colour));
  swatches_[index]->Refresh();
  swatch_texts_[index]->SetLabel(GbToWx(SwatchText(colour)));
  changes_.SetColour(index, colour);
}

void OptionsWindow::RefreshFileInformation() {
  const DatabaseFileInfo info = DatabaseFileInfoTexts(context_.library_folder);
  modified_->SetLabel(GbToWx(info.modified));
  size_->SetLabel(GbToWx(info.size));
  Layout();
}

// The copy of a large library takes a while: it runs on the worker under the
// progress window like the other maintenance jobs.
void OptionsWindow::BackUp() {
  MaintenanceOutcome outcome;
  jobs_->Run(JobSpec{kBackupCaption, 0}, [this, &outcome](JobContext&) {
    outcome = BackUpNow(context_.backups);
    return 0;
  });
  Tell(context_.ui, outcome);
}

void OptionsWindow::ShowRestoreMenu() {
  wxMenu menu;
  const auto texts = RestoreMenuTexts(context_.library_folder);
  for (int n = 1; n <= kBackupCount; ++n) menu.Append(kRestoreMenuFirstId + n - 1, GbToWx(texts[n - 1]));
  const int chosen = GetPopupMenuSelectionFromUser(menu);
  if (chosen < kRestoreMenuFirstId || chosen >= kRestoreMenuFirstId + kBackupCount) return;
  const int n = chosen - kRestoreMenuFirstId + 1;
  if (texts[n - 1].find(kNoBackupText) != std::string::npos) return;
  context_.host.RestoreBackup(n);
  RefreshFileInformation();
}

void OptionsWindow::Compact() {
  wxBusyCursor busy;
  const MaintenanceOutcome outcome =
      CompactLibrary(context_.db, context_.library_folder, *jobs_, RealFileSteps());
  Tell(context_.ui, outcome);
  RefreshFileInformation();
}

void OptionsWindow::RunConsole() {
  run_sql_->Disable();
  const std::string sql = WxToGb(console_->GetValue());
  std::optional<wxBusyCursor> busy;
  const MaintenanceOutcome outcome = RunConsoleStatements(context_.db, sql, *jobs_, [this, &busy] {
    if (context_.ui.ShowMessage(kConsoleQuestion, MessageIcon::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
      return false;
    }
    busy.emplace();
    return true;
  });
  if (outcome.status == MaintenanceStatus::Succeeded) {
    // The notice must not hold up the reload behind it.
    jobs_->Questions().PostNotice(outcome.text, outcome.icon);
    context_.host.ShowLibraryAgain();
  } else {
    busy.reset();
    Tell(context_.ui, outcome);
  }
  run_sql_->Enable();
}

}  // namespace mivrel
