// The adapters over real wx controls keep the promises of the core's ports.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "framework/anchor_layout.h"
#include "framework/icons.h"
#include "framework/pane_adapters.h"
#include "framework/scope_picker_control.h"
#include "framework/tree_view_adapter.h"
#include "framework/virtual_tree_control.h"
#include "framework/wx_text.h"

namespace mivrel {
namespace {

class AdaptersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = new wxFrame(nullptr, wxID_ANY, L"test", wxDefaultPosition, wxSize(400, 300));
    tree_ = new wxTreeCtrl(frame_, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxTR_HIDE_ROOT | wxTR_EDIT_LABELS | wxTR_SINGLE | wxTR_HAS_BUTTONS);
    directory_ = new VirtualTreeControl(frame_, wxID_ANY, wxDefaultPosition, wxSize(200, 200));
    frame_->Show();
  }
  void TearDown() override { frame_->Destroy(); }

  wxFrame* frame_ = nullptr;
  wxTreeCtrl* tree_ = nullptr;  // the flat result lists
  VirtualTreeControl* directory_ = nullptr;
};

DirectoryItem Item(const std::string& label, int id, int image) { return DirectoryItem{label, id, image}; }

TEST_F(AdaptersTest, TreeKeepsOrderParentsAndItemValues) {
  WxTreeView view(directory_);
  const TreeItem windows = view.AppendItem(kNoTreeItem, Item("窗口", 5, 3));
  const TreeItem bin = view.AppendItem(kNoTreeItem, Item("回收站", 9, 34));
  const TreeItem first_entry = view.InsertFirst(kNoTreeItem, Item("Top", 70, 16));
  const TreeItem child_b = view.AppendItem(windows, Item("B", 2, 17));
  const TreeItem child_a = view.InsertFirst(windows, Item("A", 1, 18));
  const TreeItem child_ab = view.InsertAfter(windows, child_a, Item("AB", 3, 19));

  EXPECT_EQ(view.FirstChild(kNoTreeItem), first_entry);
  EXPECT_EQ(view.NextSibling(first_entry), windows);
  EXPECT_EQ(view.NextSibling(windows), bin);
  EXPECT_EQ(view.NextSibling(bin), kNoTreeItem);
  EXPECT_EQ(view.FirstChild(windows), child_a);
  EXPECT_EQ(view.NextSibling(child_a), child_ab);
  EXPECT_EQ(view.NextSibling(child_ab), child_b);
  EXPECT_EQ(view.ChildCount(windows), 3);
  EXPECT_EQ(view.Parent(child_b), windows);
  EXPECT_EQ(view.Parent(windows), kNoTreeItem);
  EXPECT_EQ(view.Depth(windows), 0);
  EXPECT_EQ(view.Depth(child_ab), 1);

  EXPECT_EQ(view.Label(windows), "窗口");
  EXPECT_EQ(view.Id(bin), 9);
  EXPECT_EQ(view.Image(bin), 34);
  view.SetLabel(windows, "窗口(3)");
  EXPECT_EQ(view.Label(windows), "窗口(3)");
}

TEST_F(AdaptersTest, TreeReportsSelectionsButNotItsOwnDeletes) {
  WxTreeView view(directory_);
  std::vector<TreeItem> reported;
  TreeViewHandlers handlers;
  handlers.selection_changed = [&](TreeItem item) { reported.push_back(item); };
  view.SetHandlers(handlers);
  const TreeItem one = view.AppendItem(kNoTreeItem, Item("one", 1, 0));
  const TreeItem two = view.AppendItem(kNoTreeItem, Item("two", 2, 0));

  view.SelectItem(one);
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0], one);
  view.SelectItem(one);  // already selected: nothing
  EXPECT_EQ(reported.size(), 1u);
  EXPECT_EQ(view.SelectedItem(), one);

  view.DeleteItem(one);
  EXPECT_EQ(reported.size(), 1u);
  EXPECT_EQ(view.SelectedItem(), kNoTreeItem);
  view.SelectItem(two);
  EXPECT_EQ(reported.size(), 2u);
  view.ClearSelection();
  EXPECT_EQ(view.SelectedItem(), kNoTreeItem);
  EXPECT_EQ(reported.size(), 2u);

  view.DeleteAllItems();
  EXPECT_EQ(view.FirstChild(kNoTreeItem), kNoTreeItem);
  EXPECT_EQ(reported.size(), 2u);
  // Usable again after a full reload.
  const TreeItem again = view.AppendItem(kNoTreeItem, Item("again", 3, 0));
  EXPECT_EQ(view.FirstChild(kNoTreeItem), again);
}

