#include "base/file_urls.h"

#include "base/gb_chars.h"
#include "base/hex.h"
#include "base/text.h"

namespace mivrel {

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
      AppendPercentEscape(path, static_cast<unsigned char>(c));
    } else {
      path += c;
    }
    pos += length;
  }
  const size_t first = path.find_first_not_of('/');
  return "file:///" + path.substr(first == std::string::npos ? path.size() : first);
}

std::string FolderFileUrl(const std::string& gb_folder) {
  const std::string utf8 = GbToUtf8(gb_folder);
  std::string url = "file://";
  for (unsigned char c : utf8) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
    if (plain)
      url += static_cast<char>(c);
    else
      AppendPercentEscape(url, c);
  }
  return url;
}

std::string FileUrl(const std::string& gb_folder, const std::string& gb_local) {
  std::string url = "file://";
  if (gb_folder.empty() || gb_folder[0] != '/') url += '/';
  for (char c : gb_folder) {
    if (c == '%' || c == '#' || c == '?')
      AppendPercentEscape(url, static_cast<unsigned char>(c));
    else
      url += c;
  }
  return url + gb_local;
}

}  // namespace mivrel
