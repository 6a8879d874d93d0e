// The progress window: title "  工作进度指示", the caption label, "停止", the
// time label and a bar of range 0-10000.  It is modeless; while it is up its
// owner window (the main window or the options dialog) is disabled.  The job
// runner drives it through the ProgressView port; its 200 ms tick comes from
// the runner's timer.  WindowJobRunner is the desktop program's job runner:
// one per owner window.
//
// User-interface thread only.
#pragma once

#include <memory>

#include "base/clock.h"
#include "framework/wx_job_ports.h"
#include "jobs/progress_job_runner.h"
#include "ports/progress_view.h"

class wxWindow;

namespace mivrel {

class EventObserver;

// True while any progress window is open, that is while a job may be using
// the database on its worker.
bool ProgressWindowOpen();

// The observer the progress windows report opening, closing and captions to
// (the GUI tests' report); null for none.
void SetProgressObserver(EventObserver* observer);

// Opens progress windows over one owner window.
class WxProgressViews final : public ProgressViews {
 public:
  // `observer` (may be null) is told when a window opens and closes, with
  // whether its owner and the main window take input, and of captions.
  WxProgressViews(wxWindow* owner, EventObserver* observer) : owner_(owner), observer_(observer) {}
  // The window is destroyed and the owner enabled again when the returned
  // view is destroyed (once; destroying it is the only way to close it).
  std::unique_ptr<ProgressView> Open(std::function<void()> on_stop) override;

 private:
  wxWindow* owner_;
  EventObserver* observer_;
};

// Jobs whose progress window is owned by `owner`: a wx timer for the 200 ms
// tick, the nested-loop wait, questions and notices through `ui`.
class WindowJobRunner final : public JobRunner {
 public:
  WindowJobRunner(wxWindow* owner, Ui& ui, EventObserver* observer);
  JobOutcome Run(const JobSpec& request, const std::function<int(JobContext&)>& work,
                 const std::function<void()>& on_stop = {}) override;
  // Posts "执行成功" and the like so that the caller goes on at once.
  WorkerQuestions& Questions() { return questions_; }

 private:
  WxProgressViews views_;
  WxTimer timer_;
  WxEventPump pump_;
  SteadyClock clock_;
  WxWorkerQuestions questions_;
  ProgressJobRunner runner_;
};

}  // namespace mivrel
