#include "framework/tree_view_adapter.h"


#include <wx/treectrl.h>

#include "base/scoped_flag.h"
#include "base/text.h"

#include "framework/wx_text.h"

namespace mivrel {
namespace {

class ItemData final : public wxTreeItemData {
 public:
  explicit ItemData(int id) : id_(id) {}
  int Id() const { return id_; }

 private:
  int id_;
};

TreeItem Handle(const wxTreeItemId& id) { return reinterpret_cast<TreeItem>(id.GetID()); }

wxTreeItemId ItemId(TreeItem item) { return wxTreeItemId(reinterpret_cast<void*>(item)); }

}  // namespace

WxTreeView::WxTreeView(wxTreeCtrl* control) : control_(control) {
  control_->AddRoot(L"");
  control_->Bind(wxEVT_TREE_SEL_CHANGED, &WxTreeView::OnSelectionChanged, this);
  control_->Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &WxTreeView::OnBeginLabelEdit, this);
  control_->Bind(wxEVT_TREE_END_LABEL_EDIT, &WxTreeView::OnEndLabelEdit, this);
  control_->Bind(wxEVT_TREE_BEGIN_DRAG, &WxTreeView::OnBeginDrag, this);
  control_->Bind(wxEVT_TREE_END_DRAG, &WxTreeView::OnEndDrag, this);
}

void WxTreeView::DeleteAllItems() {
  {
    const ScopedFlag quiet(quiet_);
    control_->DeleteAllItems();
    control_->AddRoot(L"");
  }
  dragged_ = kNoTreeItem;
}

TreeItem WxTreeView::AppendItem(TreeItem parent, const DirectoryItem& item) {
  const wxTreeItemId under = parent == kNoTreeItem ? control_->GetRootItem() : ItemId(parent);
  return Handle(control_->AppendItem(under, GbToWx(item.label), item.image, item.image,
                                     new ItemData(item.id)));
}

TreeItem WxTreeView::InsertFirst(TreeItem parent, const DirectoryItem& item) {
  const wxTreeItemId under = parent == kNoTreeItem ? control_->GetRootItem() : ItemId(parent);
  return Handle(control_->PrependItem(under, GbToWx(item.label), item.image, item.image,
                                      new ItemData(item.id)));
}

TreeItem WxTreeView::InsertAfter(TreeItem parent, TreeItem previous, const DirectoryItem& item) {
  const wxTreeItemId under = parent == kNoTreeItem ? control_->GetRootItem() : ItemId(parent);
  return Handle(control_->InsertItem(under, ItemId(previous), GbToWx(item.label), item.image,
                                     item.image, new ItemData(item.id)));
}

void WxTreeView::DeleteItem(TreeItem item) {
  if (item == dragged_) dragged_ = kNoTreeItem;
  const ScopedFlag quiet(quiet_);
  control_->Delete(ItemId(item));
}

std::string WxTreeView::Label(TreeItem item) const { return WxToGb(control_->GetItemText(ItemId(item))); }

int WxTreeView::Id(TreeItem item) const {
  const auto* data = static_cast<ItemData*>(control_->GetItemData(ItemId(item)));
  return data != nullptr ? data->Id() : 0;
}

int WxTreeView::Image(TreeItem item) const { return control_->GetItemImage(ItemId(item)); }

void WxTreeView::SetLabel(TreeItem item, const std::string& label) {
  control_->SetItemText(ItemId(item), GbToWx(label));
}

TreeItem WxTreeView::FirstChild(TreeItem parent) const {
  const wxTreeItemId under = parent == kNoTreeItem ? control_->GetRootItem() : ItemId(parent);
  wxTreeItemIdValue cookie;
  const wxTreeItemId child = control_->GetFirstChild(under, cookie);
  return child.IsOk() ? Handle(child) : kNoTreeItem;
}

TreeItem WxTreeView::NextSibling(TreeItem item) const {
  const wxTreeItemId next = control_->GetNextSibling(ItemId(item));
  return next.IsOk() ? Handle(next) : kNoTreeItem;
}

