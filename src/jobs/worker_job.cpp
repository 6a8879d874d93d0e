#include "jobs/worker_job.h"

#include "ports/job_runner.h"

namespace mivrel {

WorkerJob::WorkerJob(std::function<int()> work)
    : thread_([this, work = std::move(work)] {
        result_ = work();
        finished_.store(true, std::memory_order_release);
      }) {}

WorkerJob::~WorkerJob() {
  if (thread_.joinable()) thread_.join();
}

int WaitForJob(WorkerJob& job, EventPump& pump) {
  while (!job.Finished()) pump.HandleEventsFor(kJobPollMs);
  return job.Result();
}

}  // namespace mivrel