TEST_F(AdaptersTest, DropsGoToTheHandler) {
  WxTreeView view(directory_);
  TreeItem dragged = kNoTreeItem;
  TreeItem target = 1;
  TreeViewHandlers handlers;
  handlers.dropped = [&](TreeItem from, TreeItem to) {
    dragged = from;
    target = to;
  };
  view.SetHandlers(handlers);
  const TreeItem a = view.AppendItem(kNoTreeItem, Item("a", 1, 16));
  const TreeItem b = view.AppendItem(kNoTreeItem, Item("b", 2, 0));
  view.DropOnto(a, b);
  EXPECT_EQ(dragged, a);
  EXPECT_EQ(target, b);
  view.DropOnto(b, kNoTreeItem);
  EXPECT_EQ(target, kNoTreeItem);
}

TEST_F(AdaptersTest, ResultListReportsUserAndFirstSelectionsNotDeletes) {
  int reports = 0;
  WxResultList list(tree_, [&] { ++reports; });
  list.Append("CreateWindow", 11, 16);
  list.Append("创建", 12, 17);
  EXPECT_EQ(list.Count(), 2);
  int id = 0;
  EXPECT_FALSE(list.SelectedId(id));
  list.SelectFirst();
  EXPECT_EQ(reports, 1);
  ASSERT_TRUE(list.SelectedId(id));
  EXPECT_EQ(id, 11);
  list.SelectFirst();  // the port promises a report even when it is selected already
  EXPECT_EQ(reports, 2);
  list.DeleteAll();
  EXPECT_EQ(reports, 2);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.SelectedId(id));
  list.SetEnabled(false);
  EXPECT_FALSE(list.IsEnabled());
  list.Freeze();
  list.Thaw();
}

TEST_F(AdaptersTest, TextBoxSetTextRunsTheChangeHandling) {
  auto* box = new wxTextCtrl(frame_, wxID_ANY);
  int changes = 0;
  box->Bind(wxEVT_TEXT, [&](wxCommandEvent&) { ++changes; });
  WxTextBox text(box);
  text.SetText("std::vector 创建");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(text.Text(), "std::vector 创建");
}

// A batch of first children lands in the order given, above the children
// that were there, as InsertFirst of each from the last would place them.
TEST_F(AdaptersTest, TreeInsertsABatchOfFirstChildrenInOrder) {
  WxTreeView view(directory_);
  const TreeItem parent = view.AppendItem(kNoTreeItem, Item("窗口", 5, 3));
  const TreeItem sub = view.AppendItem(parent, Item("子类", 6, 3));
  view.InsertFirstChildren(parent, {Item("A", 1, 16), Item("B", 2, 17), Item("C", 3, 18)});
  view.InsertFirstChildren(kNoTreeItem, {Item("Top", 9, 16)});
  std::vector<std::string> labels;
  for (TreeItem item = view.FirstChild(parent); item != kNoTreeItem; item = view.NextSibling(item))
    labels.push_back(view.Label(item));
  EXPECT_EQ(labels, (std::vector<std::string>{"A", "B", "C", "子类"}));
  EXPECT_EQ(view.Id(view.FirstChild(parent)), 1);
  EXPECT_EQ(view.Image(view.NextSibling(view.FirstChild(parent))), 17);
  EXPECT_EQ(view.Parent(sub), parent);
  EXPECT_EQ(view.Label(view.FirstChild(kNoTreeItem)), "Top");
}

