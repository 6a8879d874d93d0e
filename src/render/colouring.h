// Code colouring: one byte-by-byte pass over an entry's HTML text that turns
// keywords into coloured links and colours comments, assembler lines, string
// literals, numbers, symbols and search hits with the template's span tags.
#pragma once

#include <string>
#include <string_view>

namespace mivrel {

class KeywordSets;
class OutputBuffer;
struct PageTemplate;

// Marker bytes the page builder puts into the text before colouring.
constexpr char kStringMark = 16;     // StringMark: a double quote of a string literal
constexpr char kHighlightMark = 17;  // HighlightMark: before and after each search hit

enum class SymbolColouring { Off, On };

// ColourCode: colours `text` in place.  Input contract: HTML whose string quotes
// are kStringMark bytes and whose search hits are enclosed in kHighlightMark.
void ColourCode(std::string& text, const KeywordSets& keywords, const PageTemplate& page_template,
                SymbolColouring symbols);

// The same colouring, appended to `out` instead; `text` must not lie in `out`.
// The page builder colours straight into the buffer it reads the page from.
void ColourCode(std::string_view text, const KeywordSets& keywords, const PageTemplate& page_template,
                SymbolColouring symbols, OutputBuffer& out);

// The room to reserve for the coloured form of `text_size` bytes: code grows
// about fivefold (a keyword becomes a link around a span), and the reserve is
// raw memory, untouched where the text does not reach.
size_t ColouredSizeGuess(size_t text_size);

}  // namespace mivrel
