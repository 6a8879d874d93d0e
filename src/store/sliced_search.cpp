#include "store/sliced_search.h"

#include <sqlite3.h>

#include <algorithm>
#include <thread>

#include "base/text.h"
#include "store/database.h"

namespace mivrel {
namespace {

// Below this many ids a single scan is quicker than opening connections.
constexpr long long kSmallestSlicedLibrary = 20000;
constexpr int kMostSlices = 4;

constexpr const char* kSliceSql =
    "Select id From [fun] NOT INDEXED where id>=?1 and id<?2 and (mivrel_contains([名字],?3) or "
    "mivrel_contains([简介],?3) or mivrel_contains([注解],?3)) ORDER BY id";

struct IdSpan {
  long long first = 0;
  long long last = -1;
};

IdSpan EntryIdSpan(Database& db) {
  Statement st(db, "Select min(id),max(id) From [fun]");
  IdSpan span;
  if (st.Ok() && st.Step() == kSqliteRow && !st.ColumnIsNull(0)) {
    span.first = st.ColumnInt(0);
    span.last = st.ColumnInt(1);
  }
  return span;
}

struct Slice {
  long long from = 0;  // first id
  long long to = 0;    // one past the last id
  std::vector<int> ids;
  bool ok = false;
};

void ScanSlice(const std::string& gb_path, const std::string& utf8_text, Slice& slice) {
  Database connection;
  if (connection.Open(gb_path) != kSqliteOk) return;
  Statement st(connection, kSliceSql);
  if (!st.Ok()) return;
  st.BindInt(1, slice.from);
  st.BindInt(2, slice.to);
  st.BindText(3, utf8_text);
  int rc;
  while ((rc = st.Step()) == kSqliteRow) slice.ids.push_back(static_cast<int>(st.ColumnInt(0)));
  slice.ok = rc == kSqliteDone;
}

}  // namespace

int SearchSliceCount(Database& db) {
  const unsigned cores = std::thread::hardware_concurrency();
  if (cores < 2) return 1;
  const IdSpan span = EntryIdSpan(db);
  if (span.last - span.first < kSmallestSlicedLibrary) return 1;
  return std::min(static_cast<int>(cores), kMostSlices);
}

std::optional<std::vector<int>> FindEntriesContaining(Database& db, const std::string& gb_text,
                                                      int slices) {
  const char* utf8_path = sqlite3_db_filename(db.Handle(), "main");
  if (utf8_path == nullptr || *utf8_path == '\0' || slices < 1) return std::nullopt;
  const std::string gb_path = Utf8ToGb(utf8_path);
  const std::string utf8_text = GbToUtf8(gb_text);
  const IdSpan span = EntryIdSpan(db);
  std::vector<Slice> parts(static_cast<size_t>(slices));
  const long long width = (span.last - span.first) / slices + 1;
  for (int k = 0; k < slices; ++k) {
    parts[k].from = span.first + k * width;
    parts[k].to = k + 1 == slices ? span.last + 1 : span.first + (k + 1) * width;
  }
  std::vector<std::thread> workers;
  for (Slice& part : parts) workers.emplace_back(ScanSlice, gb_path, utf8_text, std::ref(part));
  for (std::thread& worker : workers) worker.join();
  std::vector<int> ids;
  for (Slice& part : parts) {
    if (!part.ok) return std::nullopt;
    ids.insert(ids.end(), part.ids.begin(), part.ids.end());
  }
  return ids;
}

}  // namespace mivrel
