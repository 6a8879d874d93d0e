// What a long job sees while it runs: its progress, the stop flag and a way to
// ask the user a question.  The desktop program hands a job the context of the
// progress window; the command-line tool one that reports on standard error and
// answers from its options; tests a recording double.
//
// Thread rules: a job calls these from the thread it runs on (a worker or the
// user-interface thread).  Every method may be called from a worker; Ask blocks
// the worker until the user has answered on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

#include "ports/ui.h"

namespace mivrel {

class JobContext {
 public:
  virtual ~JobContext() = default;
  // The range the position runs over; a range of 0 lets the bar advance by
  // itself (the job cannot count its items).
  virtual void SetRange(std::int64_t maximum) = 0;
  // Where the job has got to, in the units of the range.  Cheap; call it after
  // every item.
  virtual void SetPosition(std::int64_t position) = 0;
  // Replaces the caption above the bar (GB18030).
  virtual void SetCaption(const std::string& caption) = 0;
  // True once the user has confirmed "停止".  A job reads it between items,
  // finishes what must be finished and returns normally.
  [[nodiscard]] virtual bool StopRequested() const = 0;
  // Asks the user a question in a message box titled "Mivrel" (question icon,
  // No as the default) and returns the answer.
  [[nodiscard]] virtual MessageAnswer Ask(const std::string& text, MessageButtons buttons) = 0;
};

}  // namespace mivrel
