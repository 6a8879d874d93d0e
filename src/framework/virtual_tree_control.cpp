#include "framework/virtual_tree_control.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/imaglist.h>
#include <wx/treectrl.h>

#include "framework/virtual_tree_label_editor.h"
#include "framework/wx_text.h"

namespace mivrel {

VirtualTreeControl::VirtualTreeControl(wxWindow* parent, wxWindowID id, const wxPoint& position,
                                       const wxSize& size, long style)
    : m_rename_timer(this), m_find_timer(this) {
  // Every pixel is painted by OnPaint: no background erase, no flicker.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Create(parent, id, position, size, style | wxVSCROLL | wxHSCROLL | wxWANTS_CHARS, L"VirtualTree");
  // The toolkit's tree font and colours, not the ones inherited from the
  // form: the directory tree keeps the look it had as a toolkit tree.
  const wxVisualAttributes look = wxTreeCtrl::GetClassDefaultAttributes();
  SetOwnFont(look.font);
  SetOwnBackgroundColour(look.colBg);
  SetOwnForegroundColour(look.colFg);
  SetImageList(nullptr);  // the row height for text alone

  Bind(wxEVT_PAINT, &VirtualTreeControl::OnPaint, this);
  Bind(wxEVT_SIZE, &VirtualTreeControl::OnSize, this);
  for (const auto& type :
       {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP, wxEVT_SCROLLWIN_LINEDOWN,
        wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN, wxEVT_SCROLLWIN_THUMBTRACK,
        wxEVT_SCROLLWIN_THUMBRELEASE}) {
    Bind(type, &VirtualTreeControl::OnScroll, this);
  }
  Bind(wxEVT_MOUSEWHEEL, &VirtualTreeControl::OnWheel, this);
  Bind(wxEVT_LEFT_DOWN, &VirtualTreeControl::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &VirtualTreeControl::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &VirtualTreeControl::OnLeftDouble, this);
  Bind(wxEVT_MOTION, &VirtualTreeControl::OnMotion, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &VirtualTreeControl::OnCaptureLost, this);
  Bind(wxEVT_KEY_DOWN, &VirtualTreeControl::OnKeyDown, this);
  Bind(wxEVT_CHAR, &VirtualTreeControl::OnChar, this);
  Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
    RefreshRow(m_selected);
    event.Skip();
  });
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    RefreshRow(m_selected);
    event.Skip();
  });
  m_rename_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (m_selected != nullptr) EditLabel(m_selected);
  });
  m_find_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { m_find_prefix.clear(); });
}

VirtualTreeControl::~VirtualTreeControl() {
  if (HasCapture()) ReleaseMouse();
  // The toolkit may still send focus events while the base window tears
  // down its children: they must find nothing to repaint or finish.
  m_selected = nullptr;
  m_editor = nullptr;
  m_edited = nullptr;
}

void VirtualTreeControl::SetImageList(wxImageList* images) {
  m_images = images;
  int width = 0, height = 0;
  if (m_images != nullptr && m_images->GetImageCount() > 0) m_images->GetSize(0, width, height);
  m_image_width = width;
  // The generic tree's line height: the taller of the text (plus 4 above a
  // bare character cell, Chinese glyphs reaching higher) and the images, plus 2.
  wxClientDC dc(this);
  dc.SetFont(GetFont());
  const int text_height = std::max(dc.GetCharHeight() + 4, dc.GetTextExtent(L"中Ag").GetHeight());
  m_row_height = std::max(text_height, height);
  m_row_height += m_row_height < 30 ? 2 : m_row_height / 10;
  AfterChange();
}

VirtualTreeControl::Node* VirtualTreeControl::AppendItem(Node* parent, const std::string& label, int id, int image) {
  Node* node = m_model.Append(parent, label, id, image);
  AfterChange();
  return node;
}

VirtualTreeControl::Node* VirtualTreeControl::PrependItem(Node* parent, const std::string& label, int id, int image) {
  Node* node = m_model.Prepend(parent, label, id, image);
  AfterChange();
  return node;
}

VirtualTreeControl::Node* VirtualTreeControl::InsertItemAfter(Node* parent, Node* previous, const std::string& label,
                                                              int id, int image) {
  Node* node = m_model.InsertAfter(parent, previous, label, id, image);
  AfterChange();
  return node;
}

void VirtualTreeControl::DeleteItem(Node* node) {
  ForgetInside(node);
  m_model.Delete(node);
  AfterChange();
}

