// The job runner behind the progress window and the tool's terminal progress:
// opens the progress state and its view, ticks the display every 200 ms,
// starts the work on a worker thread, waits while handling events, asks
// "你真的要终止操作吗？" when the user presses "停止", and closes the view.
// Everything that touches the screen comes in through ports, so the same
// runner serves the desktop program, the tool and the tests.
//
// One per owner window (or per tool run); all ports borrowed and must outlive
// it.  User-interface thread only (the work itself runs on the worker).
#pragma once

#include "jobs/progress_state.h"
#include "ports/job_runner.h"

namespace mivrel {

class Clock;
class ProgressView;
class ProgressViews;
class Timer;
class WorkerQuestions;

// The display tick's period.
constexpr std::uint32_t kProgressTickMs = 200;
constexpr const char* kStopQuestion = "你真的要终止操作吗？";
constexpr const char* kProgressTimeLabel = "进度";

// Result of Run when another job is still running: nothing was started.
constexpr int kJobRefused = -1;

struct JobPorts {
  ProgressViews& views;
  Timer& timer;
  EventPump& pump;
  Clock& clock;
  WorkerQuestions& questions;
};

class ProgressJobRunner final : public JobRunner {
 public:
  explicit ProgressJobRunner(const JobPorts& ports) : ports_(ports) {}

  JobOutcome Run(const JobSpec& request, const std::function<int(JobContext&)>& work,
                 const std::function<void()>& on_stop = {}) override;

  // The state of the running job (for displays that read it directly).
  const ProgressState& State() const { return state_; }

 private:
  void ShowTick(ProgressView& view);
  void ConfirmStop(ProgressView& view, const std::function<void()>& on_stop);

  JobPorts ports_;
  ProgressState state_;
  bool running_ = false;
};

}  // namespace mivrel
