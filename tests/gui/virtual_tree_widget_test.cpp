// The directory tree's control through the tree adapter: selection reports,
// keyboard navigation, scrolling a deep selection into view and the label
// editor's accept and cancel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/textctrl.h>

#include "framework/tree_view_adapter.h"
#include "framework/virtual_tree_control.h"

namespace mivrel {
namespace {

class VirtualTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = new wxFrame(nullptr, wxID_ANY, L"test", wxDefaultPosition, wxSize(300, 300));
    control_ = new VirtualTreeControl(frame_, wxID_ANY, wxPoint(0, 0), wxSize(300, 200));
    frame_->Show();
    view_ = std::make_unique<WxTreeView>(control_);
    TreeViewHandlers handlers;
    handlers.selection_changed = [this](TreeItem item) { reported_.push_back(view_->Label(item)); };
    handlers.label_edit_text = [this](TreeItem item) { return view_->Label(item) + "?"; };
    handlers.label_edited = [this](TreeItem, const std::string& text) { edited_.push_back(text); };
    view_->SetHandlers(handlers);
    // a (a1, a2 (a2x)), b
    a_ = Add(kNoTreeItem, "a");
    a1_ = Add(a_, "a1");
    a2_ = Add(a_, "a2");
    a2x_ = Add(a2_, "a2x");
    b_ = Add(kNoTreeItem, "b");
  }
  void TearDown() override {
    view_.reset();
    frame_->Destroy();
  }

  TreeItem Add(TreeItem parent, const std::string& label) {
    return view_->AppendItem(parent, DirectoryItem{label, 0, 0});
  }
  // The adapter's handles are the control's nodes.
  static VirtualTreeNode* Node(TreeItem item) { return reinterpret_cast<VirtualTreeNode*>(item); }
  // Presses each key and returns the selected labels after each, blank-separated.
  std::string Keys(const std::vector<int>& keys) {
    std::string path;
    for (const int key : keys) {
      control_->PressKey(key);
      const TreeItem selected = view_->SelectedItem();
      path += (path.empty() ? "" : " ") + (selected != kNoTreeItem ? view_->Label(selected) : "-");
    }
    return path;
  }

  wxFrame* frame_ = nullptr;
  VirtualTreeControl* control_ = nullptr;
  std::unique_ptr<WxTreeView> view_;
  std::vector<std::string> reported_;
  std::vector<std::string> edited_;
  TreeItem a_ = kNoTreeItem, a1_ = kNoTreeItem, a2_ = kNoTreeItem, a2x_ = kNoTreeItem, b_ = kNoTreeItem;
};

TEST_F(VirtualTreeTest, KeysWalkTheVisibleRowsAndReportEachSelection) {
  // No selection: the first key selects the first row.  Right expands, then
  // goes to the first child; Left goes to the parent, then collapses.
  EXPECT_EQ(Keys({WXK_DOWN, WXK_RIGHT, WXK_RIGHT, WXK_DOWN, WXK_RIGHT, WXK_DOWN, WXK_DOWN}),
            "a a a1 a2 a2 a2x b");
  EXPECT_EQ(Keys({WXK_UP, WXK_LEFT, WXK_LEFT, WXK_LEFT, WXK_UP}), "a2x a2 a2 a a");
  EXPECT_EQ(Keys({WXK_END, WXK_HOME, WXK_PAGEDOWN}), "b a b");
  // '-' collapses, '+' expands, neither moves the selection.
  view_->SelectItem(a_);
  EXPECT_EQ(Keys({WXK_SUBTRACT, WXK_DOWN, WXK_UP, WXK_ADD, WXK_DOWN}), "a b a a a1");
  EXPECT_EQ(reported_, (std::vector<std::string>{"a", "a1", "a2", "a2x", "b", "a2x", "a2", "a", "b", "a",
                                                 "b", "a", "b", "a", "a1"}));
}

TEST_F(VirtualTreeTest, CollapsingAnAncestorMovesTheSelectionDeletingClearsIt) {
  view_->SelectItem(a2x_);
  EXPECT_EQ(reported_.back(), "a2x");
  control_->Collapse(Node(a_));
  EXPECT_EQ(view_->SelectedItem(), a_);
  EXPECT_EQ(reported_.back(), "a");
  const size_t reports = reported_.size();
  view_->DeleteItem(a_);
  EXPECT_EQ(view_->SelectedItem(), kNoTreeItem);
  EXPECT_EQ(reported_.size(), reports);
  EXPECT_EQ(view_->FirstChild(kNoTreeItem), b_);
}

TEST_F(VirtualTreeTest, TheOwnersKeyHandlerComesBeforeNavigation) {
  view_->SelectItem(a_);
  std::vector<int> seen;
  control_->Bind(wxEVT_TREE_KEY_DOWN, [&seen](wxTreeEvent& event) {
    seen.push_back(event.GetKeyCode());
    if (event.GetKeyCode() != WXK_F2) event.Skip();
  });
  control_->PressKey(WXK_F2);
  control_->PressKey(WXK_DOWN);
  EXPECT_EQ(seen, (std::vector<int>{WXK_F2, WXK_DOWN}));
  EXPECT_EQ(view_->SelectedItem(), b_);  // F2 was taken; Down still moves
}

TEST_F(VirtualTreeTest, SelectingDeepInsideAHugeCategoryScrollsItIntoView) {
  std::vector<DirectoryItem> entries(100000, DirectoryItem{"entry", 7, 16});
  entries[60000].label = "wanted";
  view_->InsertFirstChildren(b_, entries);
  view_->Expand(b_);
  TreeItem wanted = view_->FirstChild(b_);
  for (int i = 0; i < 60000; ++i) wanted = view_->NextSibling(wanted);
  ASSERT_EQ(view_->Label(wanted), "wanted");
  view_->SelectItem(wanted);
  const int row = 2 + 60000;  // a, b, then the children of b
  EXPECT_LE(control_->FirstVisibleRow(), row);
  EXPECT_GT(control_->FirstVisibleRow() + control_->RowsPerPage(), row);
  EXPECT_EQ(control_->HitTest(wxPoint(5, (row - control_->FirstVisibleRow()) * control_->RowHeight() + 1)),
            Node(wanted));
}

TEST_F(VirtualTreeTest, LabelEditorAcceptsCancelsAndKeepsTheLabelForTheLogic) {
  view_->StartLabelEditing(a1_);
  ASSERT_NE(control_->EditControl(), nullptr);
  EXPECT_EQ(control_->EditControl()->GetValue(), "a1?");  // the logic's edit text
  control_->EditControl()->SetValue("renamed");
  control_->EndEditLabel(EditEnd::Accept);
  EXPECT_EQ(control_->EditControl(), nullptr);
  EXPECT_EQ(edited_, std::vector<std::string>{"renamed"});
  EXPECT_EQ(view_->Label(a1_), "a1");  // the logic sets labels, not the editor

  view_->StartLabelEditing(a1_);
  control_->EditControl()->SetValue("dropped");
  control_->EndEditLabel(EditEnd::Cancel);
  view_->StartLabelEditing(a1_);
  control_->EndEditLabel(EditEnd::Accept);  // unchanged text: as cancelled
  EXPECT_EQ(edited_.size(), 1u);
  EXPECT_EQ(view_->Label(a1_), "a1");

  // Deleting the edited item closes the editor without a report.
  view_->StartLabelEditing(a1_);
  view_->DeleteItem(a_);
  EXPECT_EQ(control_->EditControl(), nullptr);
  EXPECT_EQ(edited_.size(), 1u);
}

}  // namespace
}  // namespace mivrel
