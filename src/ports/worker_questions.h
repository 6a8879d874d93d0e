// Messages to the user that do not come from the user-interface thread, or
// that must not hold it up: a worker's question, answered in a message box on
// the user-interface thread while the worker waits, and the "执行成功" notice,
// which is posted so that the caller goes on at once.
//
// Thread rules: Ask may be called from a worker thread only while the
// user-interface thread keeps handling events (it does while it waits for the
// job); calling it on the user-interface thread itself shows the box directly.
// PostNotice may be called from any thread.
#pragma once

#include <string>

#include "ports/ui.h"

namespace mivrel {

class WorkerQuestions {
 public:
  virtual ~WorkerQuestions() = default;
  // Shows a message box titled "Mivrel" on the user-interface thread and
  // returns the answer; the calling thread blocks until it is given.  Questions
  // default to No.
  [[nodiscard]] virtual MessageAnswer Ask(const std::string& text, MessageIcon icon,
                                          MessageButtons buttons) = 0;
  // Queues a message box with no owner (information icon for "执行成功") and
  // returns at once; the box appears when the user-interface thread next
  // handles events.
  virtual void PostNotice(const std::string& text, MessageIcon icon) = 0;
};

}  // namespace mivrel
