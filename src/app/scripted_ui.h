// The Ui the application chooses at start while the GUI tests watch the
// program: nobody can press a button then, so a message box is reported to
// the observer and answered with its default button (Ok, or No for
// questions) without being shown.  Everything else goes to the real Ui.
// User-interface thread only.
#pragma once

#include <string>

#include "ports/event_observer.h"
#include "ports/ui.h"

namespace mivrel {

class ScriptedUi final : public Ui {
 public:
  // Borrows both; they must outlive this.
  ScriptedUi(Ui& screen, EventObserver& observer) : screen_(screen), observer_(observer) {}

  MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                            MessageOwner) override {
    observer_.Observe(std::string("message-") + IconName(icon), text);
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }
  void SetBusyCursor(bool busy) override { screen_.SetBusyCursor(busy); }
  void SetStatusText(const std::string& text) override { screen_.SetStatusText(text); }
  void Beep() override { screen_.Beep(); }

 private:
  static const char* IconName(MessageIcon icon) {
    switch (icon) {
      case MessageIcon::Stop: return "stop";
      case MessageIcon::Exclamation: return "exclamation";
      case MessageIcon::Information: return "information";
      case MessageIcon::Question: return "question";
    }
    return "";
  }

  Ui& screen_;
  EventObserver& observer_;
};

}  // namespace mivrel
