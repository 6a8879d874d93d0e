#include "framework/find_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ports/ui.h"
#include "framework/wx_text.h"
#include "framework/wx_ui.h"

namespace mivrel {

FindDialog::FindDialog(wxWindow* parent, std::function<bool(const FindRequest&)> find,
                       std::function<void()> closed)
    : wxDialog(parent, wxID_ANY, L"查找", wxDefaultPosition, wxDefaultSize, wxCAPTION | wxCLOSE_BOX),
      find_(std::move(find)),
      closed_(std::move(closed)) {
  auto* text_row = new wxBoxSizer(wxHORIZONTAL);
  text_row->Add(new wxStaticText(this, wxID_ANY, L"查找内容："), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
  text_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(220, -1),
                         wxTE_PROCESS_ENTER);
  text_row->Add(text_, 1, wxEXPAND);

  auto* options = new wxBoxSizer(wxVERTICAL);
  whole_word_ = new wxCheckBox(this, wxID_ANY, L"全字匹配");
  match_case_ = new wxCheckBox(this, wxID_ANY, L"区分大小写");
  options->Add(whole_word_, 0, wxBOTTOM, 5);
  options->Add(match_case_);
  const wxString directions[] = {L"向上", L"向下"};
  direction_ = new wxRadioBox(this, wxID_ANY, L"方向", wxDefaultPosition, wxDefaultSize, 2, directions);
  direction_->SetSelection(1);
  auto* option_row = new wxBoxSizer(wxHORIZONTAL);
  option_row->Add(options, 1, wxALIGN_CENTER_VERTICAL);
  option_row->Add(direction_);

  auto* find_button = new wxButton(this, wxID_FIND, L"查找下一个");
  auto* close_button = new wxButton(this, wxID_CLOSE, L"关闭");
  find_button->SetDefault();
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(find_button, 0, wxRIGHT, 5);
  buttons->Add(close_button);

  auto* all = new wxBoxSizer(wxVERTICAL);
  all->Add(text_row, 0, wxEXPAND | wxALL, 8);
  all->Add(option_row, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
  all->Add(buttons, 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(all);

  find_button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { FindNext(); });
  text_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { FindNext(); });
  close_button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CloseDialog(); });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { CloseDialog(); });
  text_->SetFocus();
}

void FindDialog::FindText(const wxString& text) {
  text_->SetValue(text);
  FindNext();
}

wxString FindDialog::Labels() const {
  wxString labels = GetTitle();
  for (const wxWindow* child : GetChildren()) {
    if (!child->GetLabel().empty()) labels += L"|" + child->GetLabel();
  }
  return labels;
}

void FindDialog::FindNext() {
  FindRequest request;
  request.text = text_->GetValue();
  if (request.text.empty()) return;
  request.whole_word = whole_word_->GetValue();
  request.match_case = match_case_->GetValue();
  request.backwards = direction_->GetSelection() == 0;
  if (!find_(request)) {
    ShowMessageBox(this, "找不到“" + WxToGb(request.text) + "”。", MessageIcon::Exclamation,
                   MessageButtons::Ok);
  }
}

void FindDialog::CloseDialog() {
  if (closed_) closed_();
  Destroy();
}

}  // namespace mivrel
