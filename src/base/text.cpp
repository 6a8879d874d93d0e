#include "base/text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "base/gb_chars.h"

namespace mivrel {
namespace {

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; each input byte that cannot be converted is replaced by
  // `replacement` and skipped, so the rest of the text survives.
  std::string Convert(std::string_view in, std::string_view replacement) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    size_t used = 0;
    while (src_left > 0) {
      char* dst = &out[used];
      size_t dst_left = out.size() - used;
      size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      used = out.size() - dst_left;
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
      } else {
        // EILSEQ or EINVAL (a sequence cut off at the end): replace one byte.
        if (out.size() - used < replacement.size() + 8) out.resize(out.size() * 2 + 16);
        std::memcpy(&out[used], replacement.data(), replacement.size());
        used += replacement.size();
        ++src;
        --src_left;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_;
};

// The GB18030 bytes of every code point from U+0080 to U+FFFF, taken from
// iconv itself once, so that large texts are converted by look-up with exactly
// iconv's result: iconv spends most of an entry page's conversion on
// characters that come back the same every time.  Each entry holds 2 or 4
// bytes, the first byte lowest; 0 where iconv gives anything else.
class GbTable {
 public:
  static const GbTable& Get() {
    static const GbTable table;
    return table;
  }
  uint32_t Of(uint32_t code_point) const { return bytes_[code_point]; }

