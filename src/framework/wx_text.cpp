#include "framework/wx_text.h"

#include "base/text.h"

namespace mivrel {

// Going through UTF-8 with the base helpers keeps the lossless and
// bad-byte rules in one place instead of relying on wxCSConv's all-or-nothing
// failure mode.
wxString GbToWx(const std::string& gb) { return wxString::FromUTF8(GbToUtf8(gb)); }

std::string WxToGb(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return Utf8ToGb(std::string(utf8.data(), utf8.length()));
}

}  // namespace mivrel
