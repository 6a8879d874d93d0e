// The fixed frame of every generated page: the page head (document type, style
// sheet built from the display settings, start of the breadcrumb bar), the page
// tail, and the span tags the code colouring writes.  Built once from the
// settings and rebuilt as a whole when fonts or colours change.  All texts are
// GB18030.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mivrel {

struct Settings;

struct PageTemplate {
  std::string head;                     // PageHead, ends with "&gt; " inside the open bar
  std::string tail;                     // PageTail, "</body></html>"
  std::array<std::string, 12> span_open;  // SpanOpen: "<span class=\"s<k>\">", 17 bytes each
  std::string span_close;               // SpanClose: "</span>"
};

// BuildPageTemplate: the frame for the settings' font name, font size and colours.
PageTemplate BuildPageTemplate(const Settings& settings);

// "#RRGGBB" digits (without "#") of a Windows colour value 0x00BBGGRR.
std::string CssColour(uint32_t colour);

}  // namespace mivrel
