// Long jobs: a piece of work that runs on a worker thread while the
// user-interface thread shows its progress and keeps handling events.  The
// desktop program's runner shows the progress window over its owner window
// (disabled meanwhile); the command-line tool's runner reports on standard
// error; tests run the work with a recording context.
//
// Thread rules: Run is called on the user-interface thread and returns when
// the work has ended.  Only one job runs at a time; the work may use the
// database connection because the windows that could start other database work
// are disabled while it runs.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ports/job_context.h"

namespace mivrel {

struct JobSpec {
  std::string caption;  // GB18030, the text above the bar
  // The range of the position; 0 lets the bar advance by itself over 1-100
  // (the job cannot count its items).  The job may change it with SetRange.
  std::int64_t maximum = 0;
};

struct JobOutcome {
  int result = 0;        // what the work returned (an SQLite result code, a count, ...)
  bool stopped = false;  // the user confirmed "停止" while it ran
};

class JobRunner {
 public:
  virtual ~JobRunner() = default;
  // Opens progress, runs `work` on a worker thread with a context that reports
  // to it, waits (handling events, polling every 50 ms), closes progress and
  // returns what the work returned.  `on_stop`, when given, runs on the
  // user-interface thread as soon as the user confirms "停止" (to interrupt a
  // statement that reads no stop flag).
  virtual JobOutcome Run(const JobSpec& request, const std::function<int(JobContext&)>& work,
                         const std::function<void()>& on_stop = {}) = 0;
};

// What the waiting side does between polls.
class EventPump {
 public:
  virtual ~EventPump() = default;
  // Handles pending events, then waits up to `wait_ms` (events arriving
  // meanwhile are handled too where the toolkit allows).
  virtual void HandleEventsFor(std::uint32_t wait_ms) = 0;
};

}  // namespace mivrel
