// The job context of the import fuzz targets: no progress, never stopped, and
// questions answered Yes and No in turn, so that both answers' paths run.
#pragma once

#include <cstdint>
#include <string>

#include "ports/job_context.h"

namespace mivrel::fuzzing {

class QuietJob final : public JobContext {
 public:
  void SetRange(std::int64_t) override {}
  void SetPosition(std::int64_t) override {}
  void SetCaption(const std::string&) override {}
  bool StopRequested() const override { return false; }
  MessageAnswer Ask(const std::string&, MessageButtons) override {
    return (++asked_ % 2) != 0 ? MessageAnswer::Yes : MessageAnswer::No;
  }

 private:
  int asked_ = 0;
};

}  // namespace mivrel::fuzzing
