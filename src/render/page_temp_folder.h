// The page temp folder: a private folder under the temporary root into which
// the images of shown entry pages are written, created once per run and
// removed with everything in it at exit.  Shared by the desktop program and
// mivrel-tool.
#pragma once

#include <string>

namespace mivrel {

// Creates TempRoot() + "tk" + a random decimal number + "/", readable by this
// user only, and returns its GB18030 path (ending with "/").  A name that is
// taken already is never reused, so a run never shares another run's folder.
// Returns an empty text when no folder could be created; callers then write
// no page files.
std::string CreatePageTempFolder();

// Deletes the folder and every file in it.  An empty path does nothing.
void RemovePageTempFolder(const std::string& gb_folder);

}  // namespace mivrel
