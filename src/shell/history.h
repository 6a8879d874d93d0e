// The back/forward history over generated pages.  `BackList` holds every
// recorded page up to and including the one shown now (its last record is the
// current page, which the edit, delete and export commands act on);
// `ForwardList` holds the pages left by 返回, the most recently left one last.
// Neither list has a size limit and nothing is persisted.  One History per
// running program, owned by the Session.  User-interface thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ports/page_kinds.h"

namespace mivrel {

// Size of the title field, terminating NUL included.
constexpr size_t kHistoryTitleField = 100;

// One visited generated page.  The home page is kind Category with id 0.
struct HistoryRecord {
  int32_t id = 0;
  PageKind kind = PageKind::Category;
  // For an entry page the entry's name (empty when it was not found); for a
  // category page the label of the tree item selected when the record was made,
  // or "全部内容".  GB18030, at most kHistoryTitleField - 1 bytes, never cut
  // inside a character.
  std::string title;
};

// A record whose title is cut to fit the field at a character boundary.
HistoryRecord MakeHistoryRecord(PageKind kind, int id, const std::string& gb_title);

class History {
 public:
  // The recording rule, applied after a page has been shown with recording on:
  // when the current page has the same id and kind, nothing changes and false
  // is returned; otherwise the page is appended to BackList, ForwardList is
  // emptied and true is returned.
  bool Record(PageKind kind, int id, const std::string& gb_title);

  const std::vector<HistoryRecord>& BackList() const { return back_; }
  const std::vector<HistoryRecord>& ForwardList() const { return forward_; }

  // The current page (last record of BackList); nullptr before the first page.
  const HistoryRecord* CurrentPage() const { return back_.empty() ? nullptr : &back_.back(); }

  // 返回 step: moves the current page to the end of ForwardList and returns the
  // new current page.  With fewer than 2 records nothing moves and nullptr is
  // returned.
  const HistoryRecord* StepBack();
  // 前进 step: moves the last record of ForwardList to the end of BackList and
  // returns it; nullptr (nothing moves) when ForwardList is empty.
  const HistoryRecord* StepForward();

 private:
  std::vector<HistoryRecord> back_;
  std::vector<HistoryRecord> forward_;
};

}  // namespace mivrel