// The picker's popup offers exactly the rows it was given, in their order,
// also for a library's worth of categories; a choice is reported with its row.
TEST_F(AdaptersTest, ScopePickerOffersTheGivenRowsInOrderAndReportsChoices) {
  auto* control = new ScopePickerControl(frame_, wxID_ANY, wxDefaultPosition, wxSize(200, 24));
  WxScopePicker picker(control);
  std::vector<std::string> rows = {"显示全部分类"};
  for (int i = 0; i < 5000; ++i) rows.push_back(std::string(static_cast<size_t>(i % 6) * 2, '.') + "分类" + std::to_string(i));
  picker.SetRows(rows);
  EXPECT_EQ(picker.SelectedRow(), -1);
  picker.SelectRow(0);
  EXPECT_EQ(WxToGb(control->GetValue()), "显示全部分类");

  control->ShowPopup();
  ASSERT_TRUE(control->IsPopupShown());
  const std::vector<wxString> offered = control->OfferedRows();
  ASSERT_EQ(offered.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(WxToGb(offered[i]), rows[i]) << i;

  std::vector<int> reported;
  control->Bind(wxEVT_CHOICE, [&](wxCommandEvent& event) { reported.push_back(event.GetInt()); });
  control->ChooseRow(4321);
  EXPECT_EQ(reported, std::vector<int>{4321});
  EXPECT_EQ(picker.SelectedRow(), 4321);
  EXPECT_FALSE(control->IsPopupShown());
  EXPECT_EQ(WxToGb(control->GetValue()), rows[4321]);

  picker.SelectRow(2);  // by program: not reported
  EXPECT_EQ(reported.size(), 1u);
  EXPECT_EQ(picker.SelectedRow(), 2);
  picker.SetRows({"显示全部分类"});
  EXPECT_EQ(picker.SelectedRow(), -1);
}

TEST_F(AdaptersTest, SideTabsSelectThroughTheNotebook) {
  auto* book = new wxNotebook(frame_, wxID_ANY);
  for (const wchar_t* name : {L"目录", L"索引", L"查找"}) book->AddPage(new wxPanel(book), name);
  std::vector<int> changes;
  book->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [&](wxBookCtrlEvent& event) { changes.push_back(event.GetSelection()); });
  WxSideTabs tabs(book);
  EXPECT_EQ(tabs.CurrentTab(), SideTab::Directory);
  tabs.SelectTab(SideTab::Index);
  EXPECT_EQ(tabs.CurrentTab(), SideTab::Index);
  tabs.SelectTab(SideTab::Index);  // again: the tab's handling still runs
  tabs.SelectTab(SideTab::Search);
  EXPECT_EQ(tabs.CurrentTab(), SideTab::Search);
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0], 1);
  EXPECT_EQ(changes[1], 1);
  EXPECT_EQ(changes[2], 2);
}

TEST_F(AdaptersTest, AnchorLayoutKeepsMarginsWhenTheFormResizes) {
  auto* form = new wxPanel(frame_, wxID_ANY, wxPoint(0, 0), wxSize(200, 100));
  auto* stretched = new wxPanel(form, wxID_ANY, wxPoint(10, 10), wxSize(170, 60));
  auto* bottom = new wxPanel(form, wxID_ANY, wxPoint(2, 70), wxSize(196, 26));
  auto* loose = new wxPanel(form, wxID_ANY, wxPoint(5, 5), wxSize(20, 20));
  AnchorLayout layout(form);
  layout.Add(stretched, "FL,FT,FR,FB");
  layout.Add(bottom, "FL,FB,FR,FB");
  layout.Add(loose, "FL,FT");  // not a code: left alone
  form->SetSize(300, 200);
  layout.ApplyAnchors();
  EXPECT_EQ(stretched->GetRect(), wxRect(10, 10, 270, 160));
  EXPECT_EQ(bottom->GetRect(), wxRect(2, 170, 296, 26));
  EXPECT_EQ(loose->GetRect(), wxRect(5, 5, 20, 20));
}

TEST(Icons, SharedListHoldsThirtyFiveIconsAndNamedOnesResolve) {
  std::unique_ptr<wxImageList> list(NewSharedImageList());
  EXPECT_EQ(list->GetImageCount(), kSharedImageCount);
  int width = 0, height = 0;
  list->GetSize(0, width, height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
  for (const char* code : {"T01", "t02", "T13", "IMAGE_E10", "g07", "P03", "CONNECTED"}) {
    EXPECT_TRUE(NamedIcon(code).IsOk()) << code;
  }
  EXPECT_FALSE(NamedIcon("").IsOk());
  EXPECT_FALSE(NamedIcon("T99").IsOk());
  EXPECT_FALSE(NamedIcon("G16").IsOk());
}

}  // namespace
}  // namespace mivrel
