#include "desktop/side_pane_window.h"

#include <wx/button.h>
#include <wx/imaglist.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "framework/anchor_layout.h"
#include "framework/icons.h"
#include "framework/pane_adapters.h"
#include "framework/scope_picker_control.h"
#include "framework/virtual_tree_control.h"

namespace mivrel {
namespace {

// Design-time client size of each tab page; the anchors keep the controls'
// margins from it.
const wxSize kPageSize(200, 400);
constexpr int kMargin = 2;
constexpr int kRowHeight = 28;

constexpr long kListStyle = wxTR_HIDE_ROOT | wxTR_NO_LINES | wxTR_NO_BUTTONS | wxTR_SINGLE |
                            wxTR_FULL_ROW_HIGHLIGHT | wxBORDER_THEME;

}  // namespace

SidePane::SidePane(wxWindow* parent, wxImageList* images)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, L"Form3") {
  tabs = new wxNotebook(this, wxID_ANY);
  tab_images_ = new wxImageList(16, 16, true, 3);
  tab_images_->Add(NamedIcon("G00"));
  tab_images_->Add(NamedIcon("E10"));
  tab_images_->Add(NamedIcon("E11"));
  tabs->SetImageList(tab_images_);
  tabs->SetPadding(wxSize(0, 0));

  BuildTreePage(images);
  BuildIndexPage(images);
  BuildSearchPage(images);

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(tabs, 1, wxEXPAND);
  SetSizer(sizer);
  tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
    OnPageChanged();
    event.Skip();
  });
}

SidePane::~SidePane() {
  for (AnchorLayout* layout : layouts_) delete layout;
  delete tab_images_;
}

wxPanel* SidePane::NewPage(const wchar_t* name) {
  return new wxPanel(tabs, wxID_ANY, wxDefaultPosition, kPageSize, wxTAB_TRAVERSAL, name);
}

void SidePane::BuildTreePage(wxImageList* images) {
  wxPanel* page = NewPage(L"Form2");
  tree = new VirtualTreeControl(page, wxID_ANY, wxPoint(0, 0), kPageSize, wxBORDER_NONE);
  tree->SetImageList(images);
  layouts_[0] = new AnchorLayout(page);
  layouts_[0]->Add(tree, "FL,FT,FR,FB");
  tabs->AddPage(page, L"目录", true, 0);
}

void SidePane::BuildIndexPage(wxImageList* images) {
  wxPanel* page = NewPage(L"Form6");
  const int width = kPageSize.GetWidth() - 2 * kMargin;
  index_input = new wxTextCtrl(page, wxID_ANY, wxString(), wxPoint(kMargin, kMargin),
                               wxSize(width, kRowHeight - kMargin));
  index_list = new wxTreeCtrl(page, wxID_ANY, wxPoint(kMargin, kRowHeight),
                              wxSize(width, kPageSize.GetHeight() - 2 * kRowHeight - kMargin),
                              kListStyle);
  index_list->SetImageList(images);
  index_scope = new ScopePickerControl(page, wxID_ANY,
                                       wxPoint(kMargin, kPageSize.GetHeight() - kRowHeight),
                                       wxSize(width, kRowHeight - kMargin));
  layouts_[1] = new AnchorLayout(page);
  layouts_[1]->Add(index_input, "FL,FT,FR,FT");
  layouts_[1]->Add(index_list, "FL,FT,FR,FB");
  layouts_[1]->Add(index_scope, "FL,FB,FR,FB");
  tabs->AddPage(page, L"索引", false, 1);
}

void SidePane::BuildSearchPage(wxImageList* images) {
  wxPanel* page = NewPage(L"Form5");
  const int width = kPageSize.GetWidth() - 2 * kMargin;
  constexpr int kButtonWidth = 36;
  search_input = new wxTextCtrl(page, wxID_ANY, wxString(), wxPoint(kMargin, kMargin),
                                wxSize(width - kButtonWidth - kMargin, kRowHeight - kMargin),
                                wxTE_PROCESS_ENTER);
  search_button = new wxButton(page, wxID_ANY, L"查",
                               wxPoint(kPageSize.GetWidth() - kMargin - kButtonWidth, kMargin),
                               wxSize(kButtonWidth, kRowHeight - kMargin));
  search_list = new wxTreeCtrl(page, wxID_ANY, wxPoint(kMargin, kRowHeight),
                               wxSize(width, kPageSize.GetHeight() - 2 * kRowHeight - kMargin),
                               kListStyle);
  search_list->SetImageList(images);
  search_scope = new ScopePickerControl(page, wxID_ANY,
                                        wxPoint(kMargin, kPageSize.GetHeight() - kRowHeight),
                                        wxSize(width, kRowHeight - kMargin));
  layouts_[2] = new AnchorLayout(page);
  layouts_[2]->Add(search_input, "FL,FT,FR,FT");
  layouts_[2]->Add(search_button, "FR,FT,FR,FT");
  layouts_[2]->Add(search_list, "FL,FT,FR,FB");
  layouts_[2]->Add(search_scope, "FL,FB,FR,FB");
  tabs->AddPage(page, L"查找", false, 2);
}

void SidePane::OnPageChanged() {
  switch (tabs->GetSelection()) {
    case 1:
      FocusWithCaretAtEnd(index_input);
      break;
    case 2:
      FocusWithCaretAtEnd(search_input);
      break;
    default:
      break;
  }
}

}  // namespace mivrel
