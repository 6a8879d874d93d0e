// The FileDialogs port over the toolkit's file dialogs, owned by the main
// window.  User-interface thread only.
#pragma once

#include <string>

#include "ports/file_dialogs.h"

class wxWindow;

namespace mivrel {

class WxFileDialogs final : public FileDialogs {
 public:
  // Borrows `owner`, which must outlive the dialogs it shows.
  explicit WxFileDialogs(wxWindow* owner) : owner_(owner) {}

  std::string ChooseSavePath(const FileDialogRequest& request) override;
  std::string ChooseOpenPath(const FileDialogRequest& request) override;

 private:
  std::string Choose(const FileDialogRequest& request, long style);

  wxWindow* owner_;
};

}  // namespace mivrel
