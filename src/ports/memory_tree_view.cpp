#include "ports/memory_tree_view.h"

#include <cstdlib>
#include <cstdio>

namespace mivrel {

MemoryTreeView::Item& MemoryTreeView::Node(TreeItem item) {
  return const_cast<Item&>(static_cast<const MemoryTreeView*>(this)->Node(item));
}

const MemoryTreeView::Item& MemoryTreeView::Node(TreeItem item) const {
  if (!Exists(item)) {
    // A handle of no live item means the caller's bookkeeping is wrong; going
    // on would corrupt the links of other items.
    std::fprintf(stderr, "MemoryTreeView: unknown item %zu\n", static_cast<size_t>(item));
    std::abort();
  }
  return items_[item];
}

bool MemoryTreeView::Exists(TreeItem item) const {
  return item != kNoTreeItem && item < items_.size() && items_[item].alive;
}

TreeItem& MemoryTreeView::FirstOf(TreeItem parent) {
  return parent == kNoTreeItem ? root_first_ : Node(parent).first;
}

TreeItem& MemoryTreeView::LastOf(TreeItem parent) {
  return parent == kNoTreeItem ? root_last_ : Node(parent).last;
}

void MemoryTreeView::DeleteAllItems() {
  items_.resize(1);
  root_first_ = root_last_ = kNoTreeItem;
  selected_ = editing_ = kNoTreeItem;
  live_count_ = 0;
}

TreeItem MemoryTreeView::NewItem(TreeItem parent, const DirectoryItem& data) {
  if (parent != kNoTreeItem) ++Node(parent).child_count;
  Item item;
  item.data = data;
  item.parent = parent;
  item.alive = true;
  items_.push_back(std::move(item));
  ++live_count_;
  return items_.size() - 1;
}

TreeItem MemoryTreeView::AppendItem(TreeItem parent, const DirectoryItem& data) {
  TreeItem added = NewItem(parent, data);
  TreeItem& last = LastOf(parent);
  if (last != kNoTreeItem) {
    items_[last].next = added;
    items_[added].prev = last;
  } else {
    FirstOf(parent) = added;
  }
  last = added;
  return added;
}

TreeItem MemoryTreeView::InsertFirst(TreeItem parent, const DirectoryItem& data) {
  TreeItem added = NewItem(parent, data);
  TreeItem& first = FirstOf(parent);
  if (first != kNoTreeItem) {
    items_[first].prev = added;
    items_[added].next = first;
  } else {
    LastOf(parent) = added;
  }
  first = added;
  return added;
}

TreeItem MemoryTreeView::InsertAfter(TreeItem parent, TreeItem previous, const DirectoryItem& data) {
  if (previous == kNoTreeItem || Node(previous).parent != parent) return AppendItem(parent, data);
  TreeItem added = NewItem(parent, data);
  TreeItem following = items_[previous].next;
  items_[added].prev = previous;
  items_[added].next = following;
  items_[previous].next = added;
  if (following != kNoTreeItem)
    items_[following].prev = added;
  else
    LastOf(parent) = added;
  return added;
}

void MemoryTreeView::Unlink(TreeItem item) {
  Item& node = Node(item);
  if (node.prev != kNoTreeItem)
    items_[node.prev].next = node.next;
  else
    FirstOf(node.parent) = node.next;
  if (node.next != kNoTreeItem)
    items_[node.next].prev = node.prev;
  else
    LastOf(node.parent) = node.prev;
  if (node.parent != kNoTreeItem) --Node(node.parent).child_count;
}

void MemoryTreeView::DeleteItem(TreeItem item) {
  Unlink(item);
  // Free the subtree with an explicit list: trees may be very deep.
  std::vector<TreeItem> pending{item};
  while (!pending.empty()) {
    TreeItem current = pending.back();
    pending.pop_back();
    for (TreeItem child = items_[current].first; child != kNoTreeItem; child = items_[child].next)
      pending.push_back(child);
    if (selected_ == current) selected_ = kNoTreeItem;
    if (editing_ == current) editing_ = kNoTreeItem;
    items_[current] = Item();
    --live_count_;
  }
}

TreeItem MemoryTreeView::FirstChild(TreeItem parent) const {
  return parent == kNoTreeItem ? root_first_ : Node(parent).first;
}

int MemoryTreeView::Depth(TreeItem item) const {
  int depth = 0;
  for (TreeItem up = Node(item).parent; up != kNoTreeItem; up = items_[up].parent) ++depth;
  return depth;
}

void MemoryTreeView::SelectItem(TreeItem item) {
  Node(item);  // must exist
  if (selected_ == item) return;
  selected_ = item;
  if (on_selection_) on_selection_(item);
}

void MemoryTreeView::Thaw() {
  if (freeze_depth_ > 0) --freeze_depth_;
  ++thaw_count_;
}

std::string DescribeTree(const TreeView& view) {
  std::string out;
  TreeItem item = view.FirstChild(kNoTreeItem);
  int depth = 0;
  while (item != kNoTreeItem) {
    out += std::to_string(depth);
    out += '\t';
    out += std::to_string(view.Image(item));
    out += '\t';
    out += std::to_string(view.Id(item));
    out += '\t';
    out += view.Label(item);
    out += '\n';
    // Next in pre-order: first child, else the next sibling of the nearest
    // item (this one or an ancestor) that has one.
    TreeItem child = view.FirstChild(item);
    if (child != kNoTreeItem) {
      item = child;
      ++depth;
      continue;
    }
    while (item != kNoTreeItem && view.NextSibling(item) == kNoTreeItem) {
      item = view.Parent(item);
      --depth;
    }
    if (item != kNoTreeItem) item = view.NextSibling(item);
  }
  return out;
}

}  // namespace mivrel
