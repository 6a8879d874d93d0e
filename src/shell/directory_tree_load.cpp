// Filling the directory tree: the full load, the category levels, the lazily
// loaded entries of one category, and the external books of "htm".
#include <unordered_set>

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

// Icon numbers outside the image list's ranges would make an item look like
// another kind (a category drawn as an entry, an entry as an external page),
// so they are drawn with the first icon of their kind.
int CategoryImage(long long icon) {
  if ((icon >= 0 && icon < kFirstEntryImage) || icon == kRecycleBinImage) return static_cast<int>(icon);
  return 0;
}

int EntryImage(long long icon) {
  return kFirstEntryImage + ((icon >= 0 && icon < 16) ? static_cast<int>(icon) : 0);
}

std::string Bracketed(int id) { return "[" + std::to_string(id) + "]"; }

bool IsContentsFileName(const std::string& name) {
  return name.size() > 4 && EndsWith(LowerAscii(name), ".hhc");
}

}  // namespace

DirectoryTree::DirectoryTree(Database& db, TreeView& view, PageRenderer& renderer, BrowserPane& pane,
                             Ui& ui, Clock& clock, std::string application_folder)
    : db_(db),
      view_(view),
      renderer_(renderer),
      pane_(pane),
      ui_(ui),
      clock_(clock),
      application_folder_(WithTrailingSeparator(std::move(application_folder))) {
  scopes_.Reset();
}

void DirectoryTree::LoadDirectoryTree() {
  scopes_.Reset();
  renderer_.ClearPageCache();
  recycle_bin_id_ = 0;
  recycle_bin_item_ = kNoTreeItem;
  external_pages_.Reset();
  loaded_.clear();

  view_.Freeze();
  view_.Disable();
  view_.DeleteAllItems();
  const ChildMap children = ReadCategoryChildren();
  AddCategories(children, 0, kNoTreeItem, std::string(), ScopeRows::Add, BinRows::Remember);
  AddTopLevelEntries();
  AddExternalBooks();
  if (recycle_bin_id_ > 0) {
    recycle_bin_item_ =
        view_.AppendItem(kNoTreeItem, DirectoryItem{kRecycleBinName, recycle_bin_id_, kRecycleBinImage});
    AddCategories(children, recycle_bin_id_, recycle_bin_item_, std::string(), ScopeRows::Add,
                  BinRows::Skip);
  }
  view_.Thaw();
  view_.Enable();
  if (scope_listener_) scope_listener_(scopes_);
}

std::string DirectoryTree::LoadCategoryLevel(int parent_id, TreeItem parent_item,
                                             const std::string& prefix) {
  return AddCategories(ReadCategoryChildren(), parent_id, parent_item, prefix, ScopeRows::Add,
                       BinRows::Remember);
}

DirectoryTree::ChildMap DirectoryTree::ReadCategoryChildren() {
  // One read of the whole table instead of one query per category.
  ChildMap children;
  for (const CategoryRecord& row : ReadCategoriesByParent(db_))
    children[static_cast<int>(row.parent)].push_back(
        CategoryRow{static_cast<int>(row.id), row.name, CategoryImage(row.icon)});
  return children;
}

std::string DirectoryTree::AddCategories(const ChildMap& children, int parent_id,
                                         TreeItem parent_item, const std::string& prefix,
                                         ScopeRows scope_rows, BinRows bin_rows) {
  // Pre-order walk with an explicit stack, so that any depth is safe.  Each
  // frame is one parent whose children are being added; `scope_row` is the
  // parent's picker row, whose ScopeIdList collects the children's ids.
  struct Frame {
    const std::vector<CategoryRow>* rows;
    size_t next;
    TreeItem item;
    std::string prefix;
    size_t scope_row;  // 0 for the level's own parent (it has no row here)
  };
  std::string level_ids;
  std::unordered_set<int> placed{parent_id};
  std::vector<Frame> stack;
  const auto push = [&](int id, TreeItem item, std::string frame_prefix, size_t scope_row) {
    const auto found = children.find(id);
    if (found != children.end()) stack.push_back({&found->second, 0, item, std::move(frame_prefix), scope_row});
  };
  push(parent_id, parent_item, prefix, 0);

  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.rows->size()) {
      stack.pop_back();
      continue;
    }
    const CategoryRow& row = (*frame.rows)[frame.next++];
    if (row.name == kRecycleBinName) {
      if (bin_rows == BinRows::Remember) recycle_bin_id_ = row.id;
      continue;
    }
    // A category met twice lies on a cycle of parents: its subtree is shown already.
    if (!placed.insert(row.id).second) continue;

    const TreeItem item = view_.AppendItem(frame.item, DirectoryItem{row.name, row.id, row.icon});
    const std::string id_text = Bracketed(row.id);
    if (stack.size() == 1) level_ids += id_text;
    size_t scope_row = 0;
    if (scope_rows == ScopeRows::Add) {
      if (frame.scope_row != 0) scopes_.id_lists[frame.scope_row] += id_text;
      scope_row = scopes_.AddRow(frame.prefix + row.name);
      scopes_.id_lists[scope_row] = id_text;
    }
    std::string child_prefix = frame.prefix + "..";
    push(row.id, item, std::move(child_prefix), scope_row);  // may move `frame`
  }
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
