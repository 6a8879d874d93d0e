// A JobContext double: keeps the caption, range and position a job reported,
// answers questions from a script (No when it is empty) and can be told that
// the user pressed 停止.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ports/job_context.h"

namespace mivrel::testing {

class RecordingJob final : public JobContext {
 public:
  void SetRange(std::int64_t maximum) override { range = maximum; }
  void SetPosition(std::int64_t position) override { positions.push_back(position); }
  void SetCaption(const std::string& text) override { caption = text; }
  bool StopRequested() const override { return stop; }
  MessageAnswer Ask(const std::string& text, MessageButtons) override {
    questions.push_back(text);
    if (answers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::int64_t range = -1;
  std::vector<std::int64_t> positions;
  std::string caption;
  bool stop = false;
  std::vector<std::string> questions;
  std::deque<MessageAnswer> answers;
};

}  // namespace mivrel::testing
