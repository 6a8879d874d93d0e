// ApplyAnchors for a form: the child controls given an anchor code keep their
// design-time relation to the form's client area whenever the form is
// resized (the computation is framework/anchors.h).  The design time is the
// moment a control is added: its rectangle and the form's client size then.
// Sizes while the form is minimised are ignored.  User-interface thread only.
#pragma once

#include <string>
#include <vector>

#include <wx/window.h>

#include "framework/anchors.h"

namespace mivrel {

class AnchorLayout {
 public:
  // Lays out the children of `form` on each of its size changes.
  explicit AnchorLayout(wxWindow* form);

  // Registers `control` (a child of the form, already placed at its design
  // rectangle) with its code.  A text that is not a code leaves the control
  // alone, as for any control without one.
  void Add(wxWindow* control, const std::string& code);

  // Runs the anchor pass for the form's current client size.
  void ApplyAnchors();

 private:
  struct Anchored {
    wxWindow* control;
    AnchorCode code;
    EdgeBox design;
    ClientSize design_parent;
  };

  wxWindow* form_;
  std::vector<Anchored> controls_;
};

}  // namespace mivrel
