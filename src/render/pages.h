// Page building: the entry page, the category and home pages, the category
// trail and the page cache, over the template, keyword sets and colouring.
// A built page is a `Page` value; showing it (the browser pane, the tree, the
// history, the status bar) is the shell's presenter's job, so nothing here
// knows the tree, the history or the screen.
//
// One PageBuilder per running program owns PageHead/PageTail (its template),
// the keyword sets, CategoryPath and CategoryPageCache.  User-interface
// thread only (it uses the database connection).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ports/page_kinds.h"
#include "render/keyword_sets.h"
#include "render/page_template.h"

namespace mivrel {

class Database;
struct Settings;

// A built page and the figures its showing needs.
struct Page {
  PageKind kind = PageKind::Category;
  // Entry: its id, 0 when not found.  Category: the id asked for (0: home).
  int id = 0;
  // Entry: false when no entry matched (the not-found page).  Category: true.
  bool found = true;
  std::string bytes;    // the whole document, GB18030
  std::string address;  // "" (about:blank), or "about:blank#" + anchor
  // Entry: its name (empty when not found); what the history records.
  std::string title;
  // The NUL-separated id path the directory tree follows to the page's item
  // (ancestor categories down to the page's own id).
  std::string tree_path;
  // Entry: the size of 注解 as stored (UTF-8 bytes), for the status text.
  size_t stored_size = 0;
  // One line for the optional outside diagnostic viewer; empty: none.
  std::string trace;
};

class PageBuilder {
 public:
  // Borrows both; they must outlive the builder.
  PageBuilder(Database& db, const Settings& settings);

  // Rebuilds PageHead, PageTail and the span tags from the settings.
  void BuildPageTemplate();
  // Fills the keyword sets from the database (once, at start-up).
  void LoadKeywordSets();
  // The folder image files are written into; ends with a separator.
  void SetPageTempFolder(const std::string& gb_folder);
  const std::string& PageTempFolder() const { return temp_folder_; }

  // The entry page: by name when `name` is not empty, else by id.  Writes the
  // entry's images into the page temp folder.  A non-empty `highlight` marks
  // its hits in the text (the 查找 tab's search text while that tab shows).
  Page BuildEntryPage(int id, const std::string& name, const std::string& anchor,
                      const std::string& highlight);
  // The category page; id 0 is the home page.  Built pages are kept in
  // CategoryPageCache for the rest of the run (until dropped).
  Page BuildCategoryPage(int id);

  // CategoryTrail: the breadcrumb links from the top level down to `id`; also
  // replaces CategoryPath.
  std::string CategoryTrail(int id);
  // Ids from the top level down to the category of the last trail, each followed by NUL.
  const std::string& CategoryPath() const { return category_path_; }

  // DropPageCacheFor and the full clearing done by a tree reload.
  void DropPageCacheFor(int category_id);
  void ClearPageCache();

  const PageTemplate& Template() const { return template_; }
  const KeywordSets& Keywords() const { return keywords_; }
  KeywordSets& MutableKeywords() { return keywords_; }

 private:
  struct CachedPage {
    int id;
    std::string text;  // everything after PageHead
  };

  Database& db_;
  const Settings& settings_;
  PageTemplate template_;
  KeywordSets keywords_;
  std::string temp_folder_;
  std::string category_path_;
  std::vector<CachedPage> page_cache_;
};

}  // namespace mivrel
