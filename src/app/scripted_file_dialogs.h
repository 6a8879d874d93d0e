// The file dialogs the application chooses at start while the GUI tests watch
// the program: the toolkit's dialogs cannot be answered through the test
// channel, so each request is reported to the observer ("file-dialog-save" or
// "file-dialog-open" with the dialog's title) and answered with the next path
// a test queued (the "file-answer" test command), or as cancelled when none is
// queued.  User-interface thread only.
#pragma once

#include <string>

#include "ports/event_observer.h"
#include "ports/file_dialogs.h"
#include "ports/memory_file_dialogs.h"

namespace mivrel {

class ScriptedFileDialogs final : public FileDialogs {
 public:
  // Borrows `observer`; it must outlive this.
  explicit ScriptedFileDialogs(EventObserver& observer) : observer_(observer) {}

  // The answer of the next dialog: a GB18030 path, or empty for a cancel.
  void QueueAnswer(const std::string& gb_path) { answers_.answers.push_back(gb_path); }

  std::string ChooseSavePath(const FileDialogRequest& request) override {
    observer_.Observe("file-dialog-save", request.title);
    return answers_.ChooseSavePath(request);
  }
  std::string ChooseOpenPath(const FileDialogRequest& request) override {
    observer_.Observe("file-dialog-open", request.title);
    return answers_.ChooseOpenPath(request);
  }

 private:
  EventObserver& observer_;
  MemoryFileDialogs answers_;
};

}  // namespace mivrel