void VirtualTreeControl::DeleteAllItems() {
  ForgetInside(m_model.Root());
  m_model.Clear();
  m_top_row = 0;
  m_left = 0;
  m_widest = 0;
  AfterChange();
}

void VirtualTreeControl::SetItemText(Node* node, const std::string& label) {
  node->label = label;
  RefreshRow(node);
}

void VirtualTreeControl::ForgetInside(Node* doomed) {
  const auto gone = [doomed](const Node* node) {
    return node != nullptr && (node == doomed || VirtualTreeModel::IsInside(doomed, node));
  };
  if (m_editor != nullptr && gone(m_edited)) {
    m_editor->Abandon();
    m_editor = nullptr;
    m_edited = nullptr;
  }
  if (gone(m_selected)) m_selected = nullptr;
  if (gone(m_pressed)) m_pressed = nullptr;
  if (gone(m_drop_target)) m_drop_target = nullptr;
  if (gone(m_dragged)) {
    m_dragged = nullptr;
    if (HasCapture()) ReleaseMouse();
  }
}

void VirtualTreeControl::SelectItem(Node* node) {
  if (node == m_selected) return;
  if (node == nullptr) {
    Unselect();
    return;
  }
  SetSelection(node);
}

void VirtualTreeControl::SetSelection(Node* node) {
  Node* old = m_selected;
  RefreshRow(old);
  m_selected = node;
  EnsureVisible(node);
  RefreshRow(node);
  wxTreeEvent event(wxEVT_TREE_SEL_CHANGED, GetId());
  event.SetEventObject(this);
  event.SetItem(IdOf(node));
  event.SetOldItem(IdOf(old));
  HandleWindowEvent(event);
}

void VirtualTreeControl::Unselect() {
  RefreshRow(m_selected);
  m_selected = nullptr;
}

void VirtualTreeControl::Expand(Node* node) {
  if (m_model.Expand(node)) AfterChange();
}

void VirtualTreeControl::Collapse(Node* node) {
  if (!m_model.Collapse(node)) return;
  // The rows that stay may be narrower: the extent grows back as they are drawn.
  m_widest = 0;
  AfterChange();
  // Like the generic tree: a selection hidden by the collapse moves to the
  // collapsed item.
  if (m_selected != nullptr && VirtualTreeModel::IsInside(node, m_selected)) SetSelection(node);
}

void VirtualTreeControl::EnsureVisible(Node* node) {
  if (m_model.ExpandAncestors(node)) AfterChange();
  const int row = m_model.RowOf(node);
  if (row < 0) return;
  UpdateScrollbars();
  if (row < m_top_row) {
    ScrollToRow(row);
  } else if (row >= m_top_row + RowsPerPage()) {
    ScrollToRow(row - RowsPerPage() + 1);
  }
  // Deep items: bring the image and the start of the label into view.
  const int x = ItemX(node);
  const int width = GetClientSize().GetWidth();
  if (x < m_left || x > m_left + width - 2 * m_image_width) {
    m_left = LeftShowing(node);
    GrowWidth(m_left + width);
    UpdateScrollbars();
    Refresh();
  }
}

VirtualTreeControl::Node* VirtualTreeControl::HitTest(const wxPoint& position) {
  if (position.y < 0) return nullptr;
  return m_model.NodeAt(m_top_row + position.y / m_row_height);
}

int VirtualTreeControl::RowsPerPage() const { return std::max(1, GetClientSize().GetHeight() / m_row_height); }

bool VirtualTreeControl::Enable(bool enable) {
  const bool changed = wxWindow::Enable(enable);
  if (changed) Refresh();
  return changed;
}

void VirtualTreeControl::EditLabel(Node* node) {
  m_rename_timer.Stop();
  if (m_editor != nullptr) EndEditLabel(EditEnd::Accept);
  wxTreeEvent begin(wxEVT_TREE_BEGIN_LABEL_EDIT, GetId());
  begin.SetEventObject(this);
  begin.SetItem(IdOf(node));
  HandleWindowEvent(begin);
  if (!begin.IsAllowed()) return;
  EnsureVisible(node);
  const int row = m_model.RowOf(node);
  if (row < 0) return;
  const int x = TextX(node) - m_left - 4;
  const wxRect box(x, (row - m_top_row) * m_row_height, std::max(GetClientSize().GetWidth() - x, 8 * m_row_height),
                   m_row_height);
  m_edited = node;
  m_editor = new VirtualTreeLabelEditor(this, GbToWx(node->label), box);
}

wxTextCtrl* VirtualTreeControl::EditControl() const { return m_editor; }

void VirtualTreeControl::EndEditLabel(EditEnd how) {
  if (m_editor != nullptr) m_editor->Finish(how);
}

