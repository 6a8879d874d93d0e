#include "framework/wx_job_ports.h"

#include <future>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/thread.h>

#include "ports/ui.h"

namespace mivrel {

WxTimer::WxTimer() {
  timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (on_tick_) on_tick_();
  });
}

void WxTimer::Start(std::uint32_t interval_ms, std::function<void()> on_tick) {
  on_tick_ = std::move(on_tick);
  timer_.Start(static_cast<int>(interval_ms));
}

void WxTimer::Stop() {
  timer_.Stop();
  on_tick_ = nullptr;
}

void WxEventPump::HandleEventsFor(std::uint32_t wait_ms) {
  wxGUIEventLoop loop;
  wxTimer wake;
  // A question from the worker may show a modal box inside this loop; the wake
  // then comes while the box's own loop runs, so the exit is scheduled for when
  // control is back in this loop rather than asked of a loop that is not the
  // innermost.
  wake.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.ScheduleExit(); });
  wake.StartOnce(wait_ms == 0 ? 1 : static_cast<int>(wait_ms));
  loop.Run();
}

MessageAnswer WxWorkerQuestions::Ask(const std::string& text, MessageIcon icon, MessageButtons buttons) {
  if (wxIsMainThread()) return ui_.ShowMessage(text, icon, buttons);
  std::promise<MessageAnswer> answer;
  std::future<MessageAnswer> ready = answer.get_future();
  wxTheApp->CallAfter([this, &answer, text, icon, buttons] {
    answer.set_value(ui_.ShowMessage(text, icon, buttons));
  });
  return ready.get();
}

void WxWorkerQuestions::PostNotice(const std::string& text, MessageIcon icon) {
  Ui* ui = &ui_;
  wxTheApp->CallAfter([ui, text, icon] { ui->ShowMessage(text, icon, MessageButtons::Ok, MessageOwner::None); });
}

}  // namespace mivrel
