#include "desktop/status_bar_window.h"

#include <algorithm>

#include <wx/datetime.h>
#include <wx/utils.h>

namespace mivrel {
namespace {

constexpr int kPartCount = 6;
constexpr int kClockTickMs = 200;
constexpr int kClockPartWidth = 60;
constexpr int kKeyPartWidth = 40;
constexpr int kLastPartMinimum = 100;

}  // namespace

MainStatusBar::MainStatusBar(wxWindow* parent)
    : wxStatusBar(parent, wxID_ANY, wxSTB_DEFAULT_STYLE & ~wxSTB_SIZEGRIP), clock_timer_(this) {
  SetFieldsCount(kPartCount);
  Bind(wxEVT_TIMER, &MainStatusBar::OnTick, this, clock_timer_.GetId());
  Bind(wxEVT_SIZE, &MainStatusBar::OnSize, this);
  wxSizeEvent initial;
  OnSize(initial);
  clock_timer_.Start(kClockTickMs);
}

MainStatusBar::~MainStatusBar() { clock_timer_.Stop(); }

void MainStatusBar::OnSize(wxSizeEvent& event) {
  int widths[kPartCount];
  // The parts grow where the screen's font would not fit "00:00:00" or "CAPS".
  const int clock_width = std::max(FromDIP(kClockPartWidth), GetTextExtent(L"00:00:00").GetWidth() + 12);
  const int key_width = std::max(FromDIP(kKeyPartWidth), GetTextExtent(L"SCRL").GetWidth() + 12);
  int fixed_total = clock_width;
  widths[0] = clock_width;
  for (int i = 1; i < kPartCount - 1; ++i) {
    widths[i] = key_width;
    fixed_total += key_width;
  }
  widths[kPartCount - 1] = std::max(FromDIP(kLastPartMinimum), GetClientSize().GetWidth() - fixed_total);
  SetStatusWidths(kPartCount, widths);
  event.Skip();
}

void MainStatusBar::DoUpdateStatusText(int part) {
  // Until the toolkit has laid the window out (the deferred start-up writes
  // its timings before that) the bar is a pixel or two high and a part's
  // rectangle has a negative height, which the drawing library rejects with
  // a message on standard error.  The text is kept either way, and the whole
  // bar is drawn once it has its size.
  wxRect rect;
  if (!GetFieldRect(part, rect) || rect.IsEmpty()) return;
  wxStatusBar::DoUpdateStatusText(part);
}

void MainStatusBar::SetPart(int part, const wxString& text) {
  // Rewriting an unchanged text would make the bar flicker five times a second.
  if (GetStatusText(part) != text) SetStatusText(text, part);
}

void MainStatusBar::OnTick(wxTimerEvent&) {
  SetPart(0, wxDateTime::Now().Format(L"%H:%M:%S"));
  SetPart(1, wxGetKeyState(WXK_CAPITAL) ? L"CAPS" : L"");
  SetPart(2, wxGetKeyState(WXK_NUMLOCK) ? L"NUM" : L"");
  SetPart(3, insert_on_ ? L"INS" : L"");
  SetPart(4, wxGetKeyState(WXK_SCROLL) ? L"SCRL" : L"");
}

}  // namespace mivrel
