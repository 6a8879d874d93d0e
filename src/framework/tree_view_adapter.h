// The TreeView port (ports/tree_view.h) over a VirtualTreeControl: handles
// are the control's nodes, 0 is the root level.  The
// control's own events are handed to the owner through callbacks: selection
// changes (not while the adapter itself deletes or clears items), the start
// and the end of label editing (the control never stores the typed text; the
// owner sets the label), and drags from one item onto another.
// User-interface thread only.
#pragma once

#include <functional>
#include <string>

#include "ports/tree_view.h"

class wxTreeEvent;

namespace mivrel {

class VirtualTreeControl;

struct TreeViewHandlers {
  std::function<void(TreeItem)> selection_changed;
  // Asked when the user starts editing a label; false refuses silently.
  std::function<bool(TreeItem)> may_edit_label;
  // The text the editor starts from (unset: the label); the label comes back
  // when editing ends, before label_edited.
  std::function<std::string(TreeItem)> label_edit_text;
  std::function<void(TreeItem, const std::string& gb_text)> label_edited;
  // Asked when a drag starts on an item; false refuses it.
  std::function<bool(TreeItem)> may_drag;
  // The drag ended over `target` (0 when over no item or outside the tree).
  std::function<void(TreeItem dragged, TreeItem target)> dropped;
};

class WxTreeView final : public TreeView {
 public:
  explicit WxTreeView(VirtualTreeControl* control);
  void SetHandlers(TreeViewHandlers handlers) { handlers_ = std::move(handlers); }

  void DeleteAllItems() override;
  TreeItem AppendItem(TreeItem parent, const DirectoryItem& item) override;
  TreeItem InsertFirst(TreeItem parent, const DirectoryItem& item) override;
  void InsertFirstChildren(TreeItem parent, const std::vector<DirectoryItem>& items) override;
  TreeItem InsertAfter(TreeItem parent, TreeItem previous, const DirectoryItem& item) override;
  void DeleteItem(TreeItem item) override;

  std::string Label(TreeItem item) const override;
  int Id(TreeItem item) const override;
  int Image(TreeItem item) const override;
  void SetLabel(TreeItem item, const std::string& label) override;

  TreeItem FirstChild(TreeItem parent) const override;
  TreeItem NextSibling(TreeItem item) const override;
  TreeItem Parent(TreeItem item) const override;
  int ChildCount(TreeItem item) const override;
  int Depth(TreeItem item) const override;

  TreeItem SelectedItem() const override;
  void SelectItem(TreeItem item) override;
  void ClearSelection() override;
  void Expand(TreeItem item) override;

  void Enable() override;
  void Disable() override;
  bool IsEnabled() const override;
  void Freeze() override;
  void Thaw() override;

  void StartLabelEditing(TreeItem item) override;
  bool EditingLabel() const;

  // The end of a drag of `dragged` over `target` (0: over no item), as the
  // control reports a release inside the tree.
  void DropOnto(TreeItem dragged, TreeItem target);

  VirtualTreeControl* Control() const { return control_; }

 private:
  void OnSelectionChanged(wxTreeEvent& event);
  void OnBeginLabelEdit(wxTreeEvent& event);
  void OnEndLabelEdit(wxTreeEvent& event);
  void OnBeginDrag(wxTreeEvent& event);
  void OnEndDrag(wxTreeEvent& event);

  VirtualTreeControl* control_;
  TreeViewHandlers handlers_;
  std::string label_before_edit_;  // the item's label while its editor shows label_edit_text
  TreeItem dragged_ = kNoTreeItem;
};

}  // namespace mivrel
