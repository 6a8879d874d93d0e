// The page operations that the directory tree, navigation, the search panes
// and the commands call: `ShowEntryPage` and `ShowCategoryPage`.  The
// session's page presenter builds and shows the page; tests record the calls.
// User-interface thread only.
#pragma once

#include <string>

#include "ports/page_kinds.h"

namespace mivrel {

class PageOpener {
 public:
  virtual ~PageOpener() = default;
  // By name when `gb_name` is not empty, else by id; a non-empty anchor opens
  // the page scrolled to it.
  virtual void ShowEntryPage(int id, const std::string& gb_name, Record record, SyncTree sync,
                             const std::string& gb_anchor) = 0;
  // Category id 0 is the home page.
  virtual void ShowCategoryPage(int id, Record record, SyncTree sync) = 0;
};

}  // namespace mivrel
