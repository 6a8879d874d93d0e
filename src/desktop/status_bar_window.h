// The main window's status bar: six parts, the first five 60, 40, 40, 40 and
// 40 pixels wide (scaled for the screen), the last taking the rest but never
// less than 100 pixels.  A 200 ms timer writes the local time "HH:mm:ss"
// into the first part and "CAPS", "NUM", "INS", "SCRL" into the next four parts while those
// keys are toggled on.  The last part holds messages (the Ui port writes it).
// User-interface thread only.
#pragma once

#include <wx/statusbr.h>
#include <wx/timer.h>

namespace mivrel {

class MainStatusBar final : public wxStatusBar {
 public:
  explicit MainStatusBar(wxWindow* parent);
  ~MainStatusBar() override;

  // Insert has no lasting state in the system; the window reports its
  // presses and the bar keeps the overwrite mode.
  void ToggleInsert() { insert_on_ = !insert_on_; }

 protected:
  void DoUpdateStatusText(int part) override;

 private:
  void OnTick(wxTimerEvent& event);
  void OnSize(wxSizeEvent& event);
  void SetPart(int part, const wxString& text);

  wxTimer clock_timer_;
  bool insert_on_ = false;
};

}  // namespace mivrel
