// The one place where program texts (GB18030 bytes) meet wxString.  Every
// window file converts through these helpers; narrow literals are never handed
// to wx directly (they are GB18030, and wx would read them as the C locale's
// encoding).
#pragma once

#include <string>

#include <wx/string.h>

namespace mivrel {

// GB18030 bytes -> wxString.  Invalid bytes come out as U+FFFD, never as an
// empty string.
wxString GbToWx(const std::string& gb);
// wxString -> GB18030 bytes.  GB18030 maps every Unicode character, so nothing
// is lost.
std::string WxToGb(const wxString& text);

}  // namespace mivrel
