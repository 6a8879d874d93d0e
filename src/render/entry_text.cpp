#include "render/entry_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/text.h"
#include "render/colouring.h"
#include "render/output_buffer.h"
#include "base/gb_chars.h"

namespace mivrel {
namespace {

constexpr const char* kSectionHeadings[] = {"【VB声名】", "【返回值】", "【参数】",
                                            "【说明】",   "【相关】",   "【目的】",
                                            "【语法】",   "【示例】",   "【限制】"};

constexpr std::string_view kImageSource = "<img src=\"";

// "http:", "https:", "data:", "file:" ... : a scheme of two or more characters,
// so that a drive letter ("C:") still counts as a relative name.
bool HasUrlScheme(std::string_view value) {
  size_t i = 0;
  while (i < value.size() && (std::isalnum(static_cast<unsigned char>(value[i])) ||
                              value[i] == '+' || value[i] == '-' || value[i] == '.'))
    ++i;
  return i >= 2 && i < value.size() && value[i] == ':' &&
         std::isalpha(static_cast<unsigned char>(value[0]));
}

bool IsSectionHeadingAt(std::string_view text, size_t pos) {
  const std::string_view rest = text.substr(pos);
  for (const char* heading : kSectionHeadings)
    if (StartsWith(rest, heading)) return true;
  return false;
}

// The bytes plain-text escaping replaces (blanks and CR only in pairs: a
// blank followed by a blank, CR followed by LF).
constexpr std::array<bool, 256> kPlainSpecial = [] {
  std::array<bool, 256> special{};
  for (char c : std::string_view("&<>\" \r")) special[static_cast<unsigned char>(c)] = true;
  return special;
}();

// What plain-text escaping writes for the bytes at one place.
struct PlainReplacement {
  std::string_view text;
  size_t replaced;  // bytes of the text it stands for
};

// True when escaping replaces the bytes at `pos`.
bool IsPlainReplacementAt(std::string_view text, size_t pos) {
  const char c = text[pos];
  if (!kPlainSpecial[static_cast<unsigned char>(c)]) return false;
  if (c != ' ' && c != '\r') return true;
  return pos + 1 < text.size() && text[pos + 1] == (c == '\r' ? '\n' : ' ');
}

// The first place at or after `pos` that escaping replaces, or text.size().
// Sixteen bytes at a time where the processor allows: a megabyte of code
// holds about a hundred thousand blanks, nearly all of them single.
size_t NextPlainReplacement(std::string_view text, size_t pos) {
#if defined(__SSE2__)
  const char* p = text.data();
  const __m128i amp = _mm_set1_epi8('&');
  const __m128i lt = _mm_set1_epi8('<');
  const __m128i gt = _mm_set1_epi8('>');
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i blank = _mm_set1_epi8(' ');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  // Each lane also needs the byte after it: 17 bytes must be readable.
  for (; pos + 17 <= text.size(); pos += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + pos));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + pos + 1));
    __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, amp), _mm_cmpeq_epi8(v, lt)),
                               _mm_or_si128(_mm_cmpeq_epi8(v, gt), _mm_cmpeq_epi8(v, quote)));
    hit = _mm_or_si128(hit, _mm_and_si128(_mm_cmpeq_epi8(v, blank), _mm_cmpeq_epi8(next, blank)));
    hit = _mm_or_si128(hit, _mm_and_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(next, lf)));
    const int lanes = _mm_movemask_epi8(hit);
    if (lanes != 0) return pos + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(lanes)));
  }
#endif
  while (pos < text.size() && !IsPlainReplacementAt(text, pos)) ++pos;
  return pos;
}

// Calls visit(pos, replacement) for every place of `text` that escaping
// replaces, left to right.
template <typename Visit>
void ForEachPlainReplacement(std::string_view text, Visit visit) {
  for (size_t pos = NextPlainReplacement(text, 0); pos < text.size();) {
    PlainReplacement replacement{std::string_view(), 1};
    switch (text[pos]) {
      case '&': replacement.text = "&amp;"; break;
      case '<': replacement.text = "&lt;"; break;
      case '>': replacement.text = "&gt;"; break;
      case '"': replacement.text = std::string_view(&kStringMark, 1); break;
      case ' ': replacement = {"&nbsp;&nbsp;", 2}; break;
      default: replacement = {"<br>\r\n", 2}; break;  // CR LF
    }
    visit(pos, replacement);
    pos = NextPlainReplacement(text, pos + replacement.replaced);
  }
}

