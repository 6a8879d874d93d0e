#include "framework/virtual_tree_label_editor.h"

#include <algorithm>

#include <wx/app.h>

#include "framework/virtual_tree_control.h"

namespace mivrel {

VirtualTreeLabelEditor::VirtualTreeLabelEditor(VirtualTreeControl* owner, const wxString& text,
                                               const wxRect& row)
    : wxTextCtrl(owner, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, wxTE_PROCESS_ENTER), m_owner(owner) {
  // As tall as the toolkit's text box needs, centred on the row, reaching
  // at least to the right edge of the tree.
  const int height = std::max(row.height, GetBestSize().GetHeight());
  SetSize(row.x, row.y + (row.height - height) / 2, row.width, height);
  Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
      Finish(EditEnd::Cancel);
    } else if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) {
      Finish(EditEnd::Accept);
    } else {
      event.Skip();
    }
  });
  Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { Finish(EditEnd::Accept); });
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    // Leaving the box (a click elsewhere, another window) accepts, as in the
    // generic tree; after this event, since the owner may move the focus.
    if (!m_finished) CallAfter([this] { Finish(EditEnd::Accept); });
  });
  SetSelection(-1, -1);
  SetFocus();
}

void VirtualTreeLabelEditor::Finish(EditEnd how) {
  if (m_finished) return;
  m_finished = true;
  const wxString text = GetValue();
  // Enter and Escape hand the focus back to the tree, also when the renamed
  // item's page is shown again meanwhile; a focus that went elsewhere stays there.
  const bool had_focus = HasFocus();
  Close();
  m_owner->FinishLabelEdit(text, how);
  if (had_focus) m_owner->SetFocus();
}

void VirtualTreeLabelEditor::Abandon() {
  m_finished = true;
  Close();
}

void VirtualTreeLabelEditor::Close() {
  Hide();
  // Not deleted here: this may run inside one of the box's own events.
  wxTheApp->ScheduleForDestruction(this);
}

}  // namespace mivrel
