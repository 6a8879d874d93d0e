// Escaping of plain text (names, trails) into HTML for generated pages.
#pragma once

#include <string>
#include <string_view>

namespace mivrel {

// EscapeHtmlText: "&", "<", ">", double quote, pairs of blanks and CR LF, in
// that order, become "&amp;", "&lt;", "&gt;", "&quot;", "&nbsp;&nbsp;", "<br>".
std::string EscapeHtmlText(std::string_view text);

}  // namespace mivrel
