// Start job and wait: a piece of work on its own thread, and the waiting loop
// of the user-interface thread, which keeps handling events and looks at the
// job every 50 ms.
//
// Thread rules: construct, poll and destroy a WorkerJob on one thread (the
// user-interface thread); the work runs on the job's thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

namespace mivrel {

class EventPump;

class WorkerJob {
 public:
  // Starts `work` on a new thread at once.
  explicit WorkerJob(std::function<int()> work);
  // Waits for the thread if it is still running.
  ~WorkerJob();
  WorkerJob(const WorkerJob&) = delete;
  WorkerJob& operator=(const WorkerJob&) = delete;

  bool Finished() const { return finished_.load(std::memory_order_acquire); }
  // The work's return value.  REQUIRES: Finished().
  int Result() const { return result_; }

 private:
  int result_ = 0;
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

// How often the waiting side looks at the job.
constexpr std::uint32_t kJobPollMs = 50;

// Handles events in steps of 50 ms until the job has ended; returns its result.
int WaitForJob(WorkerJob& job, EventPump& pump);

}  // namespace mivrel
