#include "jobs/polling_loop.h"

#include <chrono>
#include <thread>

#include "base/clock.h"

namespace mivrel {

PollingLoop::PollingLoop(Clock& clock, Sleep sleep) : clock_(clock), sleep_(std::move(sleep)) {
  if (!sleep_) {
    sleep_ = [](std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  }
}

void PollingLoop::HandleEventsFor(std::uint32_t wait_ms) {
  sleep_(wait_ms);
  if (!on_tick_) return;
  const std::uint32_t now = clock_.NowMs();
  if (now - last_tick_ms_ >= interval_ms_) {
    last_tick_ms_ = now;
    on_tick_();
  }
}

void PollingLoop::Start(std::uint32_t interval_ms, std::function<void()> on_tick) {
  interval_ms_ = interval_ms;
  on_tick_ = std::move(on_tick);
  last_tick_ms_ = clock_.NowMs();
}

void PollingLoop::Stop() { on_tick_ = nullptr; }

}  // namespace mivrel
