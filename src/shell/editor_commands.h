// The editing commands: 资料 / 新建资料 (new entry), 分类 / 新建分类 (new
// category) and 编辑 (edit the current page).  They prepare the editor's logic
// from the current page, open its window modal to the main window, and
// afterwards reload the directory tree and show the saved page; an entry
// editor closed without saving shows a placeholder and then the current page
// again.  A row that is gone when the editor would open it gives "查无此物".
//
// Borrows everything; user-interface thread only.
#pragma once

#include "editors/editor_page.h"

namespace mivrel {

class BrowserPane;
class CategoryEditor;
class Database;
class DirectoryTree;
class EntryEditor;
class History;
class PageOpener;
class Ui;
struct CategoryForm;
struct EntryForm;
struct PageTemplate;

// The editor windows (desktop/ builds them; tests script them).  Each shows
// the loaded form modal to the main window, saves through the logic (the
// window runs the automatic backup check before an edit is written) and
// returns when it has closed: true and the page to show when it saved.
class EditorWindows {
 public:
  virtual ~EditorWindows() = default;
  virtual bool ShowEntryEditor(EntryEditor& editor, EntryForm& form, EditorPage& saved_page) = 0;
  virtual bool ShowCategoryEditor(CategoryEditor& editor, CategoryForm& form,
                                  EditorPage& saved_page) = 0;
};

class EditorCommands {
 public:
  EditorCommands(Database& db, Ui& ui, History& history, DirectoryTree& tree, PageOpener& pages,
                 BrowserPane& pane, const PageTemplate& page_template, EditorWindows& windows);

  void NewEntry();
  void NewCategory();
  // Opens the editor of the current page's kind; the caller has refused the
  // home page already.
  void EditCurrentPage();

  // True while an editor window is open (its caller is on the stack).
  bool EditorOpen() const { return m_open > 0; }

 private:
  void OpenEntryEditor(EditorMode mode, EditorPage page);
  void OpenCategoryEditor(EditorMode mode, EditorPage page);
  EditorPage CurrentPage() const;
  void ShowSaved(const EditorPage& page);

  Database& m_db;
  Ui& m_ui;
  History& m_history;
  DirectoryTree& m_tree;
  PageOpener& m_pages;
  BrowserPane& m_pane;
  const PageTemplate& m_template;
  EditorWindows& m_windows;
  int m_open = 0;
};

}  // namespace mivrel
