#include "framework/icons.h"

#include <wx/dcmemory.h>
#include <wx/imaglist.h>

#include "base/text.h"
#include "ports/item_images.h"

namespace mivrel {
namespace {

constexpr int kSize = 16;

// Sixteen distinct colours for the sixteen stored icon numbers.
const wxColour& Palette(int n) {
  static const wxColour kColours[16] = {
      wxColour(230, 180, 60),  wxColour(70, 130, 210),  wxColour(60, 170, 90),
      wxColour(210, 70, 70),   wxColour(150, 90, 200),  wxColour(40, 170, 170),
      wxColour(240, 130, 40),  wxColour(120, 120, 120), wxColour(200, 60, 150),
      wxColour(120, 160, 40),  wxColour(30, 90, 150),   wxColour(170, 120, 70),
      wxColour(90, 90, 220),   wxColour(220, 200, 40),  wxColour(0, 130, 110),
      wxColour(160, 40, 40)};
  return kColours[n & 15];
}

const wxColour kMaskColour(255, 0, 255);

// A 16 x 16 bitmap drawn by `draw` on a mask-coloured ground that becomes
// transparent.
template <typename Draw>
wxBitmap Painted(Draw draw) {
  wxBitmap bitmap(kSize, kSize, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(kMaskColour));
    dc.Clear();
    draw(dc);
  }
  bitmap.SetMask(new wxMask(bitmap, kMaskColour));
  return bitmap;
}

void Folder(wxDC& dc, const wxColour& colour) {
  dc.SetPen(wxPen(colour.ChangeLightness(60)));
  dc.SetBrush(wxBrush(colour.ChangeLightness(120)));
  dc.DrawRectangle(1, 3, 7, 3);
  dc.SetBrush(wxBrush(colour));
  dc.DrawRectangle(1, 5, 14, 9);
}

void Sheet(wxDC& dc, const wxColour& colour) {
  dc.SetPen(wxPen(wxColour(90, 90, 90)));
  dc.SetBrush(*wxWHITE_BRUSH);
  const wxPoint outline[] = {{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}};
  dc.DrawPolygon(5, outline);
  dc.DrawLine(10, 1, 10, 4);
  dc.DrawLine(10, 4, 13, 4);
  dc.SetPen(wxPen(colour));
  dc.SetBrush(wxBrush(colour));
  dc.DrawRectangle(5, 6, 6, 2);
  dc.SetPen(wxPen(wxColour(160, 160, 160)));
  dc.DrawLine(5, 9, 11, 9);
  dc.DrawLine(5, 11, 11, 11);
}

void Book(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(60, 40, 20)));
  dc.SetBrush(wxBrush(wxColour(150, 90, 40)));
  dc.DrawRectangle(3, 1, 10, 14);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(11, 2, 3, 12);
  dc.SetPen(wxPen(wxColour(240, 210, 120)));
  dc.DrawLine(5, 5, 10, 5);
  dc.DrawLine(5, 7, 10, 7);
}

void WebPage(wxDC& dc) {
  Sheet(dc, wxColour(40, 110, 200));
  dc.SetPen(wxPen(wxColour(40, 110, 200)));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawCircle(8, 11, 3);
}

void Bin(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(70, 70, 70)));
  dc.SetBrush(wxBrush(wxColour(170, 180, 190)));
  dc.DrawRectangle(2, 3, 12, 2);
  dc.DrawRectangle(6, 1, 4, 2);
  const wxPoint can[] = {{3, 5}, {13, 5}, {12, 15}, {4, 15}};
  dc.DrawPolygon(4, can);
  dc.DrawLine(6, 7, 6, 13);
  dc.DrawLine(8, 7, 8, 13);
  dc.DrawLine(10, 7, 10, 13);
}

void Plus(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(0, 140, 0), 2));
  dc.DrawLine(12, 9, 12, 15);
  dc.DrawLine(9, 12, 15, 12);
}

void Arrow(wxDC& dc, bool left, const wxColour& colour) {
  dc.SetPen(wxPen(colour.ChangeLightness(60)));
  dc.SetBrush(wxBrush(colour));
  const wxPoint right_arrow[] = {{2, 6}, {8, 6}, {8, 2}, {14, 8}, {8, 14}, {8, 10}, {2, 10}};
  wxPoint points[7];
  for (int i = 0; i < 7; ++i) {
    points[i] = left ? wxPoint(kSize - 1 - right_arrow[i].x, right_arrow[i].y) : right_arrow[i];
  }
  dc.DrawPolygon(7, points);
}

void Tray(wxDC& dc, bool inward) {
  dc.SetPen(wxPen(wxColour(80, 80, 80)));
  dc.SetBrush(wxBrush(wxColour(200, 200, 200)));
  dc.DrawRectangle(1, 10, 14, 5);
  dc.SetPen(wxPen(inward ? wxColour(0, 130, 0) : wxColour(0, 90, 200), 2));
  dc.DrawLine(8, 1, 8, 9);
  if (inward) {
    dc.DrawLine(5, 6, 8, 9);
    dc.DrawLine(11, 6, 8, 9);
  } else {
    dc.DrawLine(5, 4, 8, 1);
    dc.DrawLine(11, 4, 8, 1);
  }
}

void Cross(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(200, 30, 30), 3));
  dc.DrawLine(3, 3, 13, 13);
  dc.DrawLine(13, 3, 3, 13);
}

