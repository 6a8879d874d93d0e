#include "app/item_lookup.h"

#include <algorithm>
#include <vector>

#include "base/text.h"

namespace mivrel {

TreeItem FindItemByLabel(const TreeView& view, const std::string& gb_label) {
  // Depth-first in tree order, without recursion.
  std::vector<TreeItem> pending;
  for (TreeItem item = view.FirstChild(kNoTreeItem); item != kNoTreeItem; item = view.NextSibling(item)) {
    pending.push_back(item);
  }
  std::reverse(pending.begin(), pending.end());
  while (!pending.empty()) {
    const TreeItem item = pending.back();
    pending.pop_back();
    const std::string label = view.Label(item);
    if (label == gb_label ||
        (StartsWith(label, gb_label + "(") && EndsWith(label, ")"))) {
      return item;
    }
    std::vector<TreeItem> children;
    for (TreeItem child = view.FirstChild(item); child != kNoTreeItem; child = view.NextSibling(child)) {
      children.push_back(child);
    }
    pending.insert(pending.end(), children.rbegin(), children.rend());
  }
  return kNoTreeItem;
}

}  // namespace mivrel
