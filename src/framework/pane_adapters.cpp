#include "framework/pane_adapters.h"

#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "base/scoped_flag.h"
#include "framework/wx_text.h"

namespace mivrel {
namespace {

// Item data of list and tree items: the entry or category id.
class IdData final : public wxTreeItemData {
 public:
  explicit IdData(int id) : id_(id) {}
  int Id() const { return id_; }

 private:
  int id_;
};

}  // namespace

std::string WxTextBox::Text() { return WxToGb(control_->GetValue()); }

void WxTextBox::SetText(const std::string& gb_text) { control_->SetValue(GbToWx(gb_text)); }

void FocusWithCaretAtEnd(wxTextCtrl* control) {
  control->SetFocus();
  const long end = control->GetLastPosition();
  control->SetSelection(end, end);
}

void WxTextBox::Focus() { FocusWithCaretAtEnd(control_); }

WxResultList::WxResultList(wxTreeCtrl* control, std::function<void()> on_selected)
    : control_(control), on_selected_(std::move(on_selected)) {
  control_->AddRoot(L"");
  control_->Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) {
    if (!deleting_ && on_selected_) on_selected_();
    event.Skip();
  });
}

void WxResultList::DeleteAll() {
  const ScopedFlag deleting(deleting_);
  control_->DeleteChildren(control_->GetRootItem());
}

void WxResultList::Append(const std::string& gb_label, int id, int image) {
  control_->AppendItem(control_->GetRootItem(), GbToWx(gb_label), image, image, new IdData(id));
}

int WxResultList::Count() {
  return static_cast<int>(control_->GetChildrenCount(control_->GetRootItem(), false));
}

void WxResultList::SelectFirst() {
  wxTreeItemIdValue cookie;
  const wxTreeItemId first = control_->GetFirstChild(control_->GetRootItem(), cookie);
  if (!first.IsOk()) return;
  if (control_->GetSelection() == first) {
    // Selecting the selected item again reports nothing in wx; the port
    // promises a report.
    if (on_selected_) on_selected_();
    return;
  }
  control_->SelectItem(first);
  control_->EnsureVisible(first);
}

bool WxResultList::SelectedId(int& id) {
  const wxTreeItemId item = control_->GetSelection();
  if (!item.IsOk() || item == control_->GetRootItem()) return false;
  const auto* data = static_cast<IdData*>(control_->GetItemData(item));
  if (data == nullptr) return false;
  id = data->Id();
  return true;
}

void WxResultList::SetEnabled(bool enabled) { control_->Enable(enabled); }

bool WxResultList::IsEnabled() { return control_->IsEnabled(); }

void WxResultList::Freeze() { control_->Freeze(); }

void WxResultList::Thaw() {
  if (control_->IsFrozen()) control_->Thaw();
  control_->Refresh();
}

void WxScopePicker::SetRows(const std::vector<std::string>& gb_rows) {
  wxArrayString rows;
  rows.reserve(gb_rows.size());
  for (const std::string& row : gb_rows) rows.Add(GbToWx(row));
  control_->Set(rows);
}

int WxScopePicker::SelectedRow() { return control_->GetSelection(); }

void WxScopePicker::SelectRow(int row) { control_->SetSelection(row); }

WxTypingTimer::WxTypingTimer(std::function<void()> on_tick)
    : timer_(this), on_tick_(std::move(on_tick)) {
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (on_tick_) on_tick_();
  });
}

WxTypingTimer::~WxTypingTimer() { timer_.Stop(); }

void WxTypingTimer::Start(uint32_t ms) { timer_.Start(static_cast<int>(ms), wxTIMER_CONTINUOUS); }

void WxTypingTimer::Stop() { timer_.Stop(); }

SideTab WxSideTabs::CurrentTab() {
  switch (notebook_->GetSelection()) {
    case 1:
      return SideTab::Index;
    case 2:
      return SideTab::Search;
    default:
      return SideTab::Directory;
  }
}

void WxSideTabs::SelectTab(SideTab tab) {
  const int page = static_cast<int>(tab);
  if (notebook_->GetSelection() == page) {
    // No page change, but the focus rule of the tab still applies.
    wxBookCtrlEvent event(wxEVT_NOTEBOOK_PAGE_CHANGED, notebook_->GetId(), page, page);
    event.SetEventObject(notebook_);
    notebook_->GetEventHandler()->ProcessEvent(event);
    return;
  }
  notebook_->SetSelection(static_cast<size_t>(page));
}

}  // namespace mivrel
