#include "desktop/editor_common_window.h"

#include <cstdio>

#include <wx/arrstr.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

#include "framework/icons.h"
#include "framework/wx_text.h"

namespace mivrel {

namespace {
constexpr int kPreviewSize = 35;
}  // namespace

IconPreview::IconPreview(wxWindow* parent, const wxPoint& position, const char* prefix)
    : wxPanel(parent, wxID_ANY, position, wxSize(kPreviewSize, kPreviewSize), wxBORDER_NONE),
      m_prefix(prefix) {
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
}

void IconPreview::ShowIcon(int index) {
  m_index = index;
  Refresh();
}

void IconPreview::OnPaint() {
  wxPaintDC dc(this);
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  dc.SetBrush(wxBrush(face));
  dc.SetPen(wxPen(face));
  dc.DrawRectangle(0, 0, kPreviewSize, kPreviewSize);
  if (m_index < 0) return;
  char code[16];
  std::snprintf(code, sizeof code, "%s%02d", m_prefix, m_index);
  const wxBitmap icon = NamedIcon(code);
  if (icon.IsOk()) dc.DrawBitmap(icon, 0, 0, true);
}

void FillChoice(wxChoice* control, const ChoiceList& list) {
  wxArrayString texts;
  texts.reserve(list.items.size());
  for (const ChoiceItem& item : list.items) texts.push_back(GbToWx(item.text));
  control->Set(texts);
  control->SetSelection(list.selected < 0 ? wxNOT_FOUND : list.selected);
}

void ReadChoice(const wxChoice* control, ChoiceList& list) {
  const int selection = control->GetSelection();
  list.selected = selection == wxNOT_FOUND ? -1 : selection;
}

bool ShowSaveReport(const SaveReport& report, Ui& ui) {
  for (const std::string& failure : report.side_failures) ui.ShowMessage(failure, MessageIcon::Stop);
  if (!report.saved) ui.ShowMessage(report.failure, MessageIcon::Stop);
  return report.saved;
}

}  // namespace mivrel
