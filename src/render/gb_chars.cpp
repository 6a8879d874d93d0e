#include "render/gb_chars.h"

namespace mivrel {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsDigitByte(unsigned char c) { return c >= 0x30 && c <= 0x39; }
bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE); }

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

size_t ReplaceAllAtCharStarts(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  size_t hit = text.find(from);
  if (hit == std::string::npos) return 0;
  std::string out;
  size_t count = 0;
  size_t copied = 0;  // text[0, copied) is in `out` already
  size_t pos = 0;     // always a character boundary
  while (hit != std::string::npos) {
    while (pos < hit) pos += GbCharLength(text, pos);
    if (pos == hit) {
      out.append(text, copied, pos - copied).append(to);
      pos += from.size();
      copied = pos;
      ++count;
    }
    // Otherwise the occurrence began inside a character: no match, search on.
    hit = text.find(from, pos);
  }
  if (count == 0) return 0;
  out.append(text, copied, std::string::npos);
  text.swap(out);
  return count;
}

}  // namespace mivrel
