// VirtualTreeControl: mouse and keyboard, as the generic tree answers them.
#include <algorithm>

#include <wx/treebase.h>

#include "framework/virtual_tree_control.h"
#include "framework/wx_text.h"

namespace mivrel {
namespace {

constexpr int kRenameDelayMs = 500;   // the slow second click that starts label editing
constexpr int kFindResetMs = 500;     // how long typed letters stay one search prefix
constexpr int kDragDistance = 4;      // pointer travel (pixels) that turns a press into a drag

}  // namespace

void VirtualTreeControl::OnLeftDown(wxMouseEvent& event) {
  event.Skip();  // the owner's own press handling runs too, whatever the binding order
  m_rename_timer.Stop();
  m_pressed = nullptr;
  // A press beside the open label editor accepts it before it acts, as the
  // editor's focus loss does in the generic tree.
  if (m_editor != nullptr) EndEditLabel(EditEnd::Accept);
  PressAt(event.GetPosition());
  // After the press's handling: showing a page can hand the focus to the
  // browser pane on the way.
  SetFocus();
}

void VirtualTreeControl::PressAt(const wxPoint& position) {
  Node* node = HitTest(position);
  if (node == nullptr) return;
  if (node->child_count > 0 && OnButton(node, position.x)) {
    Toggle(node);
    return;
  }
  m_pressed = node;
  m_press_point = position;
  m_pressed_was_selected = node == m_selected;
  SelectItem(node);
}

void VirtualTreeControl::Toggle(Node* node) {
  if (node->expanded) {
    Collapse(node);
  } else {
    Expand(node);
  }
}

void VirtualTreeControl::OnLeftUp(wxMouseEvent& event) {
  if (m_dragged != nullptr) {
    if (HasCapture()) ReleaseMouse();
    EndDrag(event.GetPosition());
    return;
  }
  Node* node = HitTest(event.GetPosition());
  if (node != nullptr && node == m_pressed && m_pressed_was_selected && node == m_selected &&
      OnLabel(node, event.GetX())) {
    m_rename_timer.StartOnce(kRenameDelayMs);
  }
  m_pressed = nullptr;
}

void VirtualTreeControl::OnLeftDouble(wxMouseEvent& event) {
  m_rename_timer.Stop();
  m_pressed = nullptr;
  Node* node = HitTest(event.GetPosition());
  if (node != nullptr && node->child_count > 0) Toggle(node);
}

void VirtualTreeControl::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (m_dragged != nullptr) {
    Node* target = HitTest(event.GetPosition());
    if (target != m_drop_target) {
      RefreshRow(m_drop_target);
      m_drop_target = target;
      RefreshRow(m_drop_target);
    }
    return;
  }
  if (m_pressed == nullptr || !event.LeftIsDown()) return;
  const wxPoint moved = event.GetPosition() - m_press_point;
  if (std::abs(moved.x) < kDragDistance && std::abs(moved.y) < kDragDistance) return;
  Node* pressed = m_pressed;
  m_pressed = nullptr;
  m_rename_timer.Stop();
  wxTreeEvent begin(wxEVT_TREE_BEGIN_DRAG, GetId());
  begin.SetEventObject(this);
  begin.SetItem(IdOf(pressed));
  begin.SetPoint(m_press_point);
  begin.Veto();  // a drag starts only when a handler allows it
  HandleWindowEvent(begin);
  if (!begin.IsAllowed()) return;
  m_dragged = pressed;
  m_drop_target = nullptr;
  CaptureMouse();
  RefreshRow(m_selected);
}

void VirtualTreeControl::OnCaptureLost(wxMouseCaptureLostEvent&) {
  // Another window took the mouse: the drag ends without a drop.
  RefreshRow(m_drop_target);
  m_dragged = nullptr;
  m_drop_target = nullptr;
  RefreshRow(m_selected);
}

void VirtualTreeControl::EndDrag(const wxPoint& position) {
  Node* dragged = m_dragged;
  m_dragged = nullptr;
  RefreshRow(m_drop_target);
  m_drop_target = nullptr;
  RefreshRow(m_selected);
  Node* target = HitTest(position);
  wxTreeEvent end(wxEVT_TREE_END_DRAG, GetId());
  end.SetEventObject(this);
  end.SetItem(IdOf(target));
  end.SetOldItem(IdOf(dragged));
  end.SetPoint(position);
  HandleWindowEvent(end);
}

