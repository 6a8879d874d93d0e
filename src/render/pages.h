// Page rendering: the entry page, the category and home pages, the category
// trail and the page cache, over the template, keyword sets and colouring.
// One PageRenderer per running program owns PageHead/PageTail (its template),
// the keyword sets, CategoryPath and CategoryPageCache.  User-interface thread
// only.
#pragma once

#include <string>
#include <vector>

#include "render/keyword_sets.h"
#include "render/page_hooks.h"
#include "render/page_template.h"

namespace mivrel {

class BrowserPane;
class Clock;
class Database;
class Ui;
struct Settings;

class PageRenderer {
 public:
  // Borrows everything; all must outlive the renderer.
  PageRenderer(Database& db, const Settings& settings, BrowserPane& pane, Ui& ui,
               PageHooks& hooks, Clock& clock);

  // Rebuilds PageHead, PageTail and the span tags from the settings.
  void BuildPageTemplate();
  // Fills the keyword sets from the database (once, at start-up).
  void LoadKeywordSets();
  // The folder image files are written into; ends with a separator.
  void SetPageTempFolder(const std::string& gb_folder);
  const std::string& PageTempFolder() const { return temp_folder_; }

  // ShowEntryPage: by name when `name` is not empty, else by id.
  void ShowEntryPage(int id, const std::string& name, Record record, SyncTree sync,
                     const std::string& anchor);
  // ShowCategoryPage: id 0 is the home page.
  void ShowCategoryPage(int id, Record record, SyncTree sync);

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
  BrowserPane& pane_;
  Ui& ui_;
  PageHooks& hooks_;
  Clock& clock_;
  PageTemplate template_;
  KeywordSets keywords_;
  std::string temp_folder_;
  std::string category_path_;
  std::vector<CachedPage> page_cache_;
};

}  // namespace mivrel
