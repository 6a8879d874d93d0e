// The port to the directory tree's control.  The tree logic (DirectoryTree)
// decides what the tree holds and calls these operations; the desktop program
// implements them with a tree control, tests, benchmarks and mivrel-tool with
// MemoryTreeView.  The control owns its items; the logic only holds handles.
//
// Handles are opaque, non-zero while the item exists; 0 means "no item" and,
// as a parent, the root level (the control's items have no visible root).
// A handle may be reused by the control after its item is deleted, so the
// logic forgets handles of deleted items.
//
// Selection: SelectItem reports the change to the tree's selection handler
// (DirectoryTree::OnSelectionChanged) before it returns, exactly as a click
// would; selecting the item that is already selected reports nothing.  The
// control also reports the user's own clicks the same way.
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "ports/item_images.h"

namespace mivrel {

using TreeItem = std::uintptr_t;
constexpr TreeItem kNoTreeItem = 0;

// DirectoryItem: what every item carries.  The image index tells the kind
// (see ports/item_images.h).
struct DirectoryItem {
  std::string label;  // GB18030
  int id = 0;
  int image = 0;
};

class TreeView {
 public:
  virtual ~TreeView() = default;

  // Full reload.
  virtual void DeleteAllItems() = 0;
  // New item as the last child of `parent` (0 = root level); its handle.
  virtual TreeItem AppendItem(TreeItem parent, const DirectoryItem& item) = 0;
  // New item as the first child of `parent` (0 = root level).
  virtual TreeItem InsertFirst(TreeItem parent, const DirectoryItem& item) = 0;
  // New item right after `previous`, a child of `parent` (0 = root level).
  virtual TreeItem InsertAfter(TreeItem parent, TreeItem previous, const DirectoryItem& item) = 0;
  // Removes the item with its whole subtree.  A deleted selected item leaves
  // no selection (nothing is reported).
  virtual void DeleteItem(TreeItem item) = 0;

  // REQUIRE for the item getters and SetLabel: `item` exists.
  virtual std::string Label(TreeItem item) const = 0;
  virtual int Id(TreeItem item) const = 0;
  virtual int Image(TreeItem item) const = 0;
  virtual void SetLabel(TreeItem item, const std::string& label) = 0;

  // Walking: the first child of `parent` (of 0: the first root item), the next
  // sibling, the parent (0 for a root item); 0 when there is none.
  virtual TreeItem FirstChild(TreeItem parent) const = 0;
  virtual TreeItem NextSibling(TreeItem item) const = 0;
  virtual TreeItem Parent(TreeItem item) const = 0;
  // Number of direct children.
  virtual int ChildCount(TreeItem item) const = 0;
  // Root items have depth 0.
  virtual int Depth(TreeItem item) const = 0;

  // The selected item, 0 when none.
  virtual TreeItem SelectedItem() const = 0;
  // Selects the item and reports the change (see above).
  virtual void SelectItem(TreeItem item) = 0;
  // No item selected afterwards; nothing is reported.
  virtual void ClearSelection() = 0;
  // Shows the item's children.
  virtual void Expand(TreeItem item) = 0;

  // A disabled tree takes no input; its selection reports are ignored by the logic.
  virtual void Enable() = 0;
  virtual void Disable() = 0;
  virtual bool IsEnabled() const = 0;
  // Redrawing off (Freeze) during bulk changes; Thaw switches it on and repaints.
  virtual void Freeze() = 0;
  virtual void Thaw() = 0;

  // Opens the label editor on the item.  When the edit ends, the control calls
  // DirectoryTree::EndLabelEdit with the typed text and shows the label the
  // logic sets; it never stores the typed text itself.
  virtual void StartLabelEditing(TreeItem item) = 0;
};

}  // namespace mivrel