void VirtualTreeControl::FinishLabelEdit(const wxString& text, EditEnd how) {
  Node* node = m_edited;
  m_editor = nullptr;
  m_edited = nullptr;
  if (node == nullptr) return;
  wxTreeEvent end(wxEVT_TREE_END_LABEL_EDIT, GetId());
  end.SetEventObject(this);
  end.SetItem(IdOf(node));
  // An unchanged text ends the edit like Escape.
  const std::string gb_text = WxToGb(text);
  const bool cancelled = how == EditEnd::Cancel || gb_text == node->label;
  end.SetEditCanceled(cancelled);
  end.SetLabel(text);
  HandleWindowEvent(end);
  if (!cancelled && end.IsAllowed()) SetItemText(node, gb_text);
  RefreshRow(node);
}

void VirtualTreeControl::AfterChange() {
  ScheduleScrollbars();
  Refresh();
}

void VirtualTreeControl::ScheduleScrollbars() {
  // Once per burst of changes, not once per inserted item, and never from
  // inside a paint.
  if (m_scrollbars_pending) return;
  m_scrollbars_pending = true;
  CallAfter([this] {
    m_scrollbars_pending = false;
    UpdateScrollbars();
  });
}

void VirtualTreeControl::ScrollToRow(int row) {
  const int last_top = std::max(0, m_model.RowCount() - RowsPerPage());
  const int top = std::clamp(row, 0, last_top);
  if (top == m_top_row) return;
  m_top_row = top;
  SetScrollPos(wxVERTICAL, m_top_row);
  Refresh();
}

void VirtualTreeControl::UpdateScrollbars() {
  const int rows = m_model.RowCount();
  const int page = RowsPerPage();
  m_top_row = std::clamp(m_top_row, 0, std::max(0, rows - page));
  SetScrollbar(wxVERTICAL, m_top_row, page, rows);
  const int width = GetClientSize().GetWidth();
  m_left = std::clamp(m_left, 0, std::max(0, m_widest - width));
  SetScrollbar(wxHORIZONTAL, m_left, width, m_widest > width ? m_widest : 0);
}

void VirtualTreeControl::GrowWidth(int right_edge) {
  if (right_edge <= m_widest) return;
  m_widest = right_edge;
  ScheduleScrollbars();
}

void VirtualTreeControl::RefreshRow(Node* node) {
  if (node == nullptr) return;
  const int row = m_model.RowOf(node);
  if (row < m_top_row || row >= m_top_row + RowsPerPage() + 1) return;
  RefreshRect(wxRect(0, (row - m_top_row) * m_row_height, GetClientSize().GetWidth(), m_row_height));
}

void VirtualTreeControl::OnSize(wxSizeEvent& event) {
  UpdateScrollbars();
  Refresh();
  event.Skip();
}

void VirtualTreeControl::OnScroll(wxScrollWinEvent& event) {
  const bool vertical = event.GetOrientation() == wxVERTICAL;
  const int page = vertical ? RowsPerPage() : GetClientSize().GetWidth();
  const int line = vertical ? 1 : m_row_height;
  int position = vertical ? m_top_row : m_left;
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_SCROLLWIN_TOP) {
    position = 0;
  } else if (type == wxEVT_SCROLLWIN_BOTTOM) {
    position = vertical ? m_model.RowCount() : m_widest;
  } else if (type == wxEVT_SCROLLWIN_LINEUP) {
    position -= line;
  } else if (type == wxEVT_SCROLLWIN_LINEDOWN) {
    position += line;
  } else if (type == wxEVT_SCROLLWIN_PAGEUP) {
    position -= page;
  } else if (type == wxEVT_SCROLLWIN_PAGEDOWN) {
    position += page;
  } else {
    position = event.GetPosition();
  }
  if (vertical) {
    ScrollToRow(position);
  } else {
    m_left = std::clamp(position, 0, std::max(0, m_widest - page));
    SetScrollPos(wxHORIZONTAL, m_left);
    Refresh();
  }
}

void VirtualTreeControl::OnWheel(wxMouseEvent& event) {
  const int steps = event.GetWheelRotation() / std::max(1, event.GetWheelDelta());
  if (event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL) {
    m_left = std::clamp(m_left + steps * m_row_height, 0, std::max(0, m_widest - GetClientSize().GetWidth()));
    SetScrollPos(wxHORIZONTAL, m_left);
    Refresh();
    return;
  }
  ScrollToRow(m_top_row - steps * event.GetLinesPerAction());
}

}  // namespace mivrel
