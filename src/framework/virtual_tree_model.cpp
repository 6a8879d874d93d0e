#include "framework/virtual_tree_model.h"

namespace mivrel {
namespace {

// Whether the children of `parent` are shown (it is the root or expanded, and
// every ancestor is expanded).
bool ShowsChildren(const VirtualTreeNode* parent) {
  for (const VirtualTreeNode* up = parent; up->parent != nullptr; up = up->parent) {
    if (!up->expanded) return false;
  }
  return true;
}

}  // namespace

VirtualTreeModel::VirtualTreeModel() { root_.expanded = true; }

VirtualTreeModel::~VirtualTreeModel() { Clear(); }

VirtualTreeModel::Node* VirtualTreeModel::Append(Node* parent, const std::string& label, int id, int image) {
  Node* under = parent != nullptr ? parent : &root_;
  return InsertAfter(under, under->last_child, label, id, image);
}

VirtualTreeModel::Node* VirtualTreeModel::Prepend(Node* parent, const std::string& label, int id, int image) {
  return InsertAfter(parent, nullptr, label, id, image);
}

VirtualTreeModel::Node* VirtualTreeModel::InsertAfter(Node* parent, Node* previous, const std::string& label,
                                                      int id, int image) {
  auto node = std::make_unique<Node>();
  node->label = label;
  node->id = id;
  node->image = image;
  return Link(parent != nullptr ? parent : &root_, previous, std::move(node));
}

VirtualTreeModel::Node* VirtualTreeModel::Link(Node* parent, Node* previous, std::unique_ptr<Node> owned) {
  Node* node = owned.release();  // owned by the links from here; freed by Delete or Clear
  node->parent = parent;
  node->previous = previous;
  node->next = previous != nullptr ? previous->next : parent->first_child;
  if (node->next != nullptr) {
    node->next->previous = node;
  } else {
    parent->last_child = node;
  }
  if (previous != nullptr) {
    previous->next = node;
  } else {
    parent->first_child = node;
  }
  ++parent->child_count;
  MarkChanged(parent);
  return node;
}

void VirtualTreeModel::Delete(Node* node) {
  Node* parent = node->parent;
  MarkChanged(parent);
  if (node->previous != nullptr) {
    node->previous->next = node->next;
  } else {
    parent->first_child = node->next;
  }
  if (node->next != nullptr) {
    node->next->previous = node->previous;
  } else {
    parent->last_child = node->previous;
  }
  --parent->child_count;
  // Iteratively, children first: a category can hold a hundred thousand items.
  std::vector<Node*> pending{node};
  while (!pending.empty()) {
    Node* doomed = pending.back();
    pending.pop_back();
    for (Node* child = doomed->first_child; child != nullptr; child = child->next) pending.push_back(child);
    delete doomed;
  }
}

void VirtualTreeModel::Clear() {
  while (root_.first_child != nullptr) Delete(root_.first_child);
  rows_.clear();
  rows_stale_ = false;
}

bool VirtualTreeModel::Expand(Node* node) {
  if (node->expanded || node->child_count == 0) return false;
  node->expanded = true;
  MarkChanged(node->parent);
  return true;
}

bool VirtualTreeModel::Collapse(Node* node) {
  if (!node->expanded) return false;
  node->expanded = false;
  MarkChanged(node->parent);
  return true;
}

bool VirtualTreeModel::ExpandAncestors(Node* node) {
  bool changed = false;
  for (Node* up = node->parent; up != nullptr && up != &root_; up = up->parent) changed |= Expand(up);
  return changed;
}

const std::vector<VirtualTreeModel::Node*>& VirtualTreeModel::Rows() {
  if (rows_stale_) RebuildRows();
  return rows_;
}

int VirtualTreeModel::RowOf(Node* node) {
  const std::vector<Node*>& rows = Rows();
  // A hidden item keeps the row it had when it was last shown: check it.
  const int row = node->row;
  return row >= 0 && row < static_cast<int>(rows.size()) && rows[row] == node ? row : -1;
}

VirtualTreeModel::Node* VirtualTreeModel::NodeAt(int row) {
  const std::vector<Node*>& rows = Rows();
  return row >= 0 && row < static_cast<int>(rows.size()) ? rows[row] : nullptr;
}

int VirtualTreeModel::Depth(const Node* node) {
  int depth = -1;
  for (const Node* up = node->parent; up != nullptr; up = up->parent) ++depth;
  return depth;
}

bool VirtualTreeModel::IsInside(const Node* ancestor, const Node* node) {
  for (const Node* up = node->parent; up != nullptr; up = up->parent) {
    if (up == ancestor) return true;
  }
  return false;
}

void VirtualTreeModel::MarkChanged(const Node* parent) {
  if (!rows_stale_ && ShowsChildren(parent)) rows_stale_ = true;
}

void VirtualTreeModel::RebuildRows() {
  rows_.clear();
  // Depth-first without recursion; `depth` of each item is its parent's + 1.
  Node* node = root_.first_child;
  int depth = 0;
  while (node != nullptr) {
    node->row = static_cast<int>(rows_.size());
    node->depth = depth;
    rows_.push_back(node);
    if (node->expanded && node->first_child != nullptr) {
      node = node->first_child;
      ++depth;
      continue;
    }
    while (node != nullptr && node->next == nullptr) {
      node = node->parent;
      --depth;
      if (node == &root_) node = nullptr;
    }
    if (node != nullptr) node = node->next;
  }
  rows_stale_ = false;
}

}  // namespace mivrel
