// A job context double: records range, position and questions, answers from a
// script and reports a stop from a chosen position on.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "ports/job_context.h"

namespace mivrel::testing {

// Records range, last position and questions; answers from a script (No when
// it is empty); reports a stop once the position has reached `stop_at`.
class RecordingJob final : public JobContext {
 public:
  void SetRange(std::int64_t maximum) override { range = maximum; }
  void SetPosition(std::int64_t value) override {
    position = value;
    ++position_reports;
  }
  void SetCaption(const std::string& text) override { caption = text; }
  bool StopRequested() const override { return stop_at >= 0 && position >= stop_at; }
  MessageAnswer Ask(const std::string& text, MessageButtons buttons) override {
    questions.push_back(text);
    if (answers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::int64_t range = -1;
  std::int64_t position = 0;
  std::int64_t stop_at = -1;
  long long position_reports = 0;
  std::string caption;
  std::vector<std::string> questions;
  std::deque<MessageAnswer> answers;
};

}  // namespace mivrel::testing
