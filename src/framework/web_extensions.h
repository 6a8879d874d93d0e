// wx's WebKit web extension (needed for the selection of a page) is installed
// by Debian under the multiarch library folder, while wx looks for it in
// /usr/lib/wx/3.2/web-extensions.  PointWebExtensionsFolder tells WebKit's
// default context where it really is.  Call once before the first web view
// is created; does nothing when WebKit or the folder is not found.
#pragma once

namespace mivrel {

void PointWebExtensionsFolder();

}  // namespace mivrel
