// The Ui the application chooses at start while the GUI tests watch the
// program: nobody can press a button then, so a message box is reported to
// the observer and answered without being shown: a question with the next
// answer a test queued (the "answer" test command), else with its default
// button (Ok, or No for questions).  Everything else goes to the real Ui.
// User-interface thread only.
#pragma once

#include <deque>
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
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers_.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  // The answer of the next question (Yes, No or Cancel).
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
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
  std::deque<MessageAnswer> answers_;
};

}  // namespace mivrel
