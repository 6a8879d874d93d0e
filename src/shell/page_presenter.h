// The one place a built page is shown: the PageOpener through which the
// directory tree, navigation, the search panes and the commands open pages.
// It asks the PageBuilder for the page, then does what showing means, in this
// order —
//   entry page:    busy cursor; build; tree follows; history record; normal
//                  cursor; write to the pane; focus; "显示内容化费:" status
//   category page: busy cursor; (home: tree selection cleared); build; tree
//                  follows; normal cursor; write; focus; "显示分类化费:"
//                  status; history record titled with the selected tree label
//                  (none: "全部内容")
// — the tree following with selection suppressed, so that no page is shown
// twice.  The 查找 tab's search text is highlighted in entry pages while that
// tab shows.
//
// One per session; user-interface thread only.
#pragma once

#include <string>

#include "ports/page_opener.h"

namespace mivrel {

class BrowserPane;
class Clock;
class DirectoryTree;
class History;
class PageBuilder;
class SearchPanes;
class SideTabs;
class TraceSink;
class Ui;
struct Page;

// The status text of a shown page after `elapsed_ms`.
std::string PageStatusText(const Page& page, uint32_t elapsed_ms);

class PagePresenter final : public PageOpener {
 public:
  // Borrows everything; all must outlive the presenter.  The tree and the
  // panes need not be constructed yet (the session builds them after the
  // presenter, which they borrow), but must be before the first page.
  PagePresenter(PageBuilder& pages, BrowserPane& pane, Ui& ui, Clock& clock, History& history,
                DirectoryTree& tree, SideTabs& tabs, SearchPanes& panes, const TraceSink& trace);

  void ShowEntryPage(int id, const std::string& gb_name, Record record, SyncTree sync,
                     const std::string& gb_anchor) override;
  void ShowCategoryPage(int id, Record record, SyncTree sync) override;

 private:
  // Makes the directory tree select the page's item, selection suppressed.
  void FollowInTree(const Page& page);

  PageBuilder& pages_;
  BrowserPane& pane_;
  Ui& ui_;
  Clock& clock_;
  History& history_;
  DirectoryTree& tree_;
  SideTabs& tabs_;
  SearchPanes& panes_;
  const TraceSink& trace_;
};

}  // namespace mivrel
