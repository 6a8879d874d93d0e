// The Ui port over real windows: message boxes titled "Mivrel" with their
// icons and Chinese buttons (questions default to No), the busy cursor, and
// the last part of the main window's status bar.  User-interface thread only.
#pragma once

#include <string>

#include "ports/event_observer.h"
#include "ports/ui.h"

class wxFrame;
class wxStatusBar;
class wxWindow;

namespace mivrel {

// A message box as the whole program shows them: title "Mivrel", the icon
// drawn in the box (the system's own boxes draw none on GTK), Chinese button
// texts, questions defaulting to No.  Always a real box: under the GUI tests
// the boxes that go through the program's Ui are answered by script instead.
MessageAnswer ShowMessageBox(wxWindow* parent, const std::string& gb_text, MessageIcon icon,
                             MessageButtons buttons);

class WxUi final : public Ui {
 public:
  // Status texts and beeps are reported to `observer` when there is one.
  explicit WxUi(EventObserver* observer = nullptr) : observer_(observer) {}
  ~WxUi() override;

  // The owner of boxes with MessageOwner::MainWindow and the holder of the
  // status bar; null before the main window exists (boxes then have no owner
  // and status texts are dropped).
  void SetMainWindow(wxFrame* frame);

  MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                            MessageOwner owner) override;
  void SetBusyCursor(bool busy) override;
  void SetStatusText(const std::string& text) override;
  void Beep() override;

 private:
  EventObserver* observer_;
  wxFrame* frame_ = nullptr;
  bool busy_ = false;
};

// The part of the status bar that holds messages and timings.
constexpr int kMessageStatusPart = 5;

}  // namespace mivrel
