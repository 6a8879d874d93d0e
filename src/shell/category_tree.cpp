#include "shell/category_tree.h"

#include <algorithm>
#include <unordered_set>

#include "ports/tree_view.h"
#include "store/records.h"

namespace mivrel {
namespace {

std::string Bracketed(int id) { return "[" + std::to_string(id) + "]"; }

}  // namespace

CategoryTreeModel CategoryTreeModel::Read(Database& db) { return CategoryTreeModel(ReadCategoriesByParent(db)); }

CategoryTreeModel::CategoryTreeModel(const std::vector<CategoryRecord>& rows) {
  for (const CategoryRecord& row : rows)
    children_[static_cast<int>(row.parent)].push_back(
        Placed{static_cast<int>(row.id), row.name, CategoryImage(row.icon), -1, 0});
}

CategoryTreeModel::Walk CategoryTreeModel::WalkBelow(int parent_id) const {
  // Pre-order with an explicit stack, so that any depth is safe.  Each frame
  // is one parent whose children are being placed.
  struct Frame {
    const std::vector<Placed>* rows;
    size_t next;
    int index;  // the parent's index in the walk; -1 for the start
    int depth;
  };
  Walk walk;
  std::unordered_set<int> seen{parent_id};
  std::vector<Frame> stack;
  const auto push = [&](int id, int index, int depth) {
    const auto found = children_.find(id);
    if (found != children_.end()) stack.push_back({&found->second, 0, index, depth});
  };
  push(parent_id, -1, 0);
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.rows->size()) {
      stack.pop_back();
      continue;
    }
    const Placed& row = (*frame.rows)[frame.next++];
    if (row.name == kRecycleBinName) {
      walk.recycle_bin = row.id;
      continue;
    }
    if (!seen.insert(row.id).second) continue;
    walk.placed.push_back(Placed{row.id, row.name, row.image, frame.index, frame.depth});
    const int depth = frame.depth;
    push(row.id, static_cast<int>(walk.placed.size()) - 1, depth + 1);  // may move `frame`
  }
  return walk;
}

int CategoryTreeModel::RecycleBinId() const { return WalkBelow(0).recycle_bin.value_or(0); }

ScopeList CategoryTreeModel::Scopes() const {
  ScopeList scopes;
  scopes.Reset();
  const Walk top = WalkBelow(0);
  AppendScopeRows(scopes, top.placed, std::string());
  const int bin = top.recycle_bin.value_or(0);
  if (bin > 0) AppendScopeRows(scopes, WalkBelow(bin).placed, std::string());
  return scopes;
}

void AppendScopeRows(ScopeList& scopes, const std::vector<CategoryTreeModel::Placed>& placed,
                     const std::string& prefix) {
  std::vector<size_t> rows;
  rows.reserve(placed.size());
  for (const CategoryTreeModel::Placed& category : placed) {
    // The dots stop at kMaxScopeIndentLevels: a chain thousands of levels deep
    // must cost time and memory linear in its length.
    const size_t dots = 2 * std::min(static_cast<size_t>(category.depth), kMaxScopeIndentLevels);
    const size_t row = scopes.AddRow(prefix + std::string(dots, '.') + category.name);
    scopes.id_lists[row] = Bracketed(category.id);
    if (category.parent >= 0) scopes.id_lists[rows[static_cast<size_t>(category.parent)]] += Bracketed(category.id);
    rows.push_back(row);
  }
}

}  // namespace mivrel
