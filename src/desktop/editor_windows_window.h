// The EditorWindows port over the two editor dialogs, modal to the main
// window.  User-interface thread only.
#pragma once

#include "shell/editor_commands.h"
#include "desktop/editor_common_window.h"

class wxWindow;

namespace mivrel {

class EventObserver;

class DesktopEditorWindows final : public EditorWindows {
 public:
  // Borrows all; they outlive this object.  `observer` (may be null) hears
  // "dialog" with the caption when an editor opens.
  DesktopEditorWindows(wxWindow* owner, const EditorWindowContext& context, EventObserver* observer)
      : m_owner(owner), m_context(context), m_observer(observer) {}

  bool ShowEntryEditor(EntryEditor& editor, EntryForm& form, EditorPage& saved_page) override;
  bool ShowCategoryEditor(CategoryEditor& editor, CategoryForm& form, EditorPage& saved_page) override;

 private:
  wxWindow* m_owner;
  const EditorWindowContext& m_context;
  EventObserver* m_observer;
};

}  // namespace mivrel
