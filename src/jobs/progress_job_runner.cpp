#include "jobs/progress_job_runner.h"

#include <memory>

#include "base/clock.h"
#include "jobs/worker_job.h"
#include "ports/progress_view.h"
#include "ports/timer.h"
#include "ports/worker_questions.h"

namespace mivrel {
namespace {

// What the work sees: the shared progress state, and questions routed to the
// user-interface thread.
class ProgressContext final : public JobContext {
 public:
  ProgressContext(ProgressState& state, WorkerQuestions& questions)
      : state_(state), questions_(questions) {}
  void SetRange(std::int64_t maximum) override { state_.SetRange(maximum); }
  void SetPosition(std::int64_t position) override { state_.SetPosition(position); }
  void SetCaption(const std::string& caption) override { state_.SetCaption(caption); }
  bool StopRequested() const override { return state_.StopRequested(); }
  MessageAnswer Ask(const std::string& text, MessageButtons buttons) override {
    return questions_.Ask(text, MessageIcon::Question, buttons);
  }

 private:
  ProgressState& state_;
  WorkerQuestions& questions_;
};

}  // namespace

JobOutcome ProgressJobRunner::Run(const JobSpec& request, const std::function<int(JobContext&)>& work,
                                  const std::function<void()>& on_stop) {
  // The state is shared by the one running job; a second job started from an
  // event handled during the wait would overwrite it.
  if (running_) return {kJobRefused, false};
  running_ = true;
  state_.Open(request.caption, request.maximum, ports_.clock.NowMs());
  std::unique_ptr<ProgressView> view;
  view = ports_.views.Open([this, &view, &on_stop] {
    if (view) ConfirmStop(*view, on_stop);
  });
  if (!request.caption.empty()) view->SetCaption(request.caption);
  view->SetTimeText(kProgressTimeLabel);
  view->SetBar(0);
  ports_.timer.Start(kProgressTickMs, [this, &view] { ShowTick(*view); });

  ProgressContext context(state_, ports_.questions);
  JobOutcome outcome;
  {
    WorkerJob job([&work, &context] { return work(context); });
    outcome.result = WaitForJob(job, ports_.pump);
  }
  outcome.stopped = state_.StopRequested();

  ports_.timer.Stop();
  view.reset();
  // Lets the owner window, enabled again, repaint before the caller reports.
  ports_.pump.HandleEventsFor(0);
  running_ = false;
  return outcome;
}

void ProgressJobRunner::ShowTick(ProgressView& view) {
  const ProgressFrame frame = state_.Tick(ports_.clock.NowMs());
  if (frame.bar) view.SetBar(*frame.bar);
  view.SetTimeText(frame.time_text);
  if (frame.caption) view.SetCaption(*frame.caption);
}

void ProgressJobRunner::ConfirmStop(ProgressView& view, const std::function<void()>& on_stop) {
  if (view.AskStop(kStopQuestion) != MessageAnswer::Yes) return;
  state_.RequestStop();
  if (on_stop) on_stop();
}

}  // namespace mivrel
