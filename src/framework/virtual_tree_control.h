// A single-selection tree window that stays fast with a hundred thousand
// children under one item: rows have one height taken from the font, only
// the rows on screen are measured and drawn, and the horizontal extent grows
// with the widest row drawn so far (never measured over all items).
//
// It looks and reports like the toolkit's generic tree with buttons, lines at
// the root, a hidden root, full-row highlight and editable labels (same font,
// colours, row height and indentation; keys Up, Down, Left, Right, Home, End,
// PageUp, PageDown, + and -, typed letters jump to a matching row; a slow
// second click on the selected label edits it), and sends
// the same wxTreeEvent types to its own handlers (items are wxTreeItemIds
// wrapping VirtualTreeNode pointers):
//   wxEVT_TREE_SEL_CHANGED      after the selection moved (click, keys,
//                               SelectItem, collapsing an ancestor of it)
//   wxEVT_TREE_KEY_DOWN         before the control's own key handling; a
//                               handler that does not Skip() takes the key
//   wxEVT_TREE_BEGIN_LABEL_EDIT vetoable; the editor starts from the item's
//                               label as it is after the event
//   wxEVT_TREE_END_LABEL_EDIT   GetLabel() the typed text (it becomes the
//                               label unless vetoed), IsEditCancelled().
//                               Enter and losing the focus accept, Escape
//                               cancels, an unchanged text counts as cancelled.
//   wxEVT_TREE_BEGIN_DRAG       must be Allow()ed to start a drag
//   wxEVT_TREE_END_DRAG         GetItem() the item under the release (none
//                               when over no item), GetPoint() in client
//                               coordinates
// Deleting items never sends a selection event; a deleted selected item
// leaves no selection.  User-interface thread only.
#pragma once

#include <wx/timer.h>
#include <wx/treebase.h>
#include <wx/window.h>

#include "framework/virtual_tree_model.h"

class wxImageList;
class wxTextCtrl;

namespace mivrel {

class VirtualTreeLabelEditor;

enum class EditEnd { Accept, Cancel };

class VirtualTreeControl final : public wxWindow {
 public:
  using Node = VirtualTreeNode;

  VirtualTreeControl(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
                     long style = wxBORDER_NONE);
  ~VirtualTreeControl() override;

  // Not owned; drawn with image indexes of the items.
  void SetImageList(wxImageList* images);

  // Items (nullptr parent: the root level); labels are GB18030, converted
  // only for the rows drawn.  Changes repaint lazily.
  Node* AppendItem(Node* parent, const std::string& label, int id, int image);
  Node* PrependItem(Node* parent, const std::string& label, int id, int image);
  Node* InsertItemAfter(Node* parent, Node* previous, const std::string& label, int id, int image);
  void DeleteItem(Node* node);
  void DeleteAllItems();
  void SetItemText(Node* node, const std::string& label);
  Node* Root() { return m_model.Root(); }
  // The item ids of this control's events wrap its nodes.
  static wxTreeItemId IdOf(Node* node) { return wxTreeItemId(static_cast<void*>(node)); }
  static Node* NodeOf(const wxTreeItemId& id) { return static_cast<Node*>(id.GetID()); }

  Node* Selection() const { return m_selected; }
  // Selects, scrolls it into view and sends wxEVT_TREE_SEL_CHANGED, unless it
  // is selected already; nullptr is Unselect.
  void SelectItem(Node* node);
  // No selection afterwards; nothing is sent.
  void Unselect();
  void Expand(Node* node);
  void Collapse(Node* node);
  // Expands its ancestors and scrolls so that its row is on screen.
  void EnsureVisible(Node* node);

  // The item at a client position, nullptr over empty space.
  Node* HitTest(const wxPoint& position);
  // A key press as from the keyboard (wx key code), wxEVT_TREE_KEY_DOWN first.
  void PressKey(int key_code);

  void EditLabel(Node* node);
  wxTextCtrl* EditControl() const;
  void EndEditLabel(EditEnd how);

  int RowHeight() const { return m_row_height; }
  int FirstVisibleRow() const { return m_top_row; }
  // Rows that fit in the client area (at least one).
  int RowsPerPage() const;

  bool Enable(bool enable = true) override;

 private:
  friend class VirtualTreeLabelEditor;

  void AfterChange();
  void ForgetInside(Node* doomed);
  void SetSelection(Node* node);  // also sends the event
  void ScrollToRow(int row);
  void UpdateScrollbars();
  void GrowWidth(int right_edge);
  int ItemX(const Node* node) const;  // where the image starts, in unscrolled coordinates
  int TextX(const Node* node) const;
  // The horizontal scroll position that shows the item with its parent's line.
  int LeftShowing(const Node* node) const;
  bool OnButton(const Node* node, int x) const;  // x in client coordinates
  bool OnLabel(const Node* node, int x) const;
  void RefreshRow(Node* node);
  void ScheduleScrollbars();

  void OnPaint(wxPaintEvent& event);
  void DrawRow(wxDC& dc, Node* node, int y);
  void DrawLines(wxDC& dc, const Node* node, int y);
  void OnSize(wxSizeEvent& event);
  void OnScroll(wxScrollWinEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDouble(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void Navigate(int key_code);
  void PressAt(const wxPoint& position);
  void Toggle(Node* node);
  void EndDrag(const wxPoint& position);
  void FinishLabelEdit(const wxString& text, EditEnd how);

  VirtualTreeModel m_model;
  wxImageList* m_images = nullptr;
  Node* m_selected = nullptr;
  int m_row_height = 20;
  int m_image_width = 0;
  int m_top_row = 0;
  int m_left = 0;         // horizontal scroll position in pixels
  int m_widest = 0;       // right edge of the widest row drawn so far
  bool m_scrollbars_pending = false;

  // Mouse: a press on an item may become a drag once the pointer moves away.
  Node* m_pressed = nullptr;
  wxPoint m_press_point;
  bool m_pressed_was_selected = false;
  Node* m_dragged = nullptr;
  Node* m_drop_target = nullptr;
  wxTimer m_rename_timer;  // a second slow click on the selected label edits it

  // Typing letters jumps to the next row that starts with them.
  wxString m_find_prefix;
  wxTimer m_find_timer;

  VirtualTreeLabelEditor* m_editor = nullptr;
  Node* m_edited = nullptr;
};

}  // namespace mivrel
