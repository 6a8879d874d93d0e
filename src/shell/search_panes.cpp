#include "shell/search_panes.h"

#include "base/clock.h"
#include "base/text.h"
#include "base/ui.h"
#include "render/page_hooks.h"
#include "shell/name_prefix_ranges.h"
#include "shell/page_opener.h"
#include "store/contains_function.h"
#include "store/database.h"

namespace mivrel {

namespace {

// Columns of both queries, in this order.
enum Column { kId = 0, kName, kIcon, kCategory, kCategory2, kCategory3 };

// The entry images of the shared image list follow the 16 category images.
constexpr int kEntryImageBase = 16;

std::string Bracketed(const std::string& value) { return "[" + value + "]"; }

ResultRow ReadRow(const Statement& st) {
  ResultRow row;
  row.id = static_cast<int>(st.ColumnInt(kId));
  row.name = st.ColumnGb(kName);
  row.icon = static_cast<int>(st.ColumnInt(kIcon));
  row.category = Bracketed(st.ColumnBytes(kCategory));
  row.category2 = Bracketed(st.ColumnBytes(kCategory2));
  row.category3 = Bracketed(st.ColumnBytes(kCategory3));
  return row;
}

// The prefix lookup through one range of the byte-ordered name index, in the
// order of IndexQuery; and the range's size, counted in the index alone.
constexpr const char* kRangeRowsSql =
    "Select id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where [名字]>=?1 and [名字]<?2"
    " ORDER BY [名字],[图标],[类别],[类别2],[类别3],[id]";
constexpr const char* kOpenRangeRowsSql =
    "Select id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where [名字]>=?1"
    " ORDER BY [名字],[图标],[类别],[类别2],[类别3],[id]";
constexpr const char* kRangeCountSql = "Select count(*) From [fun] where [名字]>=?1 and [名字]<?2";
constexpr const char* kOpenRangeCountSql = "Select count(*) From [fun] where [名字]>=?1";

void BindRange(Statement& st, const NameRange& range) {
  st.BindText(1, range.low);
  if (!range.high.empty()) st.BindText(2, range.high);
}

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

std::string SearchQuery(const std::string& gb_text) {
  const std::string t = QuoteSql(gb_text);
  // One pass over the table, names equal in row order: walking a name index
  // instead would visit the rows out of place and order equal names otherwise.
  return "Select  id,[名字],[图标],[类别],[类别2],[类别3] From [fun] NOT INDEXED where ([名字] LIKE '%" + t +
         "%' or [简介] LIKE '%" + t + "%' or [注解] LIKE '%" + t + "%')" + " ORDER BY [名字]";
}

std::string ContainsSearchQuery(const std::string& gb_text) {
  const std::string t = QuoteSql(gb_text);
  return "Select  id,[名字],[图标],[类别],[类别2],[类别3] From [fun] NOT INDEXED where (" +
         std::string(kContainsFunction) + "([名字],'" + t + "') or " + kContainsFunction + "([简介],'" +
         t + "') or " + kContainsFunction + "([注解],'" + t + "'))" + " ORDER BY [名字]";
}

std::string IndexQuery(const std::string& gb_text) {
  // With the store's NOCASE index on [名字], SQLite's LIKE optimisation turns
  // this prefix match into an index range (checked by the tests).
  // Names that are equal come in the order of the name index's other columns.
  return "Select id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where [名字] LIKE '" +
         QuoteSql(gb_text) + "%'" + " ORDER BY [名字],[图标],[类别],[类别2],[类别3],[id]";
}

SearchPanes::SearchPanes(Database& db, Ui& ui, Clock& clock, PageOpener& opener,
                         PageHooks& hooks, PaneControls search, PaneControls index,
                         TypingTimer& index_timer)
    : db_(db),
      ui_(ui),
      clock_(clock),
      opener_(opener),
      hooks_(hooks),
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
  lookup_busy_ = true;
  RunIndexLookup();
  lookup_busy_ = false;
}

void SearchPanes::RunIndexLookup() {
  const std::string text = index_.input.Text();
  if (text.empty()) return;  // the list keeps what it shows
  Timings timings;
  {
    index_.list.DeleteAll();
    BusyCursor cursor(ui_);
    index_.list.SetEnabled(false);
    hooks_.Trace(QuoteSql(text));
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
  const auto keep = [&](const Statement& st) {
    if (rows.size() >= static_cast<size_t>(kResultListLimit)) return;
    ResultRow row = ReadRow(st);
    if (InScope(row, scope_row)) rows.push_back(std::move(row));
  };
  const auto full = [&] { return rows.size() >= static_cast<size_t>(kResultListLimit); };
  const auto failed = [&] {
    rows.clear();
    return false;
  };
  if (query.ranges.empty()) {
    Statement st(db_, query.sql);
    if (!st.Ok()) return failed();
    int counted = 0;
    int rc = kSqliteDone;
    while ((total != nullptr || !full()) && (rc = st.Step()) == kSqliteRow) {
      ++counted;
      keep(st);
    }
    if (rc != kSqliteDone && rc != kSqliteRow) return failed();
    if (total != nullptr) *total = counted;
    return true;
  }
  for (const NameRange& range : query.ranges) {
    if (full()) break;
    Statement st(db_, range.high.empty() ? kOpenRangeRowsSql : kRangeRowsSql);
    if (!st.Ok()) return failed();
    BindRange(st, range);
    int rc = kSqliteDone;
    while (!full() && (rc = st.Step()) == kSqliteRow) keep(st);
    if (rc != kSqliteDone && rc != kSqliteRow) return failed();
  }
  if (total == nullptr) return true;
  long long counted = 0;
  for (const NameRange& range : query.ranges) {
    Statement st(db_, range.high.empty() ? kOpenRangeCountSql : kRangeCountSql);
    if (!st.Ok()) return failed();
    BindRange(st, range);
    if (st.Step() != kSqliteRow) return failed();
    counted += st.ColumnInt(0);
  }
  *total = static_cast<int>(counted);
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
  for (const ResultRow& row : Rows(pane))
    controls.list.Append(row.name, row.id, kEntryImageBase + row.icon);
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
