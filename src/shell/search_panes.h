// The two finding panes of the side pane: the full-text search (查找) and the
// name index (索引).  The index lists the entries whose name begins with the
// typed text, 300 ms after typing stops, and opens the first hit; the search
// lists the entries whose name, brief or content contains a text when asked,
// and its text (`CurrentSearchText`) is highlighted in entry pages while the
// 查找 tab shows.  Both list at most kResultListLimit hits and keep only the
// listed rows (`ResultSet`), so memory does not grow with the number of hits;
// a new scope reads the last query's hits again.
//
// One SearchPanes per running program, owned by the Session; it borrows
// the controls (ports) and the database, and keeps the scope rows of the last
// full tree load.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ports/panes.h"
#include "store/records.h"

namespace mivrel {

class Clock;
class Database;
class TraceSink;
class PageOpener;
class Ui;

constexpr int kResultListLimit = 500;
constexpr uint32_t kIndexTypingDelayMs = 300;
constexpr uint32_t kIndexFirstDelayMs = 1000;

enum class ResultPane { Search, Index };

// One row of a pane's last query.
using ResultRow = EntryHit;
// The rows a pane lists: the first kResultListLimit hits of its last query
// that lie in the scope picker's categories, in the query's order.
using ResultSet = std::vector<ResultRow>;

// The controls of one pane.
struct PaneControls {
  TextBox& input;
  ResultList& list;
  ScopePicker& scope;
};

class SearchPanes {
 public:
  // Borrows everything; all must outlive the panes.  `opener` opens hits and
  // `trace` receives the index's diagnostic trace line.  Starts the index
  // timer with kIndexFirstDelayMs (the index pane has just been created).
  SearchPanes(Database& db, Ui& ui, Clock& clock, PageOpener& opener, const TraceSink& trace,
              PaneControls search, PaneControls index, TypingTimer& index_timer);

  // The search: triggered by the "查" button and by Enter in the search box.
  // Does nothing while a lookup is busy or when the box is empty.
  void RunSearch();

  // The index timer's tick, also called directly to look up at once (a word
  // link just put into the index box).  Does nothing while a lookup is busy
  // (the timer keeps ticking); otherwise stops the timer and runs the lookup.
  void IndexTimerTick();

  // Rebuilds a pane's list from the hits of its last query that lie in its
  // scope picker's row (read again, without counting them).
  void FillResultList(ResultPane pane);

  // Toolkit events.
  // The index box's text changed (typed or set): the lookup waits for a pause.
  void OnIndexTextChanged();
  // A pane's scope picker selection changed: re-filter the last rows.
  void OnScopeChanged(ResultPane pane);
  // A result list's selection changed: opens the selected hit, unless the list
  // is disabled (being filled) or, for the index, a lookup is busy.
  void OnHitSelected(ResultPane pane);

  // Refills both scope pickers and selects row 0 in both; called after every
  // full tree load with the picker rows it made ("显示全部分类", then one row per
  // category) and, per row, its ScopeIdList text ("[5][9][12]"), which lists
  // the categories a row narrows the hits to.  Row 0 narrows nothing; a row
  // without a text lists nothing.
  void RefillScopePickers(const std::vector<std::string>& gb_rows,
                          const std::vector<std::string>& scope_id_lists);

  // The hand-over of a keyword from the command line or a second start: an
  // empty text does nothing; otherwise the side pane switches to 索引 and the
  // text goes into the index box (the lookup follows at the next tick).
  void HandOverKeyword(const std::string& gb_text, SideTabs& tabs);

  // The text of the last search exactly as typed (empty before the first).
  const std::string& CurrentSearchText() const { return current_search_text_; }
  // True while an index lookup runs.
  bool LookupBusy() const { return lookup_busy_; }

  const ResultSet& Rows(ResultPane pane) const;
  PaneControls& Controls(ResultPane pane) { return pane == ResultPane::Search ? search_ : index_; }

 private:
  struct Timings {
    uint32_t query_ms = 0;
    uint32_t load_ms = 0;
    int rows = 0;
  };

  // How a pane's hits are read: `sql` as a whole, or, for a prefix that
  // splits into name ranges, those ranges one after another (same order).
  // An empty `sql` reads nothing.
  struct HitQuery {
    std::string sql;
    std::vector<NameRange> ranges;
  };

  // RunIndexLookup: the index pane's query; only through IndexTimerTick.
  void RunIndexLookup();
  // Runs the query into the pane's ResultSet and fills its list, timing both.
  Timings QueryAndFill(ResultPane pane, HitQuery query);
  // Reads the hits of `query` in order into `rows`, keeping the first
  // kResultListLimit that lie in `scope_row`; counts all hits into `total`
  // when given.  False (and no rows) when a query fails, also part way.
  [[nodiscard]] bool ReadHits(const HitQuery& query, int scope_row, ResultSet& rows, int* total);
  // Puts the pane's ResultSet into its list.
  void ListRows(ResultPane pane);
  bool InScope(const ResultRow& row, int scope_row) const;
  void OpenHit(int id);

  Database& db_;
  Ui& ui_;
  Clock& clock_;
  PageOpener& opener_;
  const TraceSink& trace_;
  PaneControls search_;
  PaneControls index_;
  TypingTimer& index_timer_;
  std::vector<std::string> scope_id_lists_;
  HitQuery search_query_;
  HitQuery index_query_;
  ResultSet search_rows_;
  ResultSet index_rows_;
  std::string current_search_text_;
  bool lookup_busy_ = false;
};

}  // namespace mivrel
