#include "framework/tree_view_adapter.h"

#include "framework/virtual_tree_control.h"
#include "framework/wx_text.h"

namespace mivrel {
namespace {

using Node = VirtualTreeControl::Node;

TreeItem Handle(Node* node) { return reinterpret_cast<TreeItem>(node); }

TreeItem Handle(const wxTreeItemId& id) { return Handle(VirtualTreeControl::NodeOf(id)); }

Node* NodeOf(TreeItem item) { return reinterpret_cast<Node*>(item); }

}  // namespace

WxTreeView::WxTreeView(VirtualTreeControl* control) : control_(control) {
  control_->Bind(wxEVT_TREE_SEL_CHANGED, &WxTreeView::OnSelectionChanged, this);
  control_->Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &WxTreeView::OnBeginLabelEdit, this);
  control_->Bind(wxEVT_TREE_END_LABEL_EDIT, &WxTreeView::OnEndLabelEdit, this);
  control_->Bind(wxEVT_TREE_BEGIN_DRAG, &WxTreeView::OnBeginDrag, this);
  control_->Bind(wxEVT_TREE_END_DRAG, &WxTreeView::OnEndDrag, this);
}

void WxTreeView::DeleteAllItems() {
  control_->DeleteAllItems();
  dragged_ = kNoTreeItem;
}

TreeItem WxTreeView::AppendItem(TreeItem parent, const DirectoryItem& item) {
  return Handle(control_->AppendItem(NodeOf(parent), item.label, item.id, item.image));
}

TreeItem WxTreeView::InsertFirst(TreeItem parent, const DirectoryItem& item) {
  return Handle(control_->PrependItem(NodeOf(parent), item.label, item.id, item.image));
}

void WxTreeView::InsertFirstChildren(TreeItem parent, const std::vector<DirectoryItem>& items) {
  Node* previous = nullptr;
  for (const DirectoryItem& item : items) {
    previous = control_->InsertItemAfter(NodeOf(parent), previous, item.label, item.id, item.image);
  }
}

TreeItem WxTreeView::InsertAfter(TreeItem parent, TreeItem previous, const DirectoryItem& item) {
  return Handle(control_->InsertItemAfter(NodeOf(parent), NodeOf(previous), item.label, item.id, item.image));
}

void WxTreeView::DeleteItem(TreeItem item) {
  if (item == dragged_) dragged_ = kNoTreeItem;
  control_->DeleteItem(NodeOf(item));
}

std::string WxTreeView::Label(TreeItem item) const { return NodeOf(item)->label; }

int WxTreeView::Id(TreeItem item) const { return NodeOf(item)->id; }

int WxTreeView::Image(TreeItem item) const { return NodeOf(item)->image; }

void WxTreeView::SetLabel(TreeItem item, const std::string& label) {
  control_->SetItemText(NodeOf(item), label);
}

TreeItem WxTreeView::FirstChild(TreeItem parent) const {
  const Node* under = parent == kNoTreeItem ? control_->Root() : NodeOf(parent);
  return Handle(under->first_child);
}

TreeItem WxTreeView::NextSibling(TreeItem item) const { return Handle(NodeOf(item)->next); }

TreeItem WxTreeView::Parent(TreeItem item) const {
  Node* parent = NodeOf(item)->parent;
  return parent == control_->Root() ? kNoTreeItem : Handle(parent);
}

int WxTreeView::ChildCount(TreeItem item) const { return NodeOf(item)->child_count; }

int WxTreeView::Depth(TreeItem item) const { return VirtualTreeModel::Depth(NodeOf(item)); }

TreeItem WxTreeView::SelectedItem() const { return Handle(control_->Selection()); }

void WxTreeView::SelectItem(TreeItem item) { control_->SelectItem(NodeOf(item)); }

void WxTreeView::ClearSelection() { control_->Unselect(); }

void WxTreeView::Expand(TreeItem item) { control_->Expand(NodeOf(item)); }

void WxTreeView::Enable() { control_->Enable(true); }

void WxTreeView::Disable() { control_->Enable(false); }

bool WxTreeView::IsEnabled() const { return control_->IsEnabled(); }

void WxTreeView::Freeze() { control_->Freeze(); }

void WxTreeView::Thaw() {
  if (control_->IsFrozen()) control_->Thaw();
  control_->Refresh();
}

void WxTreeView::StartLabelEditing(TreeItem item) { control_->EditLabel(NodeOf(item)); }

bool WxTreeView::EditingLabel() const { return control_->EditControl() != nullptr; }

void WxTreeView::OnSelectionChanged(wxTreeEvent& event) {
  event.Skip();
  if (!handlers_.selection_changed) return;
  const TreeItem selected = SelectedItem();
  if (selected != kNoTreeItem) handlers_.selection_changed(selected);
}

void WxTreeView::OnBeginLabelEdit(wxTreeEvent& event) {
  Node* node = VirtualTreeControl::NodeOf(event.GetItem());
  if (handlers_.may_edit_label && !handlers_.may_edit_label(Handle(node))) {
    event.Veto();
    return;
  }
  // The editor is made from the item's text right after this event, so the
  // item carries the edit text until editing ends.
  label_before_edit_ = node->label;
  if (handlers_.label_edit_text) control_->SetItemText(node, handlers_.label_edit_text(Handle(node)));
}

void WxTreeView::OnEndLabelEdit(wxTreeEvent& event) {
  // The logic decides the label: the control never keeps the typed text.
  event.Veto();
  Node* node = VirtualTreeControl::NodeOf(event.GetItem());
  control_->SetItemText(node, label_before_edit_);
  if (event.IsEditCancelled() || !handlers_.label_edited) return;
  handlers_.label_edited(Handle(node), WxToGb(event.GetLabel()));
}

void WxTreeView::OnBeginDrag(wxTreeEvent& event) {
  const TreeItem item = Handle(event.GetItem());
  if (item == kNoTreeItem || (handlers_.may_drag && !handlers_.may_drag(item))) return;
  dragged_ = item;
  event.Allow();
}

void WxTreeView::OnEndDrag(wxTreeEvent& event) {
  const TreeItem dragged = dragged_;
  dragged_ = kNoTreeItem;
  if (dragged == kNoTreeItem) return;
  // A release outside the tree's client area moves nothing.
  if (!control_->GetClientRect().Contains(event.GetPoint())) return;
  DropOnto(dragged, Handle(event.GetItem()));
}

void WxTreeView::DropOnto(TreeItem dragged, TreeItem target) {
  if (handlers_.dropped) handlers_.dropped(dragged, target);
}

}  // namespace mivrel
