// The directory tree's part in deletion: the bin's node, moving an item into
// the bin, and removing an item whose rows are gone.
#include "ports/ui.h"
#include "shell/directory_tree.h"
#include "render/pages.h"
#include "store/database.h"
#include "store/deletion.h"

namespace mivrel {

TreeItem DirectoryTree::NeighbourOf(TreeItem item) const {
  const TreeItem parent = view_.Parent(item);
  TreeItem previous = kNoTreeItem;
  for (TreeItem sibling = view_.FirstChild(parent); sibling != kNoTreeItem && sibling != item;
       sibling = view_.NextSibling(sibling))
    previous = sibling;
  if (previous != kNoTreeItem) return previous;
  const TreeItem next = view_.NextSibling(item);
  return next != kNoTreeItem ? next : parent;
}

bool DirectoryTree::InRecycleBin(TreeItem item) const {
  if (recycle_bin_item_ == kNoTreeItem) return false;
  for (TreeItem walk = item; walk != kNoTreeItem; walk = view_.Parent(walk))
    if (walk == recycle_bin_item_) return true;
  return false;
}

void DirectoryTree::AddRecycleBinNode(int bin_id) {
  recycle_bin_id_ = bin_id;
  recycle_bin_item_ =
      view_.AppendItem(kNoTreeItem, DirectoryItem{kRecycleBinName, bin_id, kRecycleBinImage});
  // The home page lists the top-level categories.
  pages_.DropPageCacheFor(0);
}

bool DirectoryTree::MoveIntoRecycleBin(TreeItem item) {
  view_.Disable();
  // Loaded first, so that the moved entry is not listed twice afterwards.
  LoadEntriesUnder(recycle_bin_item_);
  const DeletedKind kind = KindOf(item) == ItemKind::Category ? DeletedKind::Category : DeletedKind::Entry;
  if (MoveToRecycleBin(db_, kind, view_.Id(item), recycle_bin_id_) != kSqliteOk) {
    ui_.ShowMessage(FailedStatement(db_).Message(), MessageIcon::Stop);
    view_.Enable();
    return false;
  }
  // An entry seen under a secondary category may be listed in the bin
  // already (its main category is the bin): it only leaves its old place.
  const bool entry = kind == DeletedKind::Entry;
  TreeItem listed = kNoTreeItem;
  for (TreeItem child = view_.FirstChild(recycle_bin_item_); entry && child != kNoTreeItem;
       child = view_.NextSibling(child)) {
    if (KindOf(child) == ItemKind::Entry && view_.Id(child) == view_.Id(item)) listed = child;
  }
  if (listed == kNoTreeItem) {
    RelocateItem(item, recycle_bin_item_, kNoTreeItem);
  } else {
    const TreeItem old_parent = view_.Parent(item);
    DeleteSubtree(item);
    DropListingPage(old_parent);
    Relabel(old_parent);
  }
  view_.Enable();
  return true;
}

TreeItem DirectoryTree::RemoveDeletedItem(TreeItem item) {
  if (item == recycle_bin_item_) {
    recycle_bin_id_ = 0;
    recycle_bin_item_ = kNoTreeItem;
  }
  const TreeItem neighbour = NeighbourOf(item);
  const TreeItem parent = view_.Parent(item);
  if (KindOf(item) == ItemKind::Category) pages_.DropPageCacheFor(view_.Id(item));
  DeleteSubtree(item);
  DropListingPage(parent);
  Relabel(parent);
  return neighbour;
}

}  // namespace mivrel
