// The find-in-page dialog in the program's language: the text to find, whole
// word, match case, direction, "查找下一个" and "关闭".  Modeless; when nothing is
// found it says so ("找不到“…”。") instead of staying silent.  The search itself
// is the owner's (a callback), so the dialog knows nothing of the web view.
// User-interface thread only.
#pragma once

#include <functional>

#include <wx/dialog.h>
#include <wx/string.h>

class wxCheckBox;
class wxRadioBox;
class wxTextCtrl;

namespace mivrel {

struct FindRequest {
  wxString text;
  bool whole_word = false;
  bool match_case = false;
  bool backwards = false;
};

class FindDialog final : public wxDialog {
 public:
  // `find` runs one search and returns false when nothing was found;
  // `closed` runs when the dialog goes away (after it, the dialog is destroyed).
  FindDialog(wxWindow* parent, std::function<bool(const FindRequest&)> find,
             std::function<void()> closed);

  // Searches for `text` as the "查找下一个" button would (for test commands).
  void FindText(const wxString& text);
  // Every label of the dialog, title first, joined by "|" (for test commands).
  wxString Labels() const;

 private:
  void FindNext();
  void CloseDialog();

  std::function<bool(const FindRequest&)> find_;
  std::function<void()> closed_;
  wxTextCtrl* text_ = nullptr;
  wxCheckBox* whole_word_ = nullptr;
  wxCheckBox* match_case_ = nullptr;
  wxRadioBox* direction_ = nullptr;
};

}  // namespace mivrel
