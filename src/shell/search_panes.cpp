#include "shell/search_panes.h"

#include "base/clock.h"
#include "base/scoped_flag.h"
#include "base/text.h"
#include "ports/ui.h"
#include "ports/item_images.h"
#include "ports/trace.h"
#include "ports/page_opener.h"
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
    timings = QueryAndFill(ResultPane::Search, SearchQuery(text));
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
    timings = QueryAndFill(ResultPane::Index, IndexQuery(text));
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

SearchPanes::Timings SearchPanes::QueryAndFill(ResultPane pane, const std::string& sql) {
  ResultSet& rows = pane == ResultPane::Search ? search_rows_ : index_rows_;
  Timings timings;
  const uint32_t start = clock_.NowMs();
  timings.rows = ReadEntryHits(db_, sql, rows);
  timings.query_ms = clock_.NowMs() - start;
  if (timings.rows == 0) {
    FillResultList(pane);  // clears the list
    return timings;
  }
  const uint32_t load_start = clock_.NowMs();
  FillResultList(pane);
  timings.load_ms = clock_.NowMs() - load_start;
  return timings;
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
  PaneControls& controls = Controls(pane);
  const ResultSet& rows = Rows(pane);
  controls.list.SetEnabled(false);
  controls.list.DeleteAll();
  const int scope_row = controls.scope.SelectedRow();
  controls.list.Freeze();
  int listed = 0;
  for (const ResultRow& row : rows) {
    if (listed >= kResultListLimit) break;
    if (!InScope(row, scope_row)) continue;
    controls.list.Append(row.name, row.id, EntryImage(row.icon));
    ++listed;
  }
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
