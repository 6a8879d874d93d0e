// The millisecond counter behind every timing the user sees.  It is a 32-bit
// unsigned value that wraps; differences are taken as unsigned.
#pragma once

#include <cstdint>

namespace mivrel {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t NowMs() = 0;
};

// Milliseconds since an arbitrary start, from a steady clock.  Thread-safe.
class SteadyClock final : public Clock {
 public:
  uint32_t NowMs() override;
};

// A process-wide steady clock for code that has no clock injected.
Clock& SystemClock();

}  // namespace mivrel
