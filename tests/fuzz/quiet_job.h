// The job context of the import fuzz targets: no progress, never stopped, and
// questions answered Yes and No in turn, so that both answers' paths run.
#pragma once

#include <string>

#include "ports/quiet_job.h"

namespace mivrel::fuzzing {

class QuietJob final : public mivrel::QuietJob {
 public:
  MessageAnswer Ask(const std::string&, MessageButtons) override {
    return (++asked_ % 2) != 0 ? MessageAnswer::Yes : MessageAnswer::No;
  }

 private:
  int asked_ = 0;
};

}  // namespace mivrel::fuzzing
