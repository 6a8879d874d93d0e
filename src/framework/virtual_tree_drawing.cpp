// VirtualTreeControl: the geometry and painting of rows.  The layout copies
// the generic tree's (indent 15, image 18 right of the button, label 4 right
// of the image, dotted lines, native buttons and selection) so the directory
// tree looks as it did; only the rows in the update region are drawn.
#include <algorithm>

#include <wx/dcclient.h>
#include <wx/imaglist.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include "framework/virtual_tree_control.h"
#include "framework/wx_text.h"

namespace mivrel {
namespace {

constexpr int kIndent = 15;          // per level; a root item's button sits at one indent
constexpr int kSpacing = 18;         // from the button's centre to the image
constexpr int kImageTextGap = 4;
constexpr int kButtonSize = 9;
constexpr int kRootLineX = 3;        // the line joining the root items
constexpr int kRightMargin = 10;     // beyond the widest label

// The x of the vertical line that joins the items of depth `depth`.
int SiblingLineX(int depth) { return depth == 0 ? kRootLineX : depth * kIndent; }

}  // namespace

int VirtualTreeControl::ItemX(const Node* node) const {
  return (VirtualTreeModel::Depth(node) + 1) * kIndent + kSpacing;
}

int VirtualTreeControl::TextX(const Node* node) const {
  const bool has_image = m_images != nullptr && node->image >= 0;
  return ItemX(node) + (has_image ? m_image_width + kImageTextGap : 0);
}

int VirtualTreeControl::LeftShowing(const Node* node) const {
  return std::max(0, ItemX(node) - kSpacing - kIndent);
}

bool VirtualTreeControl::OnButton(const Node* node, int x) const {
  const int centre = (VirtualTreeModel::Depth(node) + 1) * kIndent - m_left;
  return x > centre - 6 && x < centre + 6;
}

bool VirtualTreeControl::OnLabel(const Node* node, int x) const {
  const int left = TextX(node) - m_left;
  return x >= left && x < left + GetTextExtent(GbToWx(node->label)).GetWidth();
}

void VirtualTreeControl::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  dc.SetFont(GetFont());
  const wxSize client = GetClientSize();
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  const wxRect update = GetUpdateClientRect();
  const int first = m_top_row + std::max(0, update.GetTop()) / m_row_height;
  const int last = m_top_row + std::min(client.GetHeight(), update.GetBottom()) / m_row_height;
  for (int row = first; row <= last; ++row) {
    Node* node = m_model.NodeAt(row);
    if (node == nullptr) break;
    DrawRow(dc, node, (row - m_top_row) * m_row_height);
  }
}

void VirtualTreeControl::DrawRow(wxDC& dc, Node* node, int y) {
  const wxSize client = GetClientSize();
  // During a drag the drop target carries the highlight, as in the generic tree.
  const bool highlighted = m_dragged != nullptr ? node == m_drop_target : node == m_selected;
  const bool focused = HasFocus() || (m_editor != nullptr && node == m_edited);
  if (highlighted) {
    int flags = wxCONTROL_SELECTED;
    if (focused) flags |= wxCONTROL_FOCUSED | wxCONTROL_CURRENT;
    wxRendererNative::Get().DrawItemSelectionRect(this, dc, wxRect(0, y, client.GetWidth(), m_row_height), flags);
  }
  DrawLines(dc, node, y);
  const int depth = node->depth;
  const int y_mid = y + m_row_height / 2;
  if (node->child_count > 0) {
    const int centre = (depth + 1) * kIndent - m_left;
    int flags = node->expanded ? static_cast<int>(wxCONTROL_EXPANDED) : 0;
    if (!IsEnabled()) flags |= wxCONTROL_DISABLED;
    wxRendererNative::Get().DrawTreeItemButton(
        this, dc, wxRect(centre - kButtonSize / 2, y_mid - kButtonSize / 2, kButtonSize, kButtonSize), flags);
  }
  const int image_x = (depth + 1) * kIndent + kSpacing - m_left;
  int text_x = image_x;
  if (m_images != nullptr && node->image >= 0) {
    int width = 0, height = 0;
    m_images->GetSize(node->image, width, height);
    m_images->Draw(node->image, dc, image_x, y + (m_row_height - height) / 2, wxIMAGELIST_DRAW_TRANSPARENT);
    text_x += m_image_width + kImageTextGap;
  }
  wxColour colour;
  if (!IsEnabled()) {
    colour = wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
  } else if (highlighted) {
    colour = wxSystemSettings::GetColour(focused ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_LISTBOXHIGHLIGHTTEXT);
  } else {
    colour = GetForegroundColour();
  }
  dc.SetTextForeground(colour);
  wxCoord width = 0, height = 0;
  const wxString label = GbToWx(node->label);
  dc.GetTextExtent(label, &width, &height);
  dc.DrawText(label, text_x, y + (m_row_height - height) / 2);
  GrowWidth(text_x + m_left + width + kRightMargin);
}

void VirtualTreeControl::DrawLines(wxDC& dc, const Node* node, int y) {
  dc.SetPen(wxPen(wxColour(128, 128, 128), 1, wxPENSTYLE_DOT));
  const int depth = node->depth;
  const int y_mid = y + m_row_height / 2;
  const int y_end = y + m_row_height;
  // Horizontal: from the line of the siblings to the image.
  const int line_x = SiblingLineX(depth) - m_left;
  const int image_x = (depth + 1) * kIndent + kSpacing - m_left;
  dc.DrawLine(line_x, y_mid, image_x, y_mid);
  // Vertical, own level: down to this row's middle from the previous sibling
  // or the parent, and on down when a sibling follows.
  const bool first_at_root = depth == 0 && node->previous == nullptr;
  dc.DrawLine(line_x, first_at_root ? y_mid : y, line_x, node->next != nullptr ? y_end : y_mid + 1);
  // Down from this item's button to its first child.
  if (node->expanded && node->child_count > 0) {
    const int child_line_x = SiblingLineX(depth + 1) - m_left;
    dc.DrawLine(child_line_x, y_mid + kButtonSize / 2 + 1, child_line_x, y_end);
  }
  // Through this row for every ancestor with a later sibling.
  int level = depth - 1;
  for (const Node* up = node->parent; level >= 0 && up != nullptr; up = up->parent, --level) {
    if (up->next != nullptr) {
      const int x = SiblingLineX(level) - m_left;
      dc.DrawLine(x, y, x, y_end);
    }
  }
}

}  // namespace mivrel
