// The About window: product name, version and a short description.  At most
// one is open; it is modeless and owned by the main window.
#pragma once

#include <functional>

#include <wx/dialog.h>

namespace mivrel {

class AboutWindow final : public wxDialog {
 public:
  // `on_closed` runs when the window goes away.
  AboutWindow(wxWindow* owner, std::function<void()> on_closed);
  ~AboutWindow() override;

  // For an owner that goes away first: `on_closed` no longer runs.
  void ForgetOwner() { on_closed_ = nullptr; }

 private:
  std::function<void()> on_closed_;
};

}  // namespace mivrel
