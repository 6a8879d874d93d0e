// An event pump and a timer for callers without a toolkit event loop (the
// command-line tool, tests): waiting sleeps, and the timer's callback runs from
// the waiting loop whenever its interval has passed on the given clock.
//
// Thread rules: one thread (the one that waits).
#pragma once

#include <cstdint>
#include <functional>

#include "ports/job_runner.h"
#include "ports/timer.h"

namespace mivrel {

class Clock;

class PollingLoop final : public EventPump, public Timer {
 public:
  using Sleep = std::function<void(std::uint32_t ms)>;
  // `sleep` defaults to sleeping the thread; tests pass one that moves a fake
  // clock.
  explicit PollingLoop(Clock& clock, Sleep sleep = {});

  void HandleEventsFor(std::uint32_t wait_ms) override;
  void Start(std::uint32_t interval_ms, std::function<void()> on_tick) override;
  void Stop() override;

 private:
  Clock& clock_;
  Sleep sleep_;
  std::function<void()> on_tick_;
  std::uint32_t interval_ms_ = 0;
  std::uint32_t last_tick_ms_ = 0;
};

}  // namespace mivrel
