#include "framework/link_address.h"

#include "base/hex.h"
#include "base/text.h"

namespace mivrel {
namespace {

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
    if (text[i] == '%' && i + 2 < text.size() && HexDigitValue(text[i + 1]) >= 0 &&
        HexDigitValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigitValue(text[i + 1]) * 16 + HexDigitValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
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