 private:
  GbTable() : bytes_(0x10000, 0) {
    Converter converter("GB18030", "UTF-8");
    for (uint32_t cp = 0x80; cp < 0x10000; ++cp) {
      if (cp >= 0xD800 && cp <= 0xDFFF) continue;
      char utf8[3];
      size_t length = 0;
      if (cp < 0x800) {
        utf8[length++] = static_cast<char>(0xC0 | cp >> 6);
      } else {
        utf8[length++] = static_cast<char>(0xE0 | cp >> 12);
        utf8[length++] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
      }
      utf8[length++] = static_cast<char>(0x80 | (cp & 0x3F));
      const std::string gb = converter.Convert(std::string_view(utf8, length), "");
      if (gb.size() != 2 && gb.size() != 4) continue;
      uint32_t packed = 0;
      for (size_t i = 0; i < gb.size(); ++i)
        packed |= static_cast<uint32_t>(static_cast<unsigned char>(gb[i])) << (8 * i);
      bytes_[cp] = packed;
    }
  }
  std::vector<uint32_t> bytes_;
};

// The length of the UTF-8 sequence of two or three bytes at `pos` and its code
// point, or 0 when there is none (four-byte and malformed sequences).
size_t ShortUtf8At(std::string_view text, size_t pos, uint32_t& code_point) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const auto follows = [&](size_t i) { return pos + i < text.size() && (byte(i) & 0xC0) == 0x80; };
  const unsigned char lead = byte(0);
  if (lead >= 0xC2 && lead <= 0xDF && follows(1)) {
    code_point = (lead & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF && follows(1) && follows(2)) {
    code_point = (lead & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    return code_point >= 0x800 && !surrogate ? 3 : 0;
  }
  return 0;
}

// Utf8ToGb through the table.  Whatever the table does not cover goes to
// iconv in pieces that end before an ASCII byte: no UTF-8 sequence spans an
// ASCII byte, and iconv replaces each bad byte on its own, so each piece comes
// out as it would inside the whole text.
std::string Utf8ToGbByTable(std::string_view utf8, Converter& converter) {
  const GbTable& table = GbTable::Get();
  // Code text keeps its size (ASCII) or shrinks (a Chinese character takes 3
  // bytes in UTF-8, 2 in GB18030); the rare characters that grow make room.
  std::string out(utf8.size() + 16, '\0');
  char* to = out.data();
  char* end = to + out.size();
  const auto make_room = [&](size_t bytes) {
    if (static_cast<size_t>(end - to) >= bytes) return;
    const size_t used = static_cast<size_t>(to - out.data());
    out.resize(std::max(out.size() * 2, used + bytes));
    to = out.data() + used;
    end = out.data() + out.size();
  };
  const char* const in = utf8.data();
  const size_t size = utf8.size();
  size_t pos = 0;
  while (pos < size) {
    if (static_cast<unsigned char>(in[pos]) < 0x80) {
      // ASCII comes in runs: eight bytes at a time while none has its high
      // bit.  ASCII never grows the text, so the room made for it suffices.
      uint64_t eight;
      while (pos + 8 <= size && (std::memcpy(&eight, in + pos, 8), (eight & 0x8080808080808080ull) == 0)) {
        make_room(8);
        std::memcpy(to, &eight, 8);
        to += 8;
        pos += 8;
      }
      make_room(8);
      while (pos < size && static_cast<unsigned char>(in[pos]) < 0x80 && end - to > 0) *to++ = in[pos++];
      continue;
    }
    uint32_t code_point = 0;
    const size_t length = ShortUtf8At(utf8, pos, code_point);
    const uint32_t gb = length != 0 ? table.Of(code_point) : 0;
    if (gb != 0) {
      make_room(4);
      const size_t gb_length = (gb >> 8 & 0xFF) >= '0' && (gb >> 8 & 0xFF) <= '9' ? 4 : 2;
      for (size_t i = 0; i < gb_length; ++i) to[i] = static_cast<char>(gb >> (8 * i));
      to += gb_length;
      pos += length;
      continue;
    }
    size_t stop = pos + 1;
    while (stop < size && static_cast<unsigned char>(in[stop]) >= 0x80) ++stop;
    const std::string piece = converter.Convert(utf8.substr(pos, stop - pos), "?");
    make_room(piece.size());
    std::memcpy(to, piece.data(), piece.size());
    to += piece.size();
    pos = stop;
  }
  out.resize(static_cast<size_t>(to - out.data()));
  return out;
}

// Below this size iconv is as quick, and small conversions (names, paths,
// settings) never pay for building the table.
constexpr size_t kTableFrom = 16 * 1024;

}  // namespace

std::string Utf8ToGb(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  thread_local Converter converter("GB18030", "UTF-8");
  if (utf8.size() >= kTableFrom) return Utf8ToGbByTable(utf8, converter);
  return converter.Convert(utf8, "?");
}

std::string GbToUtf8(std::string_view gb) {
  if (IsAscii(gb)) return std::string(gb);
  thread_local Converter converter("UTF-8", "GB18030");
  return converter.Convert(gb, "\xEF\xBF\xBD");
}

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    size_t len;
    unsigned int cp;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      len = 2;
      cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3;
      cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + len > n) return false;
    for (size_t k = 1; k < len; ++k) {
      unsigned char t = static_cast<unsigned char>(text[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
        cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += len;
  }
  return true;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string ReplacedAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  if (from.empty()) return std::string(text);
  size_t pos = 0;
  while (true) {
    size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    if (out.empty()) out.reserve(text.size() + (to.size() > from.size() ? text.size() / 8 : 0));
    out.append(text.data() + pos, hit - pos);
    out.append(to.data(), to.size());
    pos = hit + from.size();
  }
  if (pos == 0) return std::string(text);
  out.append(text.data() + pos, text.size() - pos);
  return out;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || text.find(from) == std::string::npos) return;
  text = ReplacedAll(text, from, to);
}

std::string QuoteSql(std::string_view text) { return ReplacedAll(text, "'", "''"); }

long long LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    int digit = text[i] - '0';
    if (value > (LLONG_MAX - digit) / 10) {
      value = LLONG_MAX;
      break;
    }
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

std::string WithBlank(long long n) { return n >= 0 ? " " + std::to_string(n) : std::to_string(n); }

std::string CutAtCharBoundary(std::string_view gb, size_t max_bytes) {
  size_t i = 0;
  while (i < gb.size()) {
    const size_t len = GbCharLength(gb, i);
    if (i + len > max_bytes) break;
    i += len;
  }
  return std::string(gb.substr(0, i));
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace mivrel
