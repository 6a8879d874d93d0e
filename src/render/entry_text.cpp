#include "render/entry_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "base/text.h"
#include "render/colouring.h"
#include "render/gb_chars.h"

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

bool MarkSearchHits(std::string& text, const std::string& search) {
  if (search.empty()) return false;
  const std::string marked = kHighlightMark + search + kHighlightMark;
  ReplaceAllAtCharStarts(text, search, marked);
  return true;
}

std::string FolderFileAddress(const std::string& gb_folder) {
  std::string path;
  for (size_t pos = 0; pos < gb_folder.size();) {
    const size_t length = GbCharLength(gb_folder, pos);
    const char c = gb_folder[pos];
    if (length > 1) {
      path.append(gb_folder, pos, length);
    } else if (c == ':') {
      path += '|';
    } else if (c == '\\') {
      path += '/';
    } else if (c == '%' || c == '#' || c == '?' || c == '"') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
      path += escaped;
    } else {
      path += c;
    }
    pos += length;
  }
  const size_t first = path.find_first_not_of('/');
  return "file:///" + path.substr(first == std::string::npos ? path.size() : first);
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
  // None of these bytes can be the second byte of a GB18030 character, so a
  // byte-wise replacement never touches a Chinese character.
  ReplaceAll(text, "&", "&amp;");
  ReplaceAll(text, "<", "&lt;");
  ReplaceAll(text, ">", "&gt;");
  ReplaceAll(text, "\"", std::string(1, kStringMark));
  ReplaceAll(text, "  ", "&nbsp;&nbsp;");
  ReplaceAll(text, "\r\n", "<br>\r\n");
}

void MarkSectionHeadings(std::string& text) {
  for (const char* heading : kSectionHeadings)
    ReplaceAllAtCharStarts(text, heading, std::string("<hr class=\"hr0\" />") + heading);
}

}  // namespace mivrel