void Pencil(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(120, 80, 20)));
  dc.SetBrush(wxBrush(wxColour(240, 190, 60)));
  const wxPoint body[] = {{11, 1}, {15, 5}, {6, 14}, {2, 14}, {2, 10}};
  dc.DrawPolygon(5, body);
  dc.SetBrush(wxBrush(wxColour(60, 60, 60)));
  const wxPoint tip[] = {{2, 12}, {4, 14}, {2, 14}};
  dc.DrawPolygon(3, tip);
}

void Magnifier(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(50, 50, 50), 2));
  dc.SetBrush(wxBrush(wxColour(200, 230, 255)));
  dc.DrawCircle(6, 6, 4);
  dc.SetPen(wxPen(wxColour(50, 50, 50), 3));
  dc.DrawLine(9, 9, 14, 14);
}

void Gear(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(80, 80, 80), 2));
  dc.DrawLine(8, 1, 8, 15);
  dc.DrawLine(1, 8, 15, 8);
  dc.DrawLine(3, 3, 13, 13);
  dc.DrawLine(13, 3, 3, 13);
  dc.SetPen(wxPen(wxColour(60, 60, 60)));
  dc.SetBrush(wxBrush(wxColour(170, 170, 170)));
  dc.DrawCircle(8, 8, 5);
  dc.SetBrush(wxBrush(kMaskColour));
  dc.DrawCircle(8, 8, 2);
}

void Info(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(20, 70, 160)));
  dc.SetBrush(wxBrush(wxColour(50, 110, 210)));
  dc.DrawCircle(8, 8, 7);
  dc.SetPen(*wxWHITE_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(7, 3, 2, 2);
  dc.DrawRectangle(7, 7, 2, 6);
}

void Pin(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(120, 20, 20)));
  dc.SetBrush(wxBrush(wxColour(220, 50, 50)));
  dc.DrawCircle(8, 5, 4);
  dc.SetPen(wxPen(wxColour(60, 60, 60), 2));
  dc.DrawLine(8, 9, 8, 15);
}

void Disk(wxDC& dc) {
  dc.SetPen(wxPen(wxColour(30, 30, 80)));
  dc.SetBrush(wxBrush(wxColour(60, 80, 170)));
  dc.DrawRectangle(2, 2, 12, 12);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(4, 2, 8, 5);
  dc.SetBrush(wxBrush(wxColour(180, 180, 180)));
  dc.DrawRectangle(5, 10, 6, 4);
}

void Connected(wxDC& dc) {
  Book(dc);
  dc.SetPen(wxPen(wxColour(30, 160, 60), 2));
  dc.SetBrush(wxBrush(wxColour(60, 200, 90)));
  dc.DrawCircle(11, 11, 3);
}

}  // namespace

wxBitmap SharedIcon(int index) {
  if (index < 0 || index >= kSharedImageCount) return wxBitmap();
  if (index < kFirstEntryImage) return Painted([&](wxDC& dc) { Folder(dc, Palette(index)); });
  if (index < kExternalBookImage) {
    return Painted([&](wxDC& dc) { Sheet(dc, Palette(index - kFirstEntryImage)); });
  }
  if (index == kExternalBookImage) return Painted(Book);
  if (index == kExternalPageImage) return Painted(WebPage);
  return Painted(Bin);
}

wxImageList* NewSharedImageList() {
  auto* list = new wxImageList(kSize, kSize, true, kSharedImageCount);
  for (int i = 0; i < kSharedImageCount; ++i) list->Add(SharedIcon(i));
  return list;
}

wxBitmap NamedIcon(const std::string& code) {
  std::string name = UpperAscii(code);
  if (StartsWith(name, "IMAGE_")) name = name.substr(6);
  if (name.size() == 3 && (name[0] == 'G' || name[0] == 'E' || name[0] == 'P')) {
    const int number = static_cast<int>(LeadingNumber(name.substr(1)));
    if (name[0] == 'G' && number < 16) return SharedIcon(number);
    if (name[0] == 'E' && number < 16) return SharedIcon(kFirstEntryImage + number);
    if (name[0] == 'P' && number >= 1 && number <= 3) return SharedIcon(kExternalBookImage + number - 1);
  }
  if (name == "CONNECTED") return Painted(Connected);
  if (name == "T01") return Painted([](wxDC& dc) { Folder(dc, Palette(0)); Plus(dc); });
  if (name == "T02") return Painted(Pin);
  if (name == "T03") return Painted([](wxDC& dc) { Sheet(dc, Palette(1)); Plus(dc); });
  if (name == "T04") return Painted(Cross);
  if (name == "T05") return Painted(Pencil);
  if (name == "T06") return Painted([](wxDC& dc) { Arrow(dc, false, wxColour(60, 160, 60)); });
  if (name == "T07") return Painted([](wxDC& dc) { Arrow(dc, true, wxColour(60, 160, 60)); });
  if (name == "T08") return Painted(Gear);
  if (name == "T09") return Painted(Info);
  if (name == "T10") return Painted(Magnifier);
  if (name == "T11") return Painted(Disk);
  if (name == "T12") return Painted([](wxDC& dc) { Tray(dc, true); });
  if (name == "T13") return Painted([](wxDC& dc) { Tray(dc, false); });
  return wxBitmap();
}

}  // namespace mivrel
