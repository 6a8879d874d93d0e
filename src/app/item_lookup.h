// The GUI test driver's way to name a directory tree item: by its label.
// Over the TreeView port, so it works on the real tree control and in memory.
// User-interface thread only (the view's).
#pragma once

#include <string>

#include "ports/tree_view.h"

namespace mivrel {

// The first item in tree order whose label is `gb_label`, or `gb_label`
// followed by a loaded category's "(count)" suffix; 0 when none.
TreeItem FindItemByLabel(const TreeView& view, const std::string& gb_label);

}  // namespace mivrel
