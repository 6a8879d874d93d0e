// What the two editor windows share: the program services they use, the
// icon preview, and copying a ChoiceList into a drop-down list and back.
// User-interface thread only.
#pragma once

#include <functional>
#include <string>

#include <wx/choice.h>
#include <wx/panel.h>

#include "editors/choice_list.h"
#include "editors/editor_page.h"
#include "ports/ui.h"

namespace mivrel {

class IniFile;
class Ui;
struct Settings;

// Borrowed by the editor windows; everything outlives them.
struct EditorWindowContext {
  Ui& ui;
  Settings& settings;          // 编辑 W/H, kept and written on every close
  const IniFile& ini;
  std::string application_folder;  // GB18030, ends with a separator: "htmedit" is here
  std::string page_folder;         // GB18030: the web view's base (images of shown pages)
  std::function<void()> automatic_backup_check;  // before an existing row is changed
  std::function<void()> success_notice;          // "执行成功", without waiting for it
};

// A 35 x 35 area in the dialog face colour with the icon "<prefix>NN" (16 x
// 16) drawn at its top-left corner; nothing when no icon is set.
class IconPreview final : public wxPanel {
 public:
  IconPreview(wxWindow* parent, const wxPoint& position, const char* prefix);
  // -1: no icon.
  void ShowIcon(int index);

 private:
  void OnPaint();
  const char* m_prefix;
  int m_index = -1;
};

// Replaces the control's items by the list's and selects its selection.
void FillChoice(wxChoice* control, const ChoiceList& list);
// The control's selection as the list's selection (-1 for none).
void ReadChoice(const wxChoice* control, ChoiceList& list);

// Shows what a save reports (the failures beside it, then its own failure,
// each with the stop icon) and returns whether the row was saved.
bool ShowSaveReport(const SaveReport& report, Ui& ui);

}  // namespace mivrel
