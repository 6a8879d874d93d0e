#include "render/html_escape.h"

#include "base/text.h"

namespace mivrel {

std::string EscapeHtmlText(std::string_view text) {
  // "&" goes first so that the entities written by the later steps stay intact.
  std::string html = ReplacedAll(text, "&", "&amp;");
  ReplaceAll(html, "<", "&lt;");
  ReplaceAll(html, ">", "&gt;");
  ReplaceAll(html, "\"", "&quot;");
  ReplaceAll(html, "  ", "&nbsp;&nbsp;");
  ReplaceAll(html, "\r\n", "<br>");
  return html;
}

}  // namespace mivrel
