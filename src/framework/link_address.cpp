#include "framework/link_address.h"

#include "base/text.h"

namespace mivrel {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The schemes the browser is left to follow on its own.  Anything else that
// looks like "scheme:" is a keyword such as "std::vector", which the engine
// reads as a URL of an unknown scheme.
bool IsOutsideScheme(const std::string& url) {
  const std::string lower = LowerAscii(url);
  static const char* const kSchemes[] = {"http:", "https:", "file:", "ftp:", "mailto:",
                                         "data:", "javascript:", "blob:", "about:blank"};
  for (const char* scheme : kSchemes) {
    if (StartsWith(lower, scheme)) return true;
  }
  return false;
}

}  // namespace

std::string PercentDecode(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string FolderFileUrl(const std::string& gb_folder) {
  static const char kHex[] = "0123456789ABCDEF";
  const std::string utf8 = GbToUtf8(gb_folder);
  std::string url = "file://";
  for (unsigned char c : utf8) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

LinkTarget MapLinkUrl(const std::string& url, const std::string& base) {
  LinkTarget target;
  if (url == base) {
    target.kind = LinkKind::OwnPage;
    return target;
  }
  std::string relative;
  if (!base.empty() && StartsWith(url, base)) {
    relative = url.substr(base.size());
  } else if (IsOutsideScheme(url)) {
    return target;
  } else {
    relative = url;
  }
  target.kind = LinkKind::Generated;
  // The engine encodes what it sends as UTF-8; the rules work on the
  // program's own text.
  const std::string decoded = Utf8ToGb(PercentDecode(relative));
  target.address = (!decoded.empty() && decoded[0] == '#') ? "about:blank" + decoded
                                                           : "about:" + decoded;
  return target;
}

}  // namespace mivrel
