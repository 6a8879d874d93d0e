#include "store/schema.h"

#include <iterator>
#include <string>
#include <vector>

#include "base/text.h"
#include "store/database.h"

namespace mivrel {

extern const char kLibrarySchemaSql[];

namespace {

// Each index serves one of the program's frequent queries: entries by main and
// secondary category, child categories (and their counts) by parent in sibling
// order, names by prefix (NOCASE, so LIKE 'x%' can use it), and page names.
constexpr const char* kSpeedIndexes[] = {
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_category] ON [fun]([类别])",
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_category2] ON [fun]([类别2])",
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_category3] ON [fun]([类别3])",
    "CREATE INDEX IF NOT EXISTS [mivrel_class_parent] ON [class]([父类别],[优先])",
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_name] ON [fun]([名字] COLLATE NOCASE)",
    // The name index's hit columns, so that a prefix lookup never reads the
    // (large) rows themselves.
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_name_hits] ON [fun]([名字] COLLATE NOCASE,[图标],"
    "[类别],[类别2],[类别3])",
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_page_name] ON [fun]([网页名])",
};

}  // namespace

const char* LibrarySchemaSql() { return kLibrarySchemaSql; }

int CreateLibrarySchema(Database& db) { return db.Run(kLibrarySchemaSql); }

namespace {

constexpr const char* kContractTables[] = {"class", "fun", "img"};
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;

bool IsBusy(int rc) { return rc == kSqliteBusy || rc == kSqliteLocked; }

// The column names of one table, in order, ASCII-lower-cased (UTF-8 bytes of
// other characters are all above 0x7F and so never change).  Empty when the
// table is absent; false when the schema could not be read.
bool ReadColumns(Database& db, const char* table, std::vector<std::string>& columns, int& rc) {
  columns.clear();
  Statement st(db, std::string("PRAGMA main.table_info([") + table + "])");
  rc = st.PrepareResult();
  if (!st.Ok()) return false;
  while ((rc = st.Step()) == kSqliteRow) columns.push_back(LowerAscii(st.ColumnBytes(1)));
  return rc == kSqliteDone;
}

// The contract's columns, read once from the schema text itself.
const std::vector<std::vector<std::string>>& ContractColumns() {
  static const std::vector<std::vector<std::string>> contract = [] {
    std::vector<std::vector<std::string>> tables;
    Database memory;
    if (memory.Open(":memory:", OpenMode::ReadWriteCreate) != kSqliteOk ||
        CreateLibrarySchema(memory) != kSqliteOk)
      return tables;
    for (const char* table : kContractTables) {
      std::vector<std::string> columns;
      int rc = kSqliteOk;
      if (ReadColumns(memory, table, columns, rc)) tables.push_back(std::move(columns));
    }
    return tables;
  }();
  return contract;
}

}  // namespace

SchemaCheck CheckLibrarySchema(Database& db) {
  const std::vector<std::vector<std::string>>& contract = ContractColumns();
  if (contract.size() != std::size(kContractTables)) return SchemaCheck::Differs;
  for (size_t t = 0; t < contract.size(); ++t) {
    std::vector<std::string> columns;
    int rc = kSqliteOk;
    if (!ReadColumns(db, kContractTables[t], columns, rc)) return IsBusy(rc) ? SchemaCheck::Busy : SchemaCheck::Differs;
    if (columns != contract[t]) return SchemaCheck::Differs;
  }
  return SchemaCheck::Matches;
}

void EnsureSpeedIndexes(Database& db) {
  if (!db.IsOpen() || db.IsReadOnly()) return;
  for (const char* sql : kSpeedIndexes) {
    // A library that cannot take an index (locked, full disk) still works without it.
    if (db.Run(sql) != kSqliteOk) return;
  }
}

}  // namespace mivrel
