#include "framework/wx_file_dialogs.h"

#include <wx/filedlg.h>

#include "framework/wx_text.h"

namespace mivrel {

std::string WxFileDialogs::ChooseSavePath(const FileDialogRequest& request) {
  return Choose(request, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
}

std::string WxFileDialogs::ChooseOpenPath(const FileDialogRequest& request) {
  return Choose(request, wxFD_OPEN);
}

std::string WxFileDialogs::Choose(const FileDialogRequest& request, long style) {
  wxFileDialog dialog(owner_, GbToWx(request.title), wxEmptyString,
                      GbToWx(request.proposed_name), GbToWx(request.filter), style);
  if (dialog.ShowModal() != wxID_OK) return std::string();
  return WxToGb(dialog.GetPath());
}

}  // namespace mivrel
