#include "shell/search_panes.h"

#include "base/clock.h"
#include "base/scoped_flag.h"
#include "base/text.h"
#include "ports/ui.h"
#include "ports/item_images.h"
#include "ports/trace.h"
#include "ports/page_opener.h"
#include "store/contains_function.h"
#include "store/name_ranges.h"
#include "store/records.h"

namespace mivrel {

namespace {

// Restores the normal cursor however the operation ends.
class BusyCursor {
 public:
  explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.SetBusyCursor(true); }
  ~BusyCursor() { ui_.SetBusyCursor(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Ui& ui_;
};

}  // namespace

SearchPanes::SearchPanes(Database& db, Ui& ui, Clock& clock, PageOpener& opener,
                         const TraceSink& trace, PaneControls search, PaneControls index,
                         TypingTimer& index_timer)
    : db_(db),
      ui_(ui),
      clock_(clock),
      opener_(opener),
      trace_(trace),
      search_(search),
      index_(index),
      index_timer_(index_timer) {
  index_timer_.Start(kIndexFirstDelayMs);
}

const ResultSet& SearchPanes::Rows(ResultPane pane) const {
  return pane == ResultPane::Search ? search_rows_ : index_rows_;
}

void SearchPanes::RunSearch() {
  if (lookup_busy_) return;
  const std::string text = search_.input.Text();
  if (text.empty()) return;
  Timings timings;
  {
    BusyCursor cursor(ui_);
    current_search_text_ = text;
    // The same hits as the LIKE query, found quicker where no wildcard is typed.
    const std::string sql =
        ContainsAnswersLike(GbToUtf8(text)) ? ContainsSearchQuery(text) : SearchQuery(text);
    timings = QueryAndFill(ResultPane::Search, HitQuery{sql, {}});
  }
  ui_.SetStatusText("查询化费:" + WithBlank(timings.query_ms) + "毫秒，加载化费:" +
                    WithBlank(timings.load_ms) + "毫秒，结果数量:" + WithBlank(timings.rows));
}

void SearchPanes::IndexTimerTick() {
  if (lookup_busy_) return;  // the timer keeps ticking; the next tick tries again
  index_timer_.Stop();
  const ScopedFlag busy(lookup_busy_);
  RunIndexLookup();
}

void SearchPanes::RunIndexLookup() {
  const std::string text = index_.input.Text();
  if (text.empty()) return;  // the list keeps what it shows
  Timings timings;
  {
    index_.list.DeleteAll();
    BusyCursor cursor(ui_);
    index_.list.SetEnabled(false);
    trace_.Line(QuoteSql(text));
    timings = QueryAndFill(ResultPane::Index, HitQuery{IndexQuery(text), NamePrefixRanges(text)});
  }
  index_.list.SetEnabled(true);
  ui_.SetStatusText("查询化费:" + WithBlank(timings.query_ms) + "毫秒，加载化费:" +
                    WithBlank(timings.load_ms) + "，结果数量:" + WithBlank(timings.rows));
  if (index_.list.Count() < 1) return;
  // The selection change this makes is ignored (the lookup is busy); the hit
  // is opened here once.
  index_.list.SelectFirst();
  int id = 0;
  if (index_.list.SelectedId(id)) OpenHit(id);
  index_.input.Focus();
}

SearchPanes::Timings SearchPanes::QueryAndFill(ResultPane pane, HitQuery query) {
  HitQuery& last = pane == ResultPane::Search ? search_query_ : index_query_;
  ResultSet& rows = pane == ResultPane::Search ? search_rows_ : index_rows_;
  last = std::move(query);
  Timings timings;
  const uint32_t start = clock_.NowMs();
  if (!ReadHits(last, Controls(pane).scope.SelectedRow(), rows, &timings.rows)) {
    last = HitQuery{};
    timings.rows = 0;
  }
  timings.query_ms = clock_.NowMs() - start;
  if (timings.rows == 0) {
    ListRows(pane);  // clears the list
    return timings;
  }
  const uint32_t load_start = clock_.NowMs();
  ListRows(pane);
  timings.load_ms = clock_.NowMs() - load_start;
  return timings;
}

bool SearchPanes::ReadHits(const HitQuery& query, int scope_row, ResultSet& rows, int* total) {
  rows.clear();
  if (query.sql.empty()) return true;  // no query yet, or the last one failed
  // Only the listed rows are kept, whatever the number of hits.
  const HitVisitor keep = [&](EntryHit&& hit) {
    if (InScope(hit, scope_row)) rows.push_back(std::move(hit));
    return rows.size() < static_cast<size_t>(kResultListLimit);
  };
  const auto failed = [&] {
    rows.clear();
    return false;
  };
  if (query.ranges.empty()) {
    const std::optional<long long> stepped =
        ReadEntryHits(db_, query.sql, keep, total != nullptr ? CountRest::Yes : CountRest::No);
    if (!stepped) return failed();
    if (total != nullptr) *total = static_cast<int>(*stepped);
    return true;
  }
  if (!ReadEntryHitsInNameRanges(db_, query.ranges, keep)) return failed();
  if (total == nullptr) return true;
  const std::optional<long long> counted = CountEntriesInNameRanges(db_, query.ranges);
  if (!counted) return failed();
  *total = static_cast<int>(*counted);
  return true;
}

bool SearchPanes::InScope(const ResultRow& row, int scope_row) const {
  if (scope_row <= 0) return true;  // "显示全部分类", or no row selected
  if (static_cast<size_t>(scope_row) >= scope_id_lists_.size()) return false;
  const std::string& ids = scope_id_lists_[static_cast<size_t>(scope_row)];
  return ids.find(row.category) != std::string::npos ||
         ids.find(row.category2) != std::string::npos ||
         ids.find(row.category3) != std::string::npos;
}

void SearchPanes::FillResultList(ResultPane pane) {
  ResultSet& rows = pane == ResultPane::Search ? search_rows_ : index_rows_;
  const HitQuery& last = pane == ResultPane::Search ? search_query_ : index_query_;
  if (!ReadHits(last, Controls(pane).scope.SelectedRow(), rows, nullptr)) rows.clear();
  ListRows(pane);
}

void SearchPanes::ListRows(ResultPane pane) {
  PaneControls& controls = Controls(pane);
  controls.list.SetEnabled(false);
  controls.list.DeleteAll();
  controls.list.Freeze();
  for (const ResultRow& row : Rows(pane)) controls.list.Append(row.name, row.id, EntryImage(row.icon));
  controls.list.Thaw();
  controls.list.SetEnabled(true);
}

void SearchPanes::OnIndexTextChanged() {
  index_timer_.Stop();
  index_timer_.Start(kIndexTypingDelayMs);
}

void SearchPanes::OnScopeChanged(ResultPane pane) { FillResultList(pane); }

void SearchPanes::OnHitSelected(ResultPane pane) {
  PaneControls& controls = Controls(pane);
  if (!controls.list.IsEnabled()) return;
  if (pane == ResultPane::Index && lookup_busy_) return;
  int id = 0;
  if (controls.list.SelectedId(id)) OpenHit(id);
}

void SearchPanes::OpenHit(int id) { opener_.ShowEntryPage(id, "", Record::Yes, SyncTree::Yes, ""); }

void SearchPanes::RefillScopePickers(const std::vector<std::string>& gb_rows,
                                     const std::vector<std::string>& scope_id_lists) {
  scope_id_lists_ = scope_id_lists;
  for (PaneControls* controls : {&search_, &index_}) {
    controls->scope.SetRows(gb_rows);
    controls->scope.SelectRow(0);
  }
}

void SearchPanes::HandOverKeyword(const std::string& gb_text, SideTabs& tabs) {
  if (gb_text.empty()) return;
  tabs.SelectTab(SideTab::Index);
  index_.input.SetText(gb_text);
}

}  // namespace mivrel
