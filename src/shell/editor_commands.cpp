#include "shell/editor_commands.h"

#include "ports/ui.h"
#include "editors/category_editor.h"
#include "editors/entry_editor.h"
#include "editors/external_editor.h"
#include "ports/browser_pane.h"
#include "shell/directory_tree.h"
#include "shell/history.h"
#include "ports/page_opener.h"

namespace mivrel {

namespace {

// Counts an open editor window for as long as it is open.
class OpenMark {
 public:
  explicit OpenMark(int& open) : m_open(open) { ++m_open; }
  ~OpenMark() { --m_open; }
  OpenMark(const OpenMark&) = delete;
  OpenMark& operator=(const OpenMark&) = delete;

 private:
  int& m_open;
};

}  // namespace

EditorCommands::EditorCommands(Database& db, Ui& ui, History& history, DirectoryTree& tree,
                               PageOpener& pages, BrowserPane& pane,
                               const PageTemplate& page_template, EditorWindows& windows)
    : m_db(db), m_ui(ui), m_history(history), m_tree(tree), m_pages(pages), m_pane(pane),
      m_template(page_template), m_windows(windows) {}

EditorPage EditorCommands::CurrentPage() const {
  const HistoryRecord* page = m_history.CurrentPage();
  if (page == nullptr) return EditorPage{};
  return EditorPage{page->kind, page->id};
}

void EditorCommands::NewEntry() { OpenEntryEditor(EditorMode::New, CurrentPage()); }

void EditorCommands::NewCategory() { OpenCategoryEditor(EditorMode::New, CurrentPage()); }

void EditorCommands::EditCurrentPage() {
  const EditorPage page = CurrentPage();
  if (page.kind == PageKind::Category)
    OpenCategoryEditor(EditorMode::Edit, page);
  else
    OpenEntryEditor(EditorMode::Edit, page);
}

void EditorCommands::OpenEntryEditor(EditorMode mode, EditorPage page) {
  EntryEditor editor(m_db, m_template, mode, page);
  EntryForm form;
  if (!editor.Load(form, RandomIcon())) {
    m_ui.ShowMessage(kNotFound, MessageIcon::Stop);
    return;
  }
  EditorPage saved;
  bool was_saved = false;
  {
    const OpenMark mark(m_open);
    was_saved = m_windows.ShowEntryEditor(editor, form, saved);
  }
  if (was_saved) {
    ShowSaved(saved);
    return;
  }
  // Closed without saving: the browser pane is refreshed with the page it showed.
  m_pane.WritePage(PlaceholderPage(), "about:blank");
  if (page.kind == PageKind::Category)
    m_pages.ShowCategoryPage(page.id, Record::Yes, SyncTree::Yes);
  else
    m_pages.ShowEntryPage(page.id, "", Record::Yes, SyncTree::Yes, "");
}

void EditorCommands::OpenCategoryEditor(EditorMode mode, EditorPage page) {
  CategoryEditor editor(m_db, mode, page);
  CategoryForm form;
  if (!editor.Load(form, RandomIcon())) {
    m_ui.ShowMessage(kNotFound, MessageIcon::Stop, MessageButtons::Ok, MessageOwner::None);
    return;
  }
  EditorPage saved;
  bool was_saved = false;
  {
    const OpenMark mark(m_open);
    was_saved = m_windows.ShowCategoryEditor(editor, form, saved);
  }
  if (was_saved) ShowSaved(saved);
}

void EditorCommands::ShowSaved(const EditorPage& page) {
  m_tree.LoadDirectoryTree();
  if (page.kind == PageKind::Category)
    m_pages.ShowCategoryPage(page.id, Record::Yes, SyncTree::Yes);
  else
    m_pages.ShowEntryPage(page.id, "", Record::Yes, SyncTree::Yes, "");
}

}  // namespace mivrel
