#include "framework/anchor_layout.h"

#include <wx/toplevel.h>

namespace mivrel {

AnchorLayout::AnchorLayout(wxWindow* form) : form_(form) {
  form_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    ApplyAnchors();
    event.Skip();
  });
}

void AnchorLayout::Add(wxWindow* control, const std::string& code) {
  AnchorCode parsed;
  if (!ParseAnchorCode(code, parsed)) return;
  const wxRect rect = control->GetRect();
  const wxSize client = form_->GetClientSize();
  controls_.push_back({control, parsed,
                       EdgeBox{rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetBottom() + 1},
                       ClientSize{client.GetWidth(), client.GetHeight()}});
}

void AnchorLayout::ApplyAnchors() {
  const wxTopLevelWindow* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(form_));
  if (top != nullptr && top->IsIconized()) return;
  const wxSize client = form_->GetClientSize();
  const ClientSize current{client.GetWidth(), client.GetHeight()};
  for (const Anchored& item : controls_) {
    const EdgeBox box = ApplyAnchorCode(item.code, item.design, item.design_parent, current);
    item.control->SetSize(box.left, box.top, box.right - box.left, box.bottom - box.top);
  }
}

}  // namespace mivrel
