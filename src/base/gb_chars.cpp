#include "base/gb_chars.h"

namespace mivrel {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsDigitByte(unsigned char c) { return c >= 0x30 && c <= 0x39; }
bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE); }
// Neither a lead byte nor any later byte of a multi-byte character.
bool IsSingleByteOnly(unsigned char c) { return c < 0x30 || (c >= 0x3A && c <= 0x3F) || c == 0xFF; }

}  // namespace

size_t GbCharLength(std::string_view text, size_t pos) {
  const auto at = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  if (!IsLeadByte(at(pos)) || pos + 1 >= text.size()) return 1;
  if (IsTrailByte(at(pos + 1))) return 2;
  if (IsDigitByte(at(pos + 1)) && pos + 3 < text.size() && IsLeadByte(at(pos + 2)) &&
      IsDigitByte(at(pos + 3)))
    return 4;
  return 1;
}

bool AdvanceToCharStart(std::string_view text, size_t& boundary, size_t pos) {
  // A byte that can be no part of a multi-byte character starts a character of
  // its own, so the walk may begin after the last such byte before `pos`
  // instead of at `boundary`: in code and notes that is rarely far back.
  for (size_t i = pos; i > boundary; --i) {
    if (IsSingleByteOnly(static_cast<unsigned char>(text[i - 1]))) {
      boundary = i - 1;
      break;
    }
  }
  while (boundary < pos) {
    const size_t next = boundary + GbCharLength(text, boundary);
    if (next > pos) return false;
    boundary = next;
  }
  return true;
}

size_t ReplaceAllAtCharStarts(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  size_t hit = text.find(from);
  if (hit == std::string::npos) return 0;
  std::string out;
  size_t count = 0;
  size_t copied = 0;    // text[0, copied) is in `out` already
  size_t boundary = 0;  // always a character start
  while (hit != std::string::npos) {
    if (AdvanceToCharStart(text, boundary, hit)) {
      if (count == 0) out.reserve(text.size() + text.size() / 16);
      out.append(text, copied, hit - copied).append(to);
      boundary = hit + from.size();
      copied = boundary;
      ++count;
      hit = text.find(from, boundary);
    } else {
      // The occurrence began inside a character: no match, search on.
      hit = text.find(from, hit + 1);
    }
  }
  if (count == 0) return 0;
  out.append(text, copied, std::string::npos);
  text.swap(out);
  return count;
}

}  // namespace mivrel
