#include "base/clock.h"

#include <chrono>

namespace mivrel {

uint32_t SteadyClock::NowMs() {
  using namespace std::chrono;
  return static_cast<uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

Clock& SystemClock() {
  static SteadyClock clock;
  return clock;
}

}  // namespace mivrel
