#include "framework/scope_picker_control.h"

#include <algorithm>

#include <wx/listctrl.h>

namespace mivrel {
namespace {

constexpr int kMostVisibleRows = 24;

// The popup: a single-column virtual list over the picker's rows.
class ScopePopup final : public wxListCtrl, public wxComboPopup {
 public:
  explicit ScopePopup(ScopePickerControl& picker) : picker_(picker) {}

  bool Create(wxWindow* parent) override {
    if (!wxListCtrl::Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxLC_REPORT | wxLC_VIRTUAL | wxLC_NO_HEADER | wxLC_SINGLE_SEL |
                                wxBORDER_SIMPLE)) {
      return false;
    }
    InsertColumn(0, wxString());
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
      int flags = 0;
      const long row = HitTest(event.GetPosition(), flags);
      if (row != wxNOT_FOUND && (flags & wxLIST_HITTEST_ONITEM)) picker_.ChooseRow(static_cast<int>(row));
      event.Skip();
    });
    Bind(wxEVT_LIST_ITEM_ACTIVATED,
         [this](wxListEvent& event) { picker_.ChooseRow(static_cast<int>(event.GetIndex())); });
    return true;
  }

  wxWindow* GetControl() override { return this; }
  wxString GetStringValue() const override {
    const int row = picker_.SelectedRow();
    return row < 0 ? wxString() : picker_.Row(static_cast<unsigned>(row));
  }

  // The rows are counted, not measured: the list asks for a row's text only
  // when the row comes into sight.
  void OnPopup() override {
    SetItemCount(static_cast<long>(picker_.RowCount()));
    SetColumnWidth(0, GetClientSize().GetWidth());
    const int row = picker_.SelectedRow();
    if (row >= 0 && static_cast<unsigned>(row) < picker_.RowCount()) {
      SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                   wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
      EnsureVisible(row);
    }
  }

  wxSize GetAdjustedSize(int min_width, int pref_height, int max_height) override {
    const int row_height = std::max(GetCharHeight() + 6, 12);
    const int rows = std::min<int>(static_cast<int>(picker_.RowCount()), kMostVisibleRows);
    const int height = std::min(std::max(rows, 1) * row_height + 4, max_height);
    return wxSize(min_width, pref_height > 0 ? std::min(pref_height, height) : height);
  }

  wxString OnGetItemText(long item, long) const override {
    return static_cast<unsigned long>(item) < picker_.RowCount()
               ? picker_.Row(static_cast<unsigned>(item))
               : wxString();
  }

 private:
  ScopePickerControl& picker_;
};

}  // namespace

ScopePickerControl::ScopePickerControl(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                       const wxSize& size)
    : wxComboCtrl(parent, id, wxString(), pos, size, wxCB_READONLY) {
  SetPopupControl(new ScopePopup(*this));
}

void ScopePickerControl::Set(const wxArrayString& rows) {
  if (IsPopupShown()) HidePopup();
  rows_ = rows;
  selected_ = -1;
  SetText(wxString());
}

void ScopePickerControl::SelectRow(int row) {
  selected_ = (row >= 0 && static_cast<size_t>(row) < rows_.size()) ? row : -1;
  SetText(selected_ < 0 ? wxString() : rows_[static_cast<size_t>(selected_)]);
}

void ScopePickerControl::ChooseRow(int row) {
  if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
  SelectRow(row);
  if (IsPopupShown()) HidePopup();
  wxCommandEvent event(wxEVT_CHOICE, GetId());
  event.SetEventObject(this);
  event.SetInt(row);
  event.SetString(rows_[static_cast<size_t>(row)]);
  ProcessWindowEvent(event);
}

std::vector<wxString> ScopePickerControl::OfferedRows() {
  std::vector<wxString> offered;
  auto* list = dynamic_cast<wxListCtrl*>(GetPopupControl() ? GetPopupControl()->GetControl() : nullptr);
  if (list == nullptr || !IsPopupShown()) return offered;
  const long count = list->GetItemCount();
  offered.reserve(static_cast<size_t>(count));
  for (long row = 0; row < count; ++row) offered.push_back(list->GetItemText(row));
  return offered;
}

}  // namespace mivrel
