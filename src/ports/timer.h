// A repeating timer whose ticks run on the user-interface thread (the progress
// display's 200 ms tick).  The desktop program implements it with a toolkit
// timer; the command-line tool and the tests drive the ticks from their own
// waiting loop.
//
// Thread rules: create, start, stop and destroy on the user-interface thread.
#pragma once

#include <cstdint>
#include <functional>

namespace mivrel {

class Timer {
 public:
  virtual ~Timer() = default;
  // Calls `on_tick` every `interval_ms` until Stop() or destruction.  Starting
  // a running timer replaces its interval and callback.
  virtual void Start(std::uint32_t interval_ms, std::function<void()> on_tick) = 0;
  // Harmless when the timer is not running.
  virtual void Stop() = 0;
};

}  // namespace mivrel
