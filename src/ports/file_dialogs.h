// The file choosers of the import and export commands: a save dialog that asks
// before overwriting and an open dialog for an existing file.  The desktop
// program shows the toolkit's dialogs owned by the main window; tests answer
// from a script (MemoryFileDialogs).  User-interface thread only.
#pragma once

#include <string>

namespace mivrel {

// Texts and paths are GB18030.  A filter is the "label|pattern|label|pattern"
// list, patterns separated by ";".
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string proposed_name;  // save dialog only
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or empty when the user cancelled.  The save dialog has
  // already asked before an existing file is replaced.
  virtual std::string ChooseSavePath(const FileDialogRequest& request) = 0;
  virtual std::string ChooseOpenPath(const FileDialogRequest& request) = 0;
};

}  // namespace mivrel
