#include "store/records_scan.h"

#include "store/database.h"
#include "store/records_rows.h"

namespace mivrel {

std::vector<CategoryRecord> ReadSubcategoryRecords(Database& db, long long parent) {
  std::vector<CategoryRecord> rows;
  Statement st(db, "Select * From [class] where [父类别]=?");
  st.BindInt(1, parent);
  while (st.Step() == kSqliteRow) rows.push_back(records_detail::CategoryFromRow(st));
  return rows;
}

bool ForEachEntryIn(Database& db, long long category,
                    const std::function<bool(const EntryRecord&)>& visit) {
  Statement rows(db, "Select * From [fun] where [类别]=?");
  rows.BindInt(1, category);
  while (const std::optional<EntryRecord> entry = records_detail::ReadEntryRow(rows))
    if (!visit(*entry)) return false;
  return true;
}

std::unordered_set<long long> ReadImageOwners(Database& db) {
  std::unordered_set<long long> owners;
  Statement st(db, "Select DISTINCT [资料ID] From [img]");
  while (st.Step() == kSqliteRow) owners.insert(st.ColumnInt(0));
  return owners;
}

std::unordered_map<long long, long long> CountEntriesByCategory(Database& db) {
  std::unordered_map<long long, long long> counts;
  Statement st(db, "Select [类别],count(*) From [fun] GROUP BY [类别]");
  while (st.Step() == kSqliteRow) counts[st.ColumnInt(0)] = st.ColumnInt(1);
  return counts;
}

}  // namespace mivrel
