// Long jobs of mivrel-tool: the work runs on a worker thread as in the desktop
// program, and the progress state the progress window would read is shown as
// one line on standard error, refreshed every 200 ms, when standard error is
// a terminal.  Questions from a job are printed there and answered with the
// answer chosen by the command's options (No unless told otherwise).
//
// Main thread only, except what the work calls through its context.
#pragma once

#include "base/clock.h"
#include "jobs/polling_loop.h"
#include "jobs/progress_job_runner.h"
#include "ports/progress_view.h"
#include "ports/worker_questions.h"

namespace mivrel {

class TerminalViews final : public ProgressViews {
 public:
  std::unique_ptr<ProgressView> Open(std::function<void()> on_stop) override;
};

class TerminalQuestions final : public WorkerQuestions {
 public:
  MessageAnswer Ask(const std::string& text, MessageIcon icon, MessageButtons buttons) override;
  void PostNotice(const std::string& text, MessageIcon icon) override;
  void AnswerWith(MessageAnswer answer) { answer_ = answer; }

 private:
  MessageAnswer answer_ = MessageAnswer::No;
};

class TerminalJobRunner final : public JobRunner {
 public:
  TerminalJobRunner();
  JobOutcome Run(const JobSpec& request, const std::function<int(JobContext&)>& work,
                 const std::function<void()>& on_stop = {}) override;
  TerminalQuestions& Questions() { return questions_; }

 private:
  SteadyClock clock_;
  PollingLoop loop_;
  TerminalViews views_;
  TerminalQuestions questions_;
  ProgressJobRunner runner_;
};

}  // namespace mivrel
