// Code colouring: one byte-by-byte pass over an entry's HTML text that turns
// keywords into coloured links and colours comments, assembler lines, string
// literals, numbers, symbols and search hits with the template's span tags.
#pragma once

#include <string>

namespace mivrel {

class KeywordSets;
struct PageTemplate;

// Marker bytes the page builder puts into the text before colouring.
constexpr char kStringMark = 16;     // StringMark: a double quote of a string literal
constexpr char kHighlightMark = 17;  // HighlightMark: before and after each search hit

enum class SymbolColouring { Off, On };

// ColourCode: colours `text` in place.  Input contract: HTML whose string quotes
// are kStringMark bytes and whose search hits are enclosed in kHighlightMark.
void ColourCode(std::string& text, const KeywordSets& keywords, const PageTemplate& page_template,
                SymbolColouring symbols);

}  // namespace mivrel
