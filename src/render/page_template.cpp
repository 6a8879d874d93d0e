#include "render/page_template.h"

#include <string_view>

#include "base/hex.h"
#include "settings/settings.h"

namespace mivrel {
namespace {

constexpr char kLineEnd[] = "\r\n";

// The one upper-case hexadecimal digit that names style class s<k>.
char ClassDigit(int index) { return HexDigit(static_cast<unsigned>(index)); }

void AddLine(std::string& head, const std::string& line) {
  head += line;
  head += kLineEnd;
}

// The settings file can come from anyone: a name that could close the quoted
// font name, the rule or the style element gives the default font instead.
// Every other name keeps its bytes.
std::string FontFamily(const std::string& font_name) {
  for (const char c : font_name) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || std::string_view("'\"<>{};\\").find(c) != std::string_view::npos)
      return "'" + DefaultSettings().font_name + "'";
  }
  return "'" + font_name + "'";
}

// Everything up to and including the blank line before the colour classes.
void AddFrameRules(std::string& head, const Settings& settings) {
  const std::string size = std::to_string(settings.font_size);
  const std::string family = FontFamily(settings.font_name);
  AddLine(head, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
  AddLine(head, "<html>");
  AddLine(head, "<head>");
  AddLine(head, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />");
  AddLine(head, "<title>帮助</title>");
  AddLine(head, "<Style Type=\"text/css\">");
  AddLine(head, "a{");
  AddLine(head, "    Text-transform:none;");
  AddLine(head, "    Text-decoration:blink;");
  AddLine(head, "    Color:#0000FF;");
  AddLine(head, "}");
  AddLine(head, "a:hover{");
  AddLine(head, "    Color:#FF0000;");
  AddLine(head, "    Text-decoration:underline;}");
  AddLine(head, ".hr0{ height:1px;border:none;border-top:1px dashed #0066CC;}");
  AddLine(head, "body{ Margin-top: 2px;line-height: 150%;background-color: #" +
                    CssColour(settings.colours[kBackgroundColour]) + ";");
  AddLine(head, "Font-Size:" + size + "pt;font-family:" + family + ";color:000;}");
  AddLine(head, "table{Font-Size:" + size + "pt;font-family:" + family +
                    ";color:#000;line-height: 150%;Border-collapse:collapse;}");
  AddLine(head, "table, td, th{border:1px solid green;padding:5px;}");
  AddLine(head, "");
}

// Text colours s0..sA from the colour table, then the fixed search highlight sB.
void AddColourClasses(std::string& head, const Settings& settings) {
  for (int k = 0; k <= kCountColour; ++k) {
    AddLine(head, std::string(".s") + ClassDigit(k) + " {Color: #" + CssColour(settings.colours[k]) +
                      ";}");
  }
  AddLine(head, std::string(".s") + ClassDigit(kFindColour) +
                    " {background-color: #F0F;color: #FFF;}");
}

}  // namespace

std::string CssColour(uint32_t colour) {
  // The value's six digits read BBGGRR; CSS wants RRGGBB.
  const uint32_t red = colour & 0xFF;
  const uint32_t green = (colour >> 8) & 0xFF;
  const uint32_t blue = (colour >> 16) & 0xFF;
  std::string css;
  css.reserve(6);
  for (uint32_t part : {red, green, blue}) {
    css += HexDigit(part >> 4);
    css += HexDigit(part);
  }
  return css;
}

PageTemplate BuildPageTemplate(const Settings& settings) {
  PageTemplate page;
  AddFrameRules(page.head, settings);
  AddColourClasses(page.head, settings);
  AddLine(page.head, "</Style>");
  AddLine(page.head, "</head><body>");
  page.head +=
      "<table Width=\"100%\" Border=\"0\" cellpadding=\"5\"><tr><td bgcolor=\"#66CCFF\">"
      "<a href=\".r.0\">主页</a> &gt; ";
  page.tail = "</body></html>";
  for (int k = 0; k < kColourCount; ++k) {
    page.span_open[k] = std::string("<span class=\"s") + ClassDigit(k) + "\">";
  }
  page.span_close = "</span>";
  return page;
}

}  // namespace mivrel
