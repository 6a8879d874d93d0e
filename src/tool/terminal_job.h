// The job context of mivrel-tool's long commands: progress as a percentage on
// standard error when that is a terminal (nothing otherwise, so scripts see
// only the result), no stop button, and No to every question (the commands
// settle their questions from options before the job starts).
#pragma once

#include <cstdint>
#include <string>

#include "jobs/job_context.h"

namespace mivrel {

class TerminalJob final : public JobContext {
 public:
  TerminalJob();
  ~TerminalJob() override;
  void SetRange(std::int64_t maximum) override { m_range = maximum; }
  void SetPosition(std::int64_t position) override;
  void SetCaption(const std::string& caption) override;
  bool StopRequested() const override { return false; }
  MessageAnswer Ask(const std::string& text, MessageButtons buttons) override;

 private:
  bool m_terminal;
  std::int64_t m_range = 0;
  int m_shown = -1;  // the percentage on the line now
};

}  // namespace mivrel
