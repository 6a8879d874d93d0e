// Opens an address in the desktop's web browser.  The toolkit's own failure
// box is English and titled after the program; here a failure is told in
// the house style instead (title "Mivrel", stop icon).  User-interface
// thread only.
#pragma once

#include <wx/string.h>

#include "ports/ui.h"

namespace mivrel {

// Returns whether a browser took the address; when none did, the user has
// been told through `ui`, the box owned by `owner`.
bool OpenInDesktopBrowser(const wxString& url, Ui& ui, MessageOwner owner);

}  // namespace mivrel
