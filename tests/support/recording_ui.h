// Test doubles of the clock and the user-interface port.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/clock.h"
#include "ports/ui.h"

namespace mivrel::testing {

class FakeClock final : public Clock {
 public:
  uint32_t NowMs() override { return now; }
  void Advance(uint32_t ms) { now += ms; }
  uint32_t now = 1000;
};

// Records every message and status text; answers questions from a script
// (No when the script is empty).
class RecordingUi final : public Ui {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
    MessageOwner owner;
  };
  MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                            MessageOwner owner) override;
  void SetBusyCursor(bool busy) override { busy_now = busy; }
  void SetStatusText(const std::string& text) override { status.push_back(text); }
  void Beep() override { ++beeps; }

  std::string LastStatus() const { return status.empty() ? std::string() : status.back(); }

  std::vector<Message> messages;
  std::vector<std::string> status;
  std::deque<MessageAnswer> answers;
  bool busy_now = false;
  int beeps = 0;
};

}  // namespace mivrel::testing
