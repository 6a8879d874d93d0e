// The category tree as a pure model: one read of `class`, and the walk that
// decides which categories the directory tree shows where.  It gives the
// scope rows of the two pickers and RecycleBinId without any tree view, and
// DirectoryTree places its items from the same walk.
//
// The walk below a category is pre-order in sibling order (优先, ties in row
// order).  A category named "回收站" is not placed (the last one met from the
// top level is the recycle bin); a category met again lies on a cycle of
// parents and is not placed twice, so every walk ends.  Plain data; any thread.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "shell/scope_list.h"

namespace mivrel {

class Database;
struct CategoryRecord;

constexpr const char* kRecycleBinName = "回收站";

class CategoryTreeModel {
 public:
  // Reads every category with an integer parent, once.
  static CategoryTreeModel Read(Database& db);
  // REQUIRES: rows ordered by parent, then 优先, then id (ReadCategoriesByParent).
  explicit CategoryTreeModel(const std::vector<CategoryRecord>& rows);

  // One placed category.
  struct Placed {
    int id;
    std::string name;  // GB18030
    int image;         // the tree image: its icon, or 0 when the icon is not a category's
    int parent;        // index of its parent in the walk; -1: directly below the walk's start
    int depth;         // 0 directly below the walk's start
  };
  struct Walk {
    std::vector<Placed> placed;
    std::optional<int> recycle_bin;  // the last "回收站" met, if any
  };
  // The categories below `parent_id` (0: the top level) as the tree shows them.
  Walk WalkBelow(int parent_id) const;

  // RecycleBinId: 0 when the library has none.
  int RecycleBinId() const;
  // The scope rows as a full tree load makes them: the categories from the
  // top level, then those inside the recycle bin.
  ScopeList Scopes() const;

 private:
  std::unordered_map<int, std::vector<Placed>> children_;  // by parent id; parent/depth unset
};

// Adds one scope row per placed category (`prefix` + ".." per level + name),
// each with its ScopeIdList: "[" + id + "]" and "[" + child id + "]" for each
// placed child.
void AppendScopeRows(ScopeList& scopes, const std::vector<CategoryTreeModel::Placed>& placed,
                     const std::string& prefix);

}  // namespace mivrel
