// The directory tree (目录 tab): the whole library as a tree of categories, the
// entries filed under each (loaded lazily, one category at a time), the
// external help books of the "htm" folder and the recycle bin.  Selecting an
// item shows its page; pages make the tree follow them (SelectItemByPath);
// labels can be renamed in place and items moved by drag and drop.
//
// Root order after a full load: top-level entries (ascending by 优先, then
// name), categories, external books, the recycle bin.  A category's label
// gains "(" + number of children + ")" once its entries are loaded; that
// loaded state is also kept apart from the label, so a category whose own
// name ends with ")" still loads its entries.
//
// Owns RecycleBinId, RecycleBinItem, ExternalPageTable, the scope rows with
// their ScopeIdList texts, and the selection-suppression flag.  Borrows the
// database, the tree control (TreeView port), the page builder (the page
// cache and template), the page opener (the presenter, which shows the pages
// of selected items), the browser pane (external pages, book listings), the
// Ui and the clock.  One per session; user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "ports/page_kinds.h"
#include "shell/external_books.h"
#include "shell/category_tree.h"
#include "shell/scope_list.h"
#include "ports/tree_view.h"
#include "store/records.h"

namespace mivrel {

class BrowserPane;
class Clock;
class Database;
class PageBuilder;
class PageOpener;
class Ui;

// What LoadEntriesUnder did.
struct EntryLoad {
  int rows = 0;            // entries added (0 also when already loaded)
  uint32_t query_ms = 0;
  uint32_t insert_ms = 0;
};

enum class MoveResult {
  Moved,    // the database row changed and the item is at its new place
  Refused,  // a refused drop: beeped, nothing changed
  Failed,   // the statement failed: reported, the item stays where it was
};

class DirectoryTree {
 public:
  // `application_folder` (GB18030, ends with a separator) holds "htm".
  // Borrows everything else; all must outlive the tree.
  DirectoryTree(Database& db, TreeView& view, PageBuilder& pages, PageOpener& opener,
                BrowserPane& pane, Ui& ui, Clock& clock, std::string application_folder);

  // Called at the end of every full load with the new scope rows, so that the
  // panes refill both pickers (and select row 0).
  void SetScopeListener(std::function<void(const ScopeList&)> listener) {
    scope_listener_ = std::move(listener);
  }

  // LoadDirectoryTree: full (re)load.  Forgets every loaded mark, expansion,
  // the page cache and the external page numbers; refills the scope rows.
  void LoadDirectoryTree();

  // LoadCategoryLevel: adds the subcategories of `parent_id` below
  // `parent_item` (0 = root), recursively, each as the last child, and one
  // scope row per category (`prefix` + name, ".." more per level).  A
  // category named "回收站" is not added; its id becomes RecycleBinId.
  // Returns "[" + id + "]" of the categories added at this level.  Reads the
  // category table once, whatever its size; cycles in 父类别 end the walk.
  std::string LoadCategoryLevel(int parent_id, TreeItem parent_item, const std::string& prefix);

  // LoadEntriesUnder: adds the category's entries as its first children (in
  // ascending order of 优先, then name), relabels it with its child count and
  // expands it.  Does nothing when they are loaded already.
  EntryLoad LoadEntriesUnder(TreeItem category_item);
  bool EntriesLoaded(TreeItem category_item) const { return loaded_.count(category_item) > 0; }

  // SelectItemByPath: `path` is decimal ids separated by NUL bytes (a trailing
  // NUL is allowed), from a top-level category down to the wanted item, whose
  // kind is `last_kind`; every earlier id is a category (or the bin).  Loads
  // the entries of the categories passed through (selecting them with
  // selection suppressed).  Returns the item, or 0 when the path leads
  // nowhere.  The caller selects the result (SelectQuietly).
  TreeItem SelectItemByPath(const std::string& path, PageKind last_kind);
  // Selects the item with selection suppressed, unless it is selected already.
  void SelectQuietly(TreeItem item);
  // Clears the selection with selection suppressed (home page).
  void ClearSelectionQuietly();
  bool SelectionSuppressed() const { return suppressed_; }

  // The tree control's selection report: shows the item's page (external
  // page, book listing, entry, category; a category's entries are loaded on
  // its first selection).  Ignored while the tree is disabled or for 0.  With
  // selection suppressed, entries still load but no page is shown.
  void OnSelectionChanged(TreeItem item);

