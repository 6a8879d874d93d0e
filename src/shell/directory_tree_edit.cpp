// Changing the library through the directory tree: rename in place and
// drag-and-drop moves.
#include <optional>
#include <vector>

#include "base/text.h"
#include "ports/page_opener.h"
#include "ports/ui.h"
#include "render/pages.h"
#include "shell/directory_tree.h"
#include "store/database.h"
#include "store/records.h"

namespace mivrel {
namespace {

constexpr const char* kExternalRefusal = "这个是外部文件，不可以操作，当然你可以直接打开文件操作。";
constexpr const char* kRecycleBinRefusal = "回收站，不可以操作。";

bool IsEditableKind(ItemKind kind) { return kind == ItemKind::Category || kind == ItemKind::Entry; }

}  // namespace

bool DirectoryTree::BeginLabelEdit(TreeItem item) const { return IsEditableKind(KindOf(item)); }

void DirectoryTree::RenameSelected() {
  const TreeItem item = view_.SelectedItem();
  const ItemKind kind = KindOf(item);
  if (kind == ItemKind::None) return;
  if (kind == ItemKind::RecycleBin) {
    ui_.ShowMessage(kRecycleBinRefusal, MessageIcon::Exclamation);
  } else if (kind == ItemKind::ExternalBook || kind == ItemKind::ExternalPage) {
    ui_.ShowMessage(kExternalRefusal, MessageIcon::Exclamation);
  } else {
    view_.StartLabelEditing(item);
  }
}

void DirectoryTree::EndLabelEdit(TreeItem item, const std::string& new_text) {
  // The editor starts from the name alone, so the text is the whole name.
  if (item == kNoTreeItem || new_text.empty() || new_text == LabelWithoutCount(item)) return;
  const ItemKind kind = KindOf(item);
  if (!IsEditableKind(kind)) {
    ui_.ShowMessage(kExternalRefusal, MessageIcon::Exclamation);
    return;
  }
  const std::string& name = new_text;
  const bool counted = kind == ItemKind::Category && EntriesLoaded(item);

  const int id = view_.Id(item);
  const int rc = kind == ItemKind::Entry ? RenameEntry(db_, id, name) : RenameCategory(db_, id, name);
  if (rc != kSqliteOk) {
    ui_.ShowMessage("重命名失败，原因见下面信息：\r\n" + db_.LastError() + "\r\n" + name, MessageIcon::Stop);
    return;
  }
  if (counted)
    SetCountLabel(item, name);
  else
    view_.SetLabel(item, name);
  // The page that lists the renamed item shows its new name: for a category
  // its own page, for an entry the page it is shown under.
  if (kind == ItemKind::Entry) {
    DropListingPage(view_.Parent(item));
    opener_.ShowEntryPage(id, std::string(), Record::No, SyncTree::No, std::string());
  } else {
    DropPageCacheFor(item);
    opener_.ShowCategoryPage(id, Record::No, SyncTree::No);
  }
}

void DirectoryTree::DropListingPage(TreeItem parent) {
  // Items at the root are listed by the home page (category 0).
  if (parent == kNoTreeItem)
    pages_.DropPageCacheFor(0);
  else
    DropPageCacheFor(parent);
}

bool DirectoryTree::CanDrag(TreeItem item) const { return IsEditableKind(KindOf(item)); }

bool DirectoryTree::CanDrop(TreeItem dragged, TreeItem target) const {
  if (!CanDrag(dragged) || target == kNoTreeItem || target == dragged) return false;
  const ItemKind kind = KindOf(target);
  if (kind != ItemKind::Category && kind != ItemKind::RecycleBin && kind != ItemKind::Entry) return false;
  return !IsInSubtree(target, dragged);
}

bool DirectoryTree::IsInSubtree(TreeItem item, TreeItem root) const {
  for (TreeItem up = item; up != kNoTreeItem; up = view_.Parent(up))
    if (up == root) return true;
  return false;
}

int DirectoryTree::StoreMove(TreeItem dragged, int new_parent_id) {
  const int id = view_.Id(dragged);
  if (KindOf(dragged) == ItemKind::Category) return MoveCategory(db_, id, new_parent_id);
  // An entry shown under one of its secondary categories leaves that one; the
  // others stay where they are.
  const TreeItem old_parent = view_.Parent(dragged);
  const long long old_id = old_parent == kNoTreeItem ? 0 : view_.Id(old_parent);
  CategorySlot slot = CategorySlot::Main;
  const std::optional<EntryCategories> filed = ReadEntryCategories(db_, id);
  if (filed && filed->category != old_id) {
    if (filed->category2 == old_id)
      slot = CategorySlot::Second;
    else if (filed->category3 == old_id)
      slot = CategorySlot::Third;
  }
  return MoveEntry(db_, id, slot, new_parent_id);
}

void DirectoryTree::DeleteSubtree(TreeItem item) {
  std::vector<TreeItem> pending{item};
  while (!pending.empty()) {
    const TreeItem current = pending.back();
    pending.pop_back();
    loaded_.erase(current);
    for (TreeItem child = view_.FirstChild(current); child != kNoTreeItem; child = view_.NextSibling(child))
      pending.push_back(child);
  }
  view_.DeleteItem(item);
}

MoveResult DirectoryTree::MoveItem(TreeItem dragged, TreeItem target) {
  if (!CanDrop(dragged, target)) {
    ui_.Beep();
    return MoveResult::Refused;
  }
  view_.Disable();
  TreeItem new_parent = target;
  TreeItem after = kNoTreeItem;
  if (KindOf(target) == ItemKind::Entry) {
    new_parent = view_.Parent(target);
    after = target;
  }
  if (new_parent != kNoTreeItem) LoadEntriesUnder(new_parent);
  const int new_parent_id = new_parent == kNoTreeItem ? 0 : view_.Id(new_parent);

  if (StoreMove(dragged, new_parent_id) != kSqliteOk) {
    ui_.ShowMessage(db_.FailureText(), MessageIcon::Stop);
    view_.Enable();
    return MoveResult::Failed;
  }

  const bool category = KindOf(dragged) == ItemKind::Category;
  const DirectoryItem moved{LabelWithoutCount(dragged), view_.Id(dragged), view_.Image(dragged)};
  const TreeItem old_parent = view_.Parent(dragged);
  const TreeItem new_item = after != kNoTreeItem ? view_.InsertAfter(new_parent, after, moved)
                                                 : view_.AppendItem(new_parent, moved);
  Relabel(new_parent);
  DropListingPage(new_parent);
  if (category) {
    // Its trail changed; its subcategories come along, its entries load on
    // its next selection.  The scope pickers follow at the next full load.
    pages_.DropPageCacheFor(moved.id);
    PlaceCategories(CategoryTreeModel::Read(db_), moved.id, new_item, std::string(), ScopeRows::Leave,
                    BinRows::Skip);
  }
  DeleteSubtree(dragged);
  DropListingPage(old_parent);
  Relabel(old_parent);
  view_.Enable();
  view_.SelectItem(new_item);
  return MoveResult::Moved;
}

}  // namespace mivrel
