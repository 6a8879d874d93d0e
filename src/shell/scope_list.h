// The rows of the two scope pickers (search and index panes) and their
// ScopeIdList texts, as the last full tree load made them.  Row 0 is
// "显示全部分类" with an empty list (no filter); every other row is one category
// in tree order, labelled with ".." per nesting level (at most
// kMaxScopeIndentLevels, so that a deep chain costs memory linear in its
// length) + its name, and its
// list is "[" + id + "]" followed by "[" + child id + "]" for each direct
// subcategory shown in the tree, in tree order.  The search and index logic
// reads it; the directory tree fills it.
#pragma once

#include <string>
#include <vector>

namespace mivrel {

constexpr size_t kMaxScopeIndentLevels = 64;

struct ScopeList {
  std::vector<std::string> rows;      // picker labels, GB18030
  std::vector<std::string> id_lists;  // ScopeIdList, same size as rows

  // Starts over with the single row "显示全部分类".
  void Reset() {
    rows.assign(1, "显示全部分类");
    id_lists.assign(1, std::string());
  }
  // Adds a row with an empty list; its index.
  size_t AddRow(const std::string& label) {
    rows.push_back(label);
    id_lists.emplace_back();
    return rows.size() - 1;
  }
};

}  // namespace mivrel
