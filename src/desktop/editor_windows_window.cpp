#include "desktop/editor_windows_window.h"

#include "desktop/category_editor_window.h"
#include "desktop/entry_editor_window.h"
#include "ports/event_observer.h"

namespace mivrel {

bool DesktopEditorWindows::ShowEntryEditor(EntryEditor& editor, EntryForm& form,
                                           EditorPage& saved_page) {
  EntryEditorWindow window(m_owner, editor, form, m_context);
  Observe(m_observer, "dialog", "编辑资料");
  if (window.ShowModal() != wxID_OK) return false;
  saved_page = window.SavedPage();
  return true;
}

bool DesktopEditorWindows::ShowCategoryEditor(CategoryEditor& editor, CategoryForm& form,
                                              EditorPage& saved_page) {
  CategoryEditorWindow window(m_owner, editor, form, m_context);
  Observe(m_observer, "dialog", "编辑分类");
  if (window.ShowModal() != wxID_OK) return false;
  saved_page = window.SavedPage();
  return true;
}

}  // namespace mivrel
