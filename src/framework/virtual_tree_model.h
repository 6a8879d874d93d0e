// The items of VirtualTreeControl and the flat list of its visible rows.
// Items form a tree of linked siblings under a hidden root, so inserting,
// deleting and walking are constant time per item however many children a
// parent holds.  The visible rows (every item whose ancestors are all
// expanded, in display order) are rebuilt lazily on the first question after
// a change, so a burst of inserts costs one rebuild, and nothing here ever
// measures text.  No window, no drawing, no toolkit: the control owns one
// model.  Labels are kept as given (GB18030) and converted only when drawn.
// User-interface thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace mivrel {

struct VirtualTreeNode {
  std::string label;  // GB18030
  int id = 0;
  int image = -1;
  VirtualTreeNode* parent = nullptr;
  VirtualTreeNode* first_child = nullptr;
  VirtualTreeNode* last_child = nullptr;
  VirtualTreeNode* previous = nullptr;
  VirtualTreeNode* next = nullptr;
  int child_count = 0;
  bool expanded = false;
  // Set by the row rebuild for visible items only: use VirtualTreeModel::RowOf.
  int row = -1;
  int depth = 0;  // root items 0; valid while the item is visible
};

class VirtualTreeModel {
 public:
  using Node = VirtualTreeNode;

  VirtualTreeModel();
  ~VirtualTreeModel();
  VirtualTreeModel(const VirtualTreeModel&) = delete;
  VirtualTreeModel& operator=(const VirtualTreeModel&) = delete;

  // The hidden root: its children are the root items; it is always expanded.
  Node* Root() { return &root_; }
  const Node* Root() const { return &root_; }

  // Inserting: `parent` nullptr means the root.  New items are collapsed.
  Node* Append(Node* parent, const std::string& label, int id, int image);
  Node* Prepend(Node* parent, const std::string& label, int id, int image);
  // After `previous` (a child of `parent`); nullptr `previous` prepends.
  Node* InsertAfter(Node* parent, Node* previous, const std::string& label, int id, int image);
  // Removes the item with its subtree.  REQUIRES: not the root.
  void Delete(Node* node);
  // Removes every item.
  void Clear();

  // False when nothing changed (already so, or no children to show).
  bool Expand(Node* node);
  bool Collapse(Node* node);
  // Expands every ancestor of `node` so that it becomes visible; false when
  // they all were expanded already.
  bool ExpandAncestors(Node* node);

  // The visible rows, rebuilt if something changed since the last call.
  const std::vector<Node*>& Rows();
  int RowCount() { return static_cast<int>(Rows().size()); }
  // The row of `node`, -1 when it is hidden inside a collapsed ancestor.
  int RowOf(Node* node);
  // The item shown at `row`, nullptr outside the rows.
  Node* NodeAt(int row);

  static int Depth(const Node* node);
  // True when `node` lies inside `ancestor`'s subtree (not `ancestor` itself).
  static bool IsInside(const Node* ancestor, const Node* node);

 private:
  Node* Link(Node* parent, Node* previous, std::unique_ptr<Node> node);
  void MarkChanged(const Node* parent);
  void RebuildRows();

  Node root_;
  std::vector<Node*> rows_;
  bool rows_stale_ = false;
};

}  // namespace mivrel
