// The scope pickers' drop-down list: a read-only combo whose popup is a
// virtual list.  The popup draws only the rows in sight and never measures
// the rows one by one, so a library of 20,000 categories fills the picker and
// opens it as quickly as one of ten; the rows are handed to the popup when it
// opens.  Rows, order and choices are those given to Set.
//
// A choice by the user (click or Enter in the popup) sends wxEVT_CHOICE with
// the row in GetInt(); SelectRow by program sends nothing.
// User-interface thread only.
#pragma once

#include <vector>

#include <wx/combo.h>

namespace mivrel {

class ScopePickerControl final : public wxComboCtrl {
 public:
  ScopePickerControl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

  // Replaces all rows; no row is selected afterwards.
  void Set(const wxArrayString& rows);
  unsigned RowCount() const { return static_cast<unsigned>(rows_.size()); }
  const wxString& Row(unsigned row) const { return rows_[row]; }
  // The selected row, -1 when none.
  int SelectedRow() const { return selected_; }
  // Selects a row by program (-1 or a row out of range: none), silently.
  void SelectRow(int row);
  // The user's choice of a row: selects it, closes the popup and reports it.
  void ChooseRow(int row);

  // The rows the open popup offers, in its order (empty while it is closed).
  std::vector<wxString> OfferedRows();

 private:
  wxArrayString rows_;
  int selected_ = -1;
};

}  // namespace mivrel
