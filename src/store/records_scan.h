// Reading a whole category's rows without holding them all: what an export
// needs to walk a library of any size.  Rows come in the order the tables give
// them (no ORDER BY), which is the order the marked-text format writes.
// Same thread rules as Database.
#pragma once

#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/records.h"

namespace mivrel {

class Database;

// The categories whose parent is `parent`, as `Select *` gives them.
std::vector<CategoryRecord> ReadSubcategoryRecords(Database& db, long long parent);

// Calls `visit` for each entry whose main category (类别) is `category`, one
// row at a time, until `visit` returns false.  False when it was stopped so.
bool ForEachEntryIn(Database& db, long long category,
                    const std::function<bool(const EntryRecord&)>& visit);

// The ids of the entries that have at least one image.
std::unordered_set<long long> ReadImageOwners(Database& db);

// For each main category value: the number of entries filed there.
std::unordered_map<long long, long long> CountEntriesByCategory(Database& db);

}  // namespace mivrel