  ItemKind KindOf(TreeItem item) const;
  // The label without a loaded category's count suffix.
  std::string LabelWithoutCount(TreeItem item) const;
  // DropPageCacheFor: forgets the cached page of a category item.
  void DropPageCacheFor(TreeItem category_item);

  // Rename in place.  BeginLabelEdit: false (refused, silently) for external
  // items and the bin.  LabelEditText: what the editor starts from, the name
  // alone (a loaded category's count suffix is no part of it).  EndLabelEdit:
  // stores the typed text as the entry's or category's name, sets the label
  // (the count suffix back on a loaded category) and shows the item's page
  // again with the new name.  Failure is reported ("重命名失败，原因见下面信息：")
  // and the label stays.  An empty text changes nothing.
  bool BeginLabelEdit(TreeItem item) const;
  std::string LabelEditText(TreeItem item) const { return LabelWithoutCount(item); }
  void EndLabelEdit(TreeItem item, const std::string& new_text);
  // 重命名 of the context menu: refuses the bin ("回收站，不可以操作。") and
  // external items ("这个是外部文件，不可以操作，当然你可以直接打开文件操作。"),
  // otherwise starts editing the selected item.  No selection: nothing.
  void RenameSelected();

  // Drag and drop.  CanDrag: not external, not the bin.  CanDrop: a target
  // that is not the dragged item, not external, not inside its subtree.
  bool CanDrag(TreeItem item) const;
  bool CanDrop(TreeItem dragged, TreeItem target) const;
  // Moves the dragged item into a category or the bin, or right after an
  // entry under that entry's category (root: top level).  Refusals beep.
  // The moved item is selected afterwards (its page is shown).  A moved
  // category keeps its scope rows until the next full load.
  MoveResult MoveItem(TreeItem dragged, TreeItem target);

  int RecycleBinId() const { return recycle_bin_id_; }
  TreeItem RecycleBinItem() const { return recycle_bin_item_; }
  const ExternalPageTable& ExternalPages() const { return external_pages_; }
  const ScopeList& Scopes() const { return scopes_; }
  TreeView& View() { return view_; }

 private:
  enum class ScopeRows { Add, Leave };
  enum class BinRows { Remember, Skip };

  // Adds the categories of the model's walk below `parent_id` under
  // `parent_item`, each as the last child; returns "[" + id + "]" of those
  // directly below.
  std::string PlaceCategories(const CategoryTreeModel& model, int parent_id, TreeItem parent_item,
                              const std::string& prefix, ScopeRows scope_rows, BinRows bin_rows);
  void AddTopLevelEntries();
  // Inserts the entries as the first children of `parent` (0: root), each
  // before the one inserted earlier.
  void InsertEntriesFirst(TreeItem parent, const std::vector<EntryListing>& entries);
  void AddExternalBooks();

  void ShowExternalPage(TreeItem item);
  void ShowBookListing(TreeItem item);
  void OnCategorySelected(TreeItem item);
  // A loaded category's label: its name + "(" + child count + ")".  Relabel
  // leaves categories whose entries are not loaded alone.
  void Relabel(TreeItem category_item);
  void SetCountLabel(TreeItem category_item, const std::string& name);
  // Forgets the cached page that lists the children of `parent` (0: the home page).
  void DropListingPage(TreeItem parent);
  // Removes the item and forgets the loaded marks of its subtree.
  void DeleteSubtree(TreeItem item);
  bool IsInSubtree(TreeItem item, TreeItem root) const;
  // Files the moved item under `new_parent_id` in the database; the SQLite code.
  int StoreMove(TreeItem dragged, int new_parent_id);

  Database& db_;
  TreeView& view_;
  PageBuilder& pages_;
  PageOpener& opener_;
  BrowserPane& pane_;
  Ui& ui_;
  Clock& clock_;
  std::string application_folder_;
  std::function<void(const ScopeList&)> scope_listener_;

  ScopeList scopes_;
  ExternalPageTable external_pages_;
  std::unordered_set<TreeItem> loaded_;
  int recycle_bin_id_ = 0;
  TreeItem recycle_bin_item_ = kNoTreeItem;
  bool suppressed_ = false;
};

}  // namespace mivrel
