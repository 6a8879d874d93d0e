// Turns the URL a web view reports for a clicked link back into the address
// the navigation rules expect.  Generated pages are written with a base URL of
// our own choosing (a file:/// folder URL), so a relative link ".y.7" arrives
// as base + ".y.7", percent-encoded as UTF-8.  The rules want "about:.y.7",
// "about:blank#x" for an in-page anchor, "about:" + word for a keyword link.
// Pure text work, no toolkit: callable from tests without a display.
#pragma once

#include <string>

namespace mivrel {

enum class LinkKind {
  OwnPage,    // the base itself: the page we just wrote is loading
  Generated,  // a link inside a generated page: hand `address` to ResolveNavigation
  Outside,    // an outside page (http, https, file, ...): the browser follows it
};

struct LinkTarget {
  LinkKind kind = LinkKind::Outside;
  std::string address;  // GB18030; set for Generated
};

// `url` and `base` are UTF-8 as the engine reports them; `base` ends with "/".
LinkTarget MapLinkUrl(const std::string& url, const std::string& base);

// "%XX" sequences decoded to bytes; a "%" not followed by two hexadecimal
// digits stays as it is.
std::string PercentDecode(const std::string& text);

}  // namespace mivrel
