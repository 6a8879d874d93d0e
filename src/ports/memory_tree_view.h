// A TreeView held in memory: the tree the logic builds, without a screen.
// Used by tests, benchmarks and mivrel-tool.  Handles are never reused, so a
// stale handle is simply unknown.  Inserting and walking cost O(1); Depth
// costs the item's depth.  Not thread-safe.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ports/tree_view.h"

namespace mivrel {

class MemoryTreeView final : public TreeView {
 public:
  // Called for every selection change, as a tree control reports a click.
  using SelectionHandler = std::function<void(TreeItem)>;
  void SetSelectionHandler(SelectionHandler handler) { on_selection_ = std::move(handler); }

  void DeleteAllItems() override;
  TreeItem AppendItem(TreeItem parent, const DirectoryItem& item) override;
  TreeItem InsertFirst(TreeItem parent, const DirectoryItem& item) override;
  TreeItem InsertAfter(TreeItem parent, TreeItem previous, const DirectoryItem& item) override;
  void DeleteItem(TreeItem item) override;

  std::string Label(TreeItem item) const override { return Node(item).data.label; }
  int Id(TreeItem item) const override { return Node(item).data.id; }
  int Image(TreeItem item) const override { return Node(item).data.image; }
  void SetLabel(TreeItem item, const std::string& label) override { Node(item).data.label = label; }

  TreeItem FirstChild(TreeItem parent) const override;
  TreeItem NextSibling(TreeItem item) const override { return Node(item).next; }
  TreeItem Parent(TreeItem item) const override { return Node(item).parent; }
  int ChildCount(TreeItem item) const override { return Node(item).child_count; }
  int Depth(TreeItem item) const override;

  TreeItem SelectedItem() const override { return selected_; }
  void SelectItem(TreeItem item) override;
  void ClearSelection() override { selected_ = kNoTreeItem; }
  void Expand(TreeItem item) override { Node(item).expanded = true; }

  void Enable() override { enabled_ = true; }
  void Disable() override { enabled_ = false; }
  bool IsEnabled() const override { return enabled_; }
  void Freeze() override { ++freeze_depth_; }
  void Thaw() override;

  void StartLabelEditing(TreeItem item) override { editing_ = item; }

  // For tests: whether the item exists, was expanded, is being edited; the
  // number of live items; whether redrawing is off.
  bool Exists(TreeItem item) const;
  bool IsExpanded(TreeItem item) const { return Node(item).expanded; }
  TreeItem EditingItem() const { return editing_; }
  size_t ItemCount() const { return live_count_; }
  bool IsFrozen() const { return freeze_depth_ > 0; }
  int ThawCount() const { return thaw_count_; }

 private:
  struct Item {
    DirectoryItem data;
    TreeItem parent = kNoTreeItem;
    TreeItem first = kNoTreeItem;  // first child
    TreeItem last = kNoTreeItem;   // last child
    TreeItem prev = kNoTreeItem;
    TreeItem next = kNoTreeItem;
    int child_count = 0;
    bool expanded = false;
    bool alive = false;
  };

  // REQUIRES: `item` exists (fails loudly otherwise: a logic fault).
  Item& Node(TreeItem item);
  const Item& Node(TreeItem item) const;
  // The sibling list of `parent`: its first/last links, or the root's.
  TreeItem& FirstOf(TreeItem parent);
  TreeItem& LastOf(TreeItem parent);
  TreeItem NewItem(TreeItem parent, const DirectoryItem& data);
  void Unlink(TreeItem item);

  std::vector<Item> items_{1};  // slot 0 stands for "no item"
  TreeItem root_first_ = kNoTreeItem;
  TreeItem root_last_ = kNoTreeItem;
  TreeItem selected_ = kNoTreeItem;
  TreeItem editing_ = kNoTreeItem;
  size_t live_count_ = 0;
  bool enabled_ = true;
  int freeze_depth_ = 0;
  int thaw_count_ = 0;
  SelectionHandler on_selection_;
};

// Every item in pre-order, one line each: depth (0 for root items), TAB, image
// index, TAB, id, TAB, label, LF.  The labels are the GB18030 bytes held.
// Walks without recursion, so any depth is fine.
std::string DescribeTree(const TreeView& view);

}  // namespace mivrel
