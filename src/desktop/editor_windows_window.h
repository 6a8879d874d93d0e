// The EditorWindows port over the two editor dialogs, modal to the main
// window.  User-interface thread only.
#pragma once

#include "shell/editor_commands.h"
#include "desktop/editor_common_window.h"

class wxWindow;

namespace mivrel {

class DesktopEditorWindows final : public EditorWindows {
 public:
  // Borrows both; they outlive this object.
  DesktopEditorWindows(wxWindow* owner, const EditorWindowContext& context)
      : m_owner(owner), m_context(context) {}

  bool ShowEntryEditor(EntryEditor& editor, EntryForm& form, EditorPage& saved_page) override;
  bool ShowCategoryEditor(CategoryEditor& editor, CategoryForm& form, EditorPage& saved_page) override;

 private:
  wxWindow* m_owner;
  const EditorWindowContext& m_context;
};

}  // namespace mivrel
