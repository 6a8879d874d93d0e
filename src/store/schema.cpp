#include "store/schema.h"

#include "store/database.h"

namespace mivrel {

extern const char kLibrarySchemaSql[];

namespace {

// Each index serves one of the program's frequent queries: entries by main and
// secondary category, child categories (and their counts) by parent in sibling
// order, names by prefix (NOCASE, so LIKE 'x%' can use it), names in byte
// order (the name index reads its first hits and counts the rest there), the
// keyword sets (one read of kinds and names), and page names.
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
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_name_order] ON [fun]([名字],[图标],[类别],[类别2],"
    "[类别3])",
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_keyword] ON [fun]([关键词],[名字])",
    "CREATE INDEX IF NOT EXISTS [mivrel_fun_page_name] ON [fun]([网页名])",
};

}  // namespace

const char* LibrarySchemaSql() { return kLibrarySchemaSql; }

int CreateLibrarySchema(Database& db) { return db.Run(kLibrarySchemaSql); }

bool HasLibraryTables(Database& db) {
  ResultGrid grid;
  const int n = db.Query(
      "Select count(*) From sqlite_master where type='table' and lower(name) in "
      "('class','fun','img')",
      grid);
  return n == 1 && grid.Number(1, 0) == 3;
}

void EnsureSpeedIndexes(Database& db) {
  if (!db.IsOpen() || db.IsReadOnly()) return;
  for (const char* sql : kSpeedIndexes) {
    // A library that cannot take an index (locked, full disk) still works without it.
    if (db.Run(sql) != kSqliteOk) return;
  }
}

}  // namespace mivrel