TreeItem WxTreeView::Parent(TreeItem item) const {
  const wxTreeItemId parent = control_->GetItemParent(ItemId(item));
  if (!parent.IsOk() || parent == control_->GetRootItem()) return kNoTreeItem;
  return Handle(parent);
}

int WxTreeView::ChildCount(TreeItem item) const {
  return static_cast<int>(control_->GetChildrenCount(ItemId(item), false));
}

int WxTreeView::Depth(TreeItem item) const {
  int depth = 0;
  for (TreeItem up = Parent(item); up != kNoTreeItem; up = Parent(up)) ++depth;
  return depth;
}

TreeItem WxTreeView::SelectedItem() const {
  const wxTreeItemId selected = control_->GetSelection();
  if (!selected.IsOk() || selected == control_->GetRootItem()) return kNoTreeItem;
  return Handle(selected);
}

void WxTreeView::SelectItem(TreeItem item) {
  if (SelectedItem() == item) return;
  const wxTreeItemId id = ItemId(item);
  control_->SelectItem(id);
  control_->EnsureVisible(id);
}

void WxTreeView::ClearSelection() {
  const ScopedFlag quiet(quiet_);
  control_->UnselectAll();
  control_->Unselect();  // a single-selection tree keeps its current item otherwise
}

void WxTreeView::Expand(TreeItem item) { control_->Expand(ItemId(item)); }

void WxTreeView::Enable() { control_->Enable(true); }

void WxTreeView::Disable() { control_->Enable(false); }

bool WxTreeView::IsEnabled() const { return control_->IsEnabled(); }

void WxTreeView::Freeze() { control_->Freeze(); }

void WxTreeView::Thaw() {
  if (control_->IsFrozen()) control_->Thaw();
  control_->Refresh();
}

void WxTreeView::StartLabelEditing(TreeItem item) { control_->EditLabel(ItemId(item)); }

bool WxTreeView::EditingLabel() const { return control_->GetEditControl() != nullptr; }

void WxTreeView::OnSelectionChanged(wxTreeEvent& event) {
  event.Skip();
  if (quiet_ || !handlers_.selection_changed) return;
  const TreeItem selected = SelectedItem();
  if (selected != kNoTreeItem) handlers_.selection_changed(selected);
}

void WxTreeView::OnBeginLabelEdit(wxTreeEvent& event) {
  const TreeItem item = Handle(event.GetItem());
  if (handlers_.may_edit_label && !handlers_.may_edit_label(item)) {
    event.Veto();
    return;
  }
  // The editor is made from the item's text right after this event, so the
  // item carries the edit text until editing ends.
  label_before_edit_ = control_->GetItemText(event.GetItem());
  if (handlers_.label_edit_text) control_->SetItemText(event.GetItem(), GbToWx(handlers_.label_edit_text(item)));
}

void WxTreeView::OnEndLabelEdit(wxTreeEvent& event) {
  // The logic decides the label: the control never keeps the typed text.
  event.Veto();
  control_->SetItemText(event.GetItem(), label_before_edit_);
  if (event.IsEditCancelled() || !handlers_.label_edited) return;
  handlers_.label_edited(Handle(event.GetItem()), WxToGb(event.GetLabel()));
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
  if (dragged == kNoTreeItem || !handlers_.dropped) return;
  const wxTreeItemId target = event.GetItem();
  // A release outside the tree's client area moves nothing.
  const bool inside = control_->GetClientRect().Contains(event.GetPoint());
  const TreeItem target_item =
      (inside && target.IsOk() && target != control_->GetRootItem()) ? Handle(target) : kNoTreeItem;
  if (!inside) return;
  DropOnto(dragged, target_item);
}

void WxTreeView::DropOnto(TreeItem dragged, TreeItem target) {
  if (handlers_.dropped) handlers_.dropped(dragged, target);
}

}  // namespace mivrel
