// The progress window: title "  工作进度指示", the caption label, "停止", the
// time label and a bar of range 0-10000.  It is modeless; while it is up its
// owner window (the main window or the options dialog) is disabled.  The job
// runner drives it through the ProgressView port; its 200 ms tick comes from
// the runner's timer.
//
// User-interface thread only.
#pragma once

#include <memory>

#include "ports/progress_view.h"

class wxWindow;

namespace mivrel {

// Opens progress windows over one owner window.
class WxProgressViews final : public ProgressViews {
 public:
  explicit WxProgressViews(wxWindow* owner) : owner_(owner) {}
  // The window is destroyed and the owner enabled again when the returned
  // view is destroyed (once; destroying it is the only way to close it).
  std::unique_ptr<ProgressView> Open(std::function<void()> on_stop) override;

 private:
  wxWindow* owner_;
};

}  // namespace mivrel
