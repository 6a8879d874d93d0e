// Doubles for running jobs headless: a progress view that records what it was
// shown and answers "停止" from a script, questions answered from a script, and
// a harness whose waiting loop moves a fake clock 50 ms per poll (so the
// display ticks every fourth poll) and can press "停止" on chosen polls.
#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "jobs/polling_loop.h"
#include "jobs/progress_job_runner.h"
#include "ports/progress_view.h"
#include "ports/worker_questions.h"
#include "support/recording_ui.h"

namespace mivrel::testing {

struct ViewRecord {
  std::vector<std::string> captions;
  std::vector<int> bars;
  std::vector<std::string> times;
  std::deque<MessageAnswer> stop_answers;  // No when empty
  int stop_questions = 0;
  int opened = 0;
  int closed = 0;
  std::function<void()> press_stop;  // valid while a view is open
};

class RecordingView final : public ProgressView {
 public:
  RecordingView(ViewRecord& record, std::function<void()> on_stop) : record_(record) {
    ++record_.opened;
    record_.press_stop = std::move(on_stop);
  }
  ~RecordingView() override {
    ++record_.closed;
    record_.press_stop = nullptr;
  }
  void SetCaption(const std::string& caption) override { record_.captions.push_back(caption); }
  void SetBar(int value) override { record_.bars.push_back(value); }
  void SetTimeText(const std::string& text) override { record_.times.push_back(text); }
  MessageAnswer AskStop(const std::string& text) override {
    ++record_.stop_questions;
    if (record_.stop_answers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = record_.stop_answers.front();
    record_.stop_answers.pop_front();
    return answer;
  }

 private:
  ViewRecord& record_;
};

class RecordingViews final : public ProgressViews {
 public:
  std::unique_ptr<ProgressView> Open(std::function<void()> on_stop) override {
    return std::make_unique<RecordingView>(record, std::move(on_stop));
  }
  ViewRecord record;
};

class ScriptedQuestions final : public WorkerQuestions {
 public:
  MessageAnswer Ask(const std::string& text, MessageIcon, MessageButtons) override {
    asked.push_back(text);
    return MessageAnswer::Yes;
  }
  void PostNotice(const std::string& text, MessageIcon) override { notices.push_back(text); }
  std::vector<std::string> asked;
  std::vector<std::string> notices;
};

class JobHarness {
 public:
  JobHarness()
      : loop_(clock, [this](std::uint32_t ms) {
          // Real time passes too, so that the worker gets on.
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
          clock.Advance(ms);
          const int poll = ++polls;
          if (const auto action = on_poll.find(poll); action != on_poll.end()) action->second();
        }),
        runner(JobPorts{views, loop_, loop_, clock, questions}) {}

  // For the work: returns once the waiting side has polled `count` more times
  // (at least one display tick for every four).
  void WaitForPolls(int count) {
    const int until = polls.load() + count;
    while (polls.load() < until) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

  FakeClock clock;
  RecordingViews views;
  ScriptedQuestions questions;
  std::atomic<int> polls{0};
  std::map<int, std::function<void()>> on_poll;  // poll number -> what the user does

 private:
  PollingLoop loop_;

 public:
  ProgressJobRunner runner;
};

}  // namespace mivrel::testing
