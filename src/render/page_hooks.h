// What page building needs from the browsing shell: recording a shown page in
// the history, making the directory tree follow the page, the tree's selected
// label, and the search pane's state for highlighting.  The shell implements
// it; the command-line tool uses the plain defaults below, which show nothing.
#pragma once

#include <string>

#include "ports/page_kinds.h"

namespace mivrel {

class PageHooks {
 public:
  virtual ~PageHooks() = default;
  // Applies the history recording rule for a page just shown.
  virtual void RecordPage(PageKind kind, int id, const std::string& title) {}
  // Selects the tree item found for the NUL-separated id path (selection
  // suppressed, so no page is shown again), if it is not selected already.
  virtual void SelectTreeItemByPath(const std::string& path, PageKind kind) {}
  // Clears the tree's selection (selection suppressed).
  virtual void ClearTreeSelection() {}
  // The label of the tree's selected item; false when none is selected.
  virtual bool SelectedTreeLabel(std::string& label) { return false; }
  // True while the side pane's 查找 tab is showing.
  virtual bool SearchTabShowing() { return false; }
  // The text of the last search (CurrentSearchText).
  virtual std::string CurrentSearchText() { return std::string(); }
  // One diagnostic line for the optional outside viewer.
  virtual void Trace(const std::string& line) {}
};

}  // namespace mivrel
