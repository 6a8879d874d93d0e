// The directory tree's item model: which items are rows, in which order,
// after expanding, collapsing, inserting and deleting.
#include <gtest/gtest.h>

#include <string>

#include "framework/virtual_tree_model.h"

namespace mivrel {
namespace {

class VirtualTreeModelTest : public ::testing::Test {
 protected:
  using Node = VirtualTreeNode;

  Node* Add(Node* parent, const char* label) { return model_.Append(parent, label, 0, 0); }

  // The rows as "label/depth" joined by blanks.
  std::string Rows() {
    std::string text;
    for (Node* node : model_.Rows()) {
      if (!text.empty()) text += ' ';
      text += node->label + "/" + std::to_string(node->depth);
    }
    return text;
  }

  VirtualTreeModel model_;
};

TEST_F(VirtualTreeModelTest, RowsFollowExpandCollapseInsertAndDelete) {
  Node* a = Add(nullptr, "a");
  Node* a1 = Add(a, "a1");
  Node* a1x = Add(a1, "a1x");
  Add(a, "a2");
  Node* b = Add(nullptr, "b");
  EXPECT_EQ(Rows(), "a/0 b/0");
  EXPECT_EQ(model_.RowOf(a1), -1);

  ASSERT_TRUE(model_.Expand(a));
  EXPECT_EQ(Rows(), "a/0 a1/1 a2/1 b/0");
  EXPECT_EQ(model_.RowOf(b), 3);
  EXPECT_EQ(model_.NodeAt(1), a1);
  EXPECT_EQ(model_.NodeAt(4), nullptr);

  // A grandchild shows only when every ancestor is expanded.
  model_.Expand(a1);
  model_.Collapse(a);
  EXPECT_EQ(Rows(), "a/0 b/0");
  EXPECT_EQ(model_.RowOf(a1x), -1);  // its old row is not reported
  model_.ExpandAncestors(a1x);
  EXPECT_EQ(Rows(), "a/0 a1/1 a1x/2 a2/1 b/0");

  // Inserts land where they were asked for, and show at once under an expanded parent.
  model_.Prepend(a, "a0", 0, 0);
  model_.InsertAfter(a, a1, "a1b", 0, 0);
  model_.Prepend(nullptr, "top", 0, 0);
  EXPECT_EQ(Rows(), "top/0 a/0 a0/1 a1/1 a1x/2 a1b/1 a2/1 b/0");
  EXPECT_EQ(a->child_count, 4);

  // Deleting takes the subtree; rows below move up.
  model_.Delete(a1);
  EXPECT_EQ(Rows(), "top/0 a/0 a0/1 a1b/1 a2/1 b/0");
  EXPECT_EQ(model_.RowOf(b), 5);
  EXPECT_EQ(a->child_count, 3);

  // An item without children cannot be expanded; one hidden by its parent does not show.
  EXPECT_FALSE(model_.Expand(b));
  Node* b1 = Add(b, "b1");
  Add(b1, "b1a");
  model_.Expand(b1);
  EXPECT_EQ(model_.RowOf(b1), -1);
  model_.Expand(b);
  EXPECT_EQ(Rows(), "top/0 a/0 a0/1 a1b/1 a2/1 b/0 b1/1 b1a/2");

  model_.Clear();
  EXPECT_EQ(Rows(), "");
  EXPECT_EQ(model_.Root()->first_child, nullptr);
}

TEST_F(VirtualTreeModelTest, SiblingLinksAndAncestryStayConsistent) {
  Node* a = Add(nullptr, "a");
  Node* first = model_.Prepend(a, "first", 1, 16);
  Node* last = Add(a, "last");
  Node* middle = model_.InsertAfter(a, first, "middle", 2, 17);
  EXPECT_EQ(a->first_child, first);
  EXPECT_EQ(first->next, middle);
  EXPECT_EQ(middle->next, last);
  EXPECT_EQ(last->previous, middle);
  EXPECT_EQ(a->last_child, last);

  model_.Delete(last);
  EXPECT_EQ(a->last_child, middle);
  EXPECT_EQ(middle->next, nullptr);
  model_.Delete(first);
  EXPECT_EQ(a->first_child, middle);
  EXPECT_EQ(middle->previous, nullptr);

  Node* deep = Add(middle, "deep");
  EXPECT_EQ(VirtualTreeModel::Depth(deep), 2);
  EXPECT_TRUE(VirtualTreeModel::IsInside(a, deep));
  EXPECT_FALSE(VirtualTreeModel::IsInside(deep, a));
  EXPECT_FALSE(VirtualTreeModel::IsInside(middle, middle));
}

TEST_F(VirtualTreeModelTest, AHundredThousandChildrenMapToRowsInOrder) {
  Node* big = Add(nullptr, "big");
  Node* after = Add(nullptr, "after");
  Node* previous = nullptr;
  constexpr int kChildren = 100000;
  for (int i = 0; i < kChildren; ++i) previous = model_.InsertAfter(big, previous, "e", i, 16);
  model_.Expand(big);
  EXPECT_EQ(model_.RowCount(), kChildren + 2);
  EXPECT_EQ(model_.NodeAt(50001)->id, 50000);
  EXPECT_EQ(model_.RowOf(after), kChildren + 1);
  model_.Delete(big);
  EXPECT_EQ(model_.RowCount(), 1);
  EXPECT_EQ(model_.RowOf(after), 0);
}

}  // namespace
}  // namespace mivrel
