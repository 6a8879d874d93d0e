// A JobContext double: records the caption, range, positions and questions a
// job reported, answers questions from a script (No when it is empty) and
// reports 停止 when told to, or once the position has reached `stop_at`.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "ports/job_context.h"

namespace mivrel::testing {

class RecordingJob final : public JobContext {
 public:
  void SetRange(std::int64_t maximum) override { range = maximum; }
  void SetPosition(std::int64_t value) override {
    position = value;
    positions.push_back(value);
    ++position_reports;
  }
  void SetCaption(const std::string& text) override { caption = text; }
  bool StopRequested() const override { return stop || (stop_at >= 0 && position >= stop_at); }
  MessageAnswer Ask(const std::string& text, MessageButtons) override {
    questions.push_back(text);
    if (answers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::int64_t range = -1;
  std::int64_t position = 0;
  std::vector<std::int64_t> positions;
  long long position_reports = 0;
  std::int64_t stop_at = -1;
  bool stop = false;
  std::string caption;
  std::vector<std::string> questions;
  std::deque<MessageAnswer> answers;
};

}  // namespace mivrel::testing
