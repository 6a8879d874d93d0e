// Naming tree items by label for the GUI test driver.
#include "app/item_lookup.h"

#include <gtest/gtest.h>

#include "ports/memory_tree_view.h"

namespace mivrel {
namespace {

TEST(ItemLookupTest, LabelsAreFoundInTreeOrderWithOrWithoutTheCountSuffix) {
  MemoryTreeView view;
  const TreeItem windows = view.AppendItem(kNoTreeItem, DirectoryItem{"窗口(3)", 1, 0});
  const TreeItem child = view.AppendItem(windows, DirectoryItem{"AB", 3, 19});
  view.AppendItem(kNoTreeItem, DirectoryItem{"AB", 4, 16});  // later in tree order
  EXPECT_EQ(FindItemByLabel(view, "窗口"), windows);
  EXPECT_EQ(FindItemByLabel(view, "窗口(3)"), windows);
  EXPECT_EQ(FindItemByLabel(view, "AB"), child);
  EXPECT_EQ(FindItemByLabel(view, "窗"), kNoTreeItem);
  EXPECT_EQ(FindItemByLabel(view, "nothing"), kNoTreeItem);
}

}  // namespace
}  // namespace mivrel
