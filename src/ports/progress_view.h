// The progress window as the core sees it: a caption label, a bar of range
// 0-10000, the elapsed-time label and a "停止" button.  The desktop program
// shows a window; the command-line tool a line on standard error.
//
// Thread rules: every method is called on the user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ports/ui.h"

namespace mivrel {

class ProgressView {
 public:
  virtual ~ProgressView() = default;
  // The label above the bar (GB18030).
  virtual void SetCaption(const std::string& caption) = 0;
  // Bar value 0-10000.
  virtual void SetBar(int value) = 0;
  // The time label ("进度" until the first tick).
  virtual void SetTimeText(const std::string& text) = 0;
  // A question owned by the progress window (Yes/No, No the default, question
  // icon, title "Mivrel").
  [[nodiscard]] virtual MessageAnswer AskStop(const std::string& text) = 0;
};

// Opens progress views.  The view exists from Open until the returned object is
// destroyed; while it exists its owner window is disabled.  `on_stop` is called
// (on the user-interface thread) when the user presses "停止" or closes the
// window by its title bar.
class ProgressViews {
 public:
  virtual ~ProgressViews() = default;
  [[nodiscard]] virtual std::unique_ptr<ProgressView> Open(std::function<void()> on_stop) = 0;
};

}  // namespace mivrel
