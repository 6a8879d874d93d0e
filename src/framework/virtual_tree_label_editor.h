// The in-place label editor of VirtualTreeControl: a text box over the
// item's row.  Enter accepts, Escape cancels, losing the focus accepts; each
// ends the edit once, through VirtualTreeControl::FinishLabelEdit.  The box
// deletes itself after the event that ended it has run.
// User-interface thread only.
#pragma once

#include <wx/textctrl.h>

namespace mivrel {

class VirtualTreeControl;
enum class EditEnd;

class VirtualTreeLabelEditor final : public wxTextCtrl {
 public:
  VirtualTreeLabelEditor(VirtualTreeControl* owner, const wxString& text, const wxRect& row);

  // Ends the edit with the box's text (Accept) or without it (Cancel).
  void Finish(EditEnd how);
  // The edited item is gone: close without telling the owner.
  void Abandon();

 private:
  void Close();

  VirtualTreeControl* m_owner;
  bool m_finished = false;
};

}  // namespace mivrel
