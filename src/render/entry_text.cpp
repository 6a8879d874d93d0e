#include "render/entry_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

#include "base/text.h"
#include "render/colouring.h"
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

// The bytes plain-text escaping replaces (blanks and CR only in pairs).
constexpr std::array<bool, 256> kPlainSpecial = [] {
  std::array<bool, 256> special{};
  for (char c : std::string_view("&<>\" \r")) special[static_cast<unsigned char>(c)] = true;
  return special;
}();

bool IsPlainSpecial(char c) { return kPlainSpecial[static_cast<unsigned char>(c)]; }

const std::string& NameOnDisk(const std::string& value, const std::vector<WrittenImage>& images) {
  for (const WrittenImage& image : images)
    if (image.stored_name == value) return image.file_name;
  return value;
}

}  // namespace

void DropMarkerBytes(std::string& text) {
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

void PreparePlainFormat(std::string& text) {
  // One pass with the result of replacing, in this order, "&", "<", ">", the
  // double quote, pairs of blanks and CR LF.  None of these bytes can be the
  // second byte of a GB18030 character, so no Chinese character is touched.
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  const size_t size = text.size();
  size_t copied = 0;
  size_t pos = 0;
  while (pos < size) {
    const char c = text[pos];
    if (!IsPlainSpecial(c)) {
      ++pos;
      continue;
    }
    const bool pair = pos + 1 < size && text[pos + 1] == (c == '\r' ? '\n' : ' ');
    std::string_view replacement;
    if (c == '&') replacement = "&amp;";
    else if (c == '<') replacement = "&lt;";
    else if (c == '>') replacement = "&gt;";
    else if (c == '"') replacement = std::string_view(&kStringMark, 1);
    else if (pair) replacement = c == ' ' ? "&nbsp;&nbsp;" : "<br>\r\n";
    if (replacement.empty()) {
      ++pos;
      continue;
    }
    out.append(text, copied, pos - copied).append(replacement);
    pos += (c == ' ' || c == '\r') ? 2 : 1;
    copied = pos;
  }
  out.append(text, copied, std::string::npos);
  text.swap(out);
}

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
