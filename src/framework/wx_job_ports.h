// The job ports over wx: a timer, the waiting loop that keeps handling events,
// and questions from a worker shown on the user-interface thread.
//
// User-interface thread only, except WxWorkerQuestions::Ask and PostNotice,
// which any thread may call.
#pragma once

#include <functional>

#include <wx/timer.h>

#include "ports/job_runner.h"
#include "ports/timer.h"
#include "ports/worker_questions.h"

namespace mivrel {

class Ui;

class WxTimer final : public Timer {
 public:
  WxTimer();
  void Start(std::uint32_t interval_ms, std::function<void()> on_tick) override;
  void Stop() override;

 private:
  wxTimer timer_;
  std::function<void()> on_tick_;
};

// Runs a nested event loop for the wait, so that input, paints and posted
// calls are handled as they come rather than once per poll.
class WxEventPump final : public EventPump {
 public:
  void HandleEventsFor(std::uint32_t wait_ms) override;
};

// Message boxes through the program's Ui, always on the user-interface thread.
class WxWorkerQuestions final : public WorkerQuestions {
 public:
  explicit WxWorkerQuestions(Ui& ui) : ui_(ui) {}
  MessageAnswer Ask(const std::string& text, MessageIcon icon, MessageButtons buttons) override;
  void PostNotice(const std::string& text, MessageIcon icon) override;

 private:
  Ui& ui_;
};

}  // namespace mivrel
