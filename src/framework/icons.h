// The program's icons, drawn at start from simple shapes (no image files).
//
// The shared image list holds kSharedImageCount icons of 16 x 16 pixels in
// the order of ports/item_images.h: folders in sixteen colours for the
// categories, sheets in sixteen colours for the entries, the external book,
// the external page and the recycle bin.  Other icons are named by the codes the command table uses
// ("T01" ... "T13", "E00" ... "E15", "G00" ... "G15", "P01" ... "P03",
// "CONNECTED"), matched without regard to case.
// User-interface thread only (after the toolkit has started).
#pragma once

#include <string>

#include <wx/bitmap.h>

#include "ports/item_images.h"

class wxImageList;

namespace mivrel {

// A new image list with the 35 icons; the caller owns it.
wxImageList* NewSharedImageList();
// One icon of the shared list by its index (0..34).
wxBitmap SharedIcon(int index);
// An icon by its code; an empty or unknown code gives an invalid bitmap.
wxBitmap NamedIcon(const std::string& code);

}  // namespace mivrel