void VirtualTreeControl::OnKeyDown(wxKeyEvent& event) {
  wxTreeEvent tree_event(wxEVT_TREE_KEY_DOWN, GetId());
  tree_event.SetEventObject(this);
  tree_event.SetKeyEvent(event);
  if (HandleWindowEvent(tree_event)) return;
  switch (event.GetKeyCode()) {
    case WXK_UP: case WXK_DOWN: case WXK_LEFT: case WXK_RIGHT: case WXK_HOME: case WXK_END:
    case WXK_PAGEUP: case WXK_PAGEDOWN: case WXK_ADD: case WXK_NUMPAD_ADD: case WXK_SUBTRACT:
    case WXK_NUMPAD_SUBTRACT:
      if (!event.HasAnyModifiers()) {
        // Showing the newly selected page can hand the focus to the browser
        // pane; the keys stay with the tree.
        const bool had_focus = HasFocus();
        Navigate(event.GetKeyCode());
        if (had_focus && !HasFocus()) SetFocus();
        return;
      }
      break;
    default:
      break;
  }
  event.Skip();  // letters come back as wxEVT_CHAR
}

void VirtualTreeControl::PressKey(int key_code) {
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.m_keyCode = key_code;
  key.SetEventObject(this);
  OnKeyDown(key);
}

void VirtualTreeControl::Navigate(int key_code) {
  const int rows = m_model.RowCount();
  if (rows == 0) return;
  Node* current = m_selected;
  int row = current != nullptr ? m_model.RowOf(current) : -1;
  if (current == nullptr || row < 0) {
    // Nothing selected (or hidden): any move starts at the first row.
    SelectItem(m_model.NodeAt(0));
    return;
  }
  const int page = RowsPerPage();
  Node* target = nullptr;
  switch (key_code) {
    case WXK_UP: target = m_model.NodeAt(row - 1); break;
    case WXK_DOWN: target = m_model.NodeAt(row + 1); break;
    case WXK_HOME: target = m_model.NodeAt(0); break;
    case WXK_END: target = m_model.NodeAt(rows - 1); break;
    case WXK_PAGEUP: target = m_model.NodeAt(std::max(0, row - (page - 1))); break;
    case WXK_PAGEDOWN: target = m_model.NodeAt(std::min(rows - 1, row + (page - 1))); break;
    case WXK_LEFT:
      if (current->expanded && current->child_count > 0) {
        Collapse(current);
      } else if (current->parent != m_model.Root()) {
        target = current->parent;
      }
      break;
    case WXK_RIGHT:
      if (current->child_count == 0) break;
      if (!current->expanded) {
        Expand(current);
      } else {
        target = current->first_child;
      }
      break;
    case WXK_ADD: case WXK_NUMPAD_ADD: Expand(current); break;
    case WXK_SUBTRACT: case WXK_NUMPAD_SUBTRACT: Collapse(current); break;
    default: break;
  }
  if (target != nullptr) SelectItem(target);
}

void VirtualTreeControl::OnChar(wxKeyEvent& event) {
  const wxChar typed = event.GetUnicodeKey();
  if (typed == '+' || typed == '-') {
    Navigate(typed == '+' ? WXK_ADD : WXK_SUBTRACT);
    return;
  }
  if (typed == WXK_NONE || typed <= ' ' || event.HasAnyModifiers()) {
    event.Skip();
    return;
  }
  // Type-ahead: the next visible row whose label starts with the letters
  // typed so far (ignoring case), from the selected row on.
  m_find_prefix += wxString(typed).Lower();
  m_find_timer.StartOnce(kFindResetMs);
  const int rows = m_model.RowCount();
  const int selected_row = m_selected != nullptr ? m_model.RowOf(m_selected) : -1;
  // A single letter looks past the selected row; a longer prefix may keep it.
  const int first = std::max(0, selected_row + (m_find_prefix.length() == 1 ? 1 : 0));
  for (int step = 0; step < rows; ++step) {
    Node* node = m_model.NodeAt((first + step) % rows);
    if (GbToWx(node->label).Lower().StartsWith(m_find_prefix)) {
      SelectItem(node);
      return;
    }
  }
}

}  // namespace mivrel