const std::string& NameOnDisk(const std::string& value, const std::vector<WrittenImage>& images) {
  for (const WrittenImage& image : images)
    if (image.stored_name == value) return image.file_name;
  return value;
}

}  // namespace

void DropMarkerBytes(std::string& text) {
  // Stored text almost never holds them: two fast searches spare the rewrite.
  if (text.find(kStringMark) == std::string::npos && text.find(kHighlightMark) == std::string::npos)
    return;
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](char c) { return c == kStringMark || c == kHighlightMark; }),
             text.end());
}

bool MarkSearchHits(std::string& text, const std::string& search, HitPlaces places) {
  if (search.empty()) return false;
  const std::string marked = kHighlightMark + search + kHighlightMark;
  if (places == HitPlaces::Anywhere) {
    ReplaceAllAtCharStarts(text, search, marked);
    return true;
  }
  const bool search_has_angle = search.find_first_of("<>") != std::string::npos;
  std::string out;
  out.reserve(text.size());
  bool in_tag = false;
  for (size_t pos = 0; pos < text.size();) {
    if (!in_tag && !search_has_angle && text.compare(pos, search.size(), search) == 0) {
      out += marked;
      pos += search.size();
      continue;
    }
    const size_t length = GbCharLength(text, pos);
    if (text[pos] == '<') in_tag = true;
    if (text[pos] == '>') in_tag = false;
    out.append(text, pos, length);
    pos += length;
  }
  text.swap(out);
  return true;
}

void PrepareWebFormat(std::string& text, const std::string& folder_address,
                      const std::vector<WrittenImage>& images) {
  ReplaceAll(text, "&quot;", std::string(1, kStringMark));
  size_t hit = text.find(kImageSource);
  if (hit == std::string::npos) return;
  std::string out;
  out.reserve(text.size() + 64);
  size_t copied = 0;
  while (hit != std::string::npos) {
    const size_t value_start = hit + kImageSource.size();
    const size_t value_end = std::min(text.find('"', value_start), text.size());
    const std::string value = text.substr(value_start, value_end - value_start);
    out.append(text, copied, value_start - copied);
    if (!HasUrlScheme(value)) out += folder_address + NameOnDisk(value, images);
    else out += value;
    copied = value_end;
    hit = text.find(kImageSource, value_end);
  }
  out.append(text, copied, std::string::npos);
  text.swap(out);
}

void PreparePlainFormat(std::string_view text, OutputBuffer& out) {
  // The result of replacing, in this order, "&", "<", ">", the double quote,
  // pairs of blanks and CR LF, found in one walk over the text: none of these
  // bytes can be the second byte of a GB18030 character, so no Chinese
  // character is touched.
  size_t copied = 0;
  ForEachPlainReplacement(text, [&](size_t pos, const PlainReplacement& r) {
    char* to = out.Claim(pos - copied + r.text.size());
    to = OutputBuffer::Write(to, text.substr(copied, pos - copied));
    out.Commit(OutputBuffer::Write(to, r.text));
    copied = pos + r.replaced;
  });
  out.Put(text.substr(copied));
}

size_t PlainSizeGuess(size_t text_size) { return text_size + text_size / 4 + 64; }

void AppendFinishedText(std::string_view text, std::string& page) {
  // Both jobs in one pass, each occurrence found with a fast search: a quote
  // mark, or a "【" with which every heading begins.
  constexpr std::string_view kOpen = "【";
  constexpr std::string_view kRule = "<hr class=\"hr0\" />";
  page.reserve(page.size() + text.size() + text.size() / 8 + 64);
  size_t quote = text.find(kStringMark);
  size_t open = text.find(kOpen);
  size_t copied = 0;
  size_t boundary = 0;
  while (quote != std::string_view::npos || open != std::string_view::npos) {
    if (quote < open) {
      page.append(text, copied, quote - copied).append("&quot;");
      copied = quote + 1;
      quote = text.find(kStringMark, copied);
      continue;
    }
    if (AdvanceToCharStart(text, boundary, open) && IsSectionHeadingAt(text, open)) {
      page.append(text, copied, open - copied).append(kRule);
      copied = open;
    }
    open = text.find(kOpen, open + 1);
  }
  page.append(text, copied, std::string_view::npos);
}

}  // namespace mivrel
