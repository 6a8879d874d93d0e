// Filling the directory tree: the full load, the category levels, the lazily
// loaded entries of one category, and the external books of "htm".
#include "base/clock.h"
#include "base/files.h"
#include "base/text.h"
#include "ports/ui.h"
#include "render/pages.h"
#include "shell/directory_tree.h"
#include "store/records.h"
#include "store/library_files.h"

namespace mivrel {
namespace {

bool IsContentsFileName(const std::string& name) {
  return name.size() > 4 && EndsWith(LowerAscii(name), ".hhc");
}

}  // namespace

DirectoryTree::DirectoryTree(Database& db, TreeView& view, PageBuilder& pages, PageOpener& opener,
                             BrowserPane& pane, Ui& ui, Clock& clock, std::string application_folder)
    : db_(db),
      view_(view),
      pages_(pages),
      opener_(opener),
      pane_(pane),
      ui_(ui),
      clock_(clock),
      application_folder_(WithTrailingSeparator(std::move(application_folder))) {
  scopes_.Reset();
}

void DirectoryTree::LoadDirectoryTree() {
  scopes_.Reset();
  pages_.ClearPageCache();
  recycle_bin_id_ = 0;
  recycle_bin_item_ = kNoTreeItem;
  external_pages_.Reset();
  loaded_.clear();

  view_.Freeze();
  view_.Disable();
  view_.DeleteAllItems();
  const CategoryTreeModel model = CategoryTreeModel::Read(db_);
  PlaceCategories(model, 0, kNoTreeItem, std::string(), ScopeRows::Add, BinRows::Remember);
  AddTopLevelEntries();
  AddExternalBooks();
  if (recycle_bin_id_ > 0) {
    recycle_bin_item_ =
        view_.AppendItem(kNoTreeItem, DirectoryItem{kRecycleBinName, recycle_bin_id_, kRecycleBinImage});
    PlaceCategories(model, recycle_bin_id_, recycle_bin_item_, std::string(), ScopeRows::Add,
                    BinRows::Skip);
  }
  view_.Thaw();
  view_.Enable();
  if (scope_listener_) scope_listener_(scopes_);
}

std::string DirectoryTree::LoadCategoryLevel(int parent_id, TreeItem parent_item,
                                             const std::string& prefix) {
  return PlaceCategories(CategoryTreeModel::Read(db_), parent_id, parent_item, prefix, ScopeRows::Add,
                         BinRows::Remember);
}

std::string DirectoryTree::PlaceCategories(const CategoryTreeModel& model, int parent_id,
                                           TreeItem parent_item, const std::string& prefix,
                                           ScopeRows scope_rows, BinRows bin_rows) {
  const CategoryTreeModel::Walk walk = model.WalkBelow(parent_id);
  if (bin_rows == BinRows::Remember && walk.recycle_bin) recycle_bin_id_ = *walk.recycle_bin;
  std::vector<TreeItem> items;
  items.reserve(walk.placed.size());
  std::string level_ids;
  for (const CategoryTreeModel::Placed& category : walk.placed) {
    const TreeItem parent = category.parent < 0 ? parent_item : items[static_cast<size_t>(category.parent)];
    items.push_back(view_.AppendItem(parent, DirectoryItem{category.name, category.id, category.image}));
    if (category.depth == 0) level_ids += "[" + std::to_string(category.id) + "]";
  }
  if (scope_rows == ScopeRows::Add) AppendScopeRows(scopes_, walk.placed, prefix);
  return level_ids;
}

void DirectoryTree::AddTopLevelEntries() { InsertEntriesFirst(kNoTreeItem, ReadTreeEntries(db_, 0)); }

void DirectoryTree::InsertEntriesFirst(TreeItem parent, const std::vector<EntryListing>& entries) {
  for (const EntryListing& entry : entries)
    view_.InsertFirst(parent, DirectoryItem{entry.name, static_cast<int>(entry.id), EntryImage(entry.icon)});
}

void DirectoryTree::AddExternalBooks() {
  const std::string books_folder = application_folder_ + kExternalBooksFolder;
  if (!IsDirectory(books_folder)) return;
  for (const std::string& book : ListFolder(books_folder, true)) {
    const std::string book_path = books_folder + kPathSeparator + book;
    for (const std::string& file : ListFolder(book_path, false)) {
      const std::string contents_path = book_path + kPathSeparator + file;
      if (!IsContentsFileName(file) || !IsRegularFile(contents_path)) continue;
      const TreeItem item = view_.AppendItem(kNoTreeItem, DirectoryItem{book, 0, kExternalBookImage});
      LoadContentsFile(book, contents_path, view_, item, external_pages_);
      break;
    }
  }
}

EntryLoad DirectoryTree::LoadEntriesUnder(TreeItem category_item) {
  EntryLoad load;
  const ItemKind kind = KindOf(category_item);
  if ((kind != ItemKind::Category && kind != ItemKind::RecycleBin) || EntriesLoaded(category_item))
    return load;
  ui_.SetBusyCursor(true);
  const uint32_t start = clock_.NowMs();
  const std::vector<EntryListing> entries = ReadTreeEntries(db_, view_.Id(category_item));
  load.rows = static_cast<int>(entries.size());
  const uint32_t queried = clock_.NowMs();
  InsertEntriesFirst(category_item, entries);
  const uint32_t inserted = clock_.NowMs();
  load.query_ms = queried - start;
  load.insert_ms = inserted - queried;
  ui_.SetBusyCursor(false);
  const std::string name = view_.Label(category_item);
  loaded_.insert(category_item);
  SetCountLabel(category_item, name);
  view_.Expand(category_item);
  return load;
}

void DirectoryTree::Relabel(TreeItem category_item) {
  if (EntriesLoaded(category_item)) SetCountLabel(category_item, LabelWithoutCount(category_item));
}

void DirectoryTree::SetCountLabel(TreeItem category_item, const std::string& name) {
  view_.SetLabel(category_item, name + "(" + std::to_string(view_.ChildCount(category_item)) + ")");
}

}  // namespace mivrel
