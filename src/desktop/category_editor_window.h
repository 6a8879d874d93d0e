// The category editor's window, "编辑分类": name, parent, priority and icon
// of a CategoryForm, the unify-icon box and the save button.  The rules are
// CategoryEditor's; this window shows and reads back.
//
// Shown modal to its owner with ShowModal; returns wxID_OK after a save
// (SavedPage then tells what to show).  Fixed size, no kept geometry.
// User-interface thread only.
#pragma once

#include <wx/dialog.h>

#include "editors/category_editor.h"
#include "desktop/editor_common_window.h"

class wxButton;
class wxCheckBox;
class wxTextCtrl;

namespace mivrel {

class CategoryEditorWindow final : public wxDialog {
 public:
  CategoryEditorWindow(wxWindow* owner, CategoryEditor& editor, CategoryForm& form,
                       const EditorWindowContext& context);

  EditorPage SavedPage() const { return m_saved_page; }

 private:
  void OnSave();

  CategoryEditor& m_editor;
  CategoryForm& m_form;
  const EditorWindowContext& m_context;
  EditorPage m_saved_page;

  wxTextCtrl* m_name = nullptr;
  wxChoice* m_priority = nullptr;
  wxChoice* m_parent = nullptr;
  wxChoice* m_icon = nullptr;
  wxButton* m_save = nullptr;
  wxCheckBox* m_unify_icon = nullptr;
  IconPreview* m_preview = nullptr;
};

}  // namespace mivrel
