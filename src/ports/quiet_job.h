// A job context with nobody watching: no progress shown, never stopped, every
// question answered No.  For work run where no window is (mivrel-tool's
// deletion, the benchmarks; the fuzz targets answer differently).  Any thread.
#pragma once

#include <cstdint>
#include <string>

#include "ports/job_context.h"

namespace mivrel {

class QuietJob : public JobContext {
 public:
  void SetRange(std::int64_t) override {}
  void SetPosition(std::int64_t) override {}
  void SetCaption(const std::string&) override {}
  bool StopRequested() const override { return false; }
  MessageAnswer Ask(const std::string&, MessageButtons) override { return MessageAnswer::No; }
};

}  // namespace mivrel
