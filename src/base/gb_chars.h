// Character-wise scanning of GB18030 text.  The second byte of a double-byte
// character may be an ASCII letter, "@", "[", "\\" or "]" (乗 is 0x81 0x5C), so
// searching or splitting such text byte by byte can cut a character in two.
// These helpers only ever act where a character begins.  Pure functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mivrel {

// Bytes taken by the character that starts at `pos` (REQUIRES: pos < size):
// 2 or 4 for a complete multi-byte character, 1 for an ASCII byte and for a
// byte that starts no complete character.  Never reaches past the end.
size_t GbCharLength(std::string_view text, size_t pos);

// Moves `boundary` (REQUIRES: a character start, <= pos) forward to the last
// character start at or before `pos`; true when that is `pos` itself.
bool AdvanceToCharStart(std::string_view text, size_t& boundary, size_t pos);

// Replaces every occurrence of `from` (non-empty) that begins at a character
// boundary by `to`, left to right, without rescanning replaced text.  Returns
// the number of replacements.
size_t ReplaceAllAtCharStarts(std::string& text, std::string_view from, std::string_view to);

}  // namespace mivrel
