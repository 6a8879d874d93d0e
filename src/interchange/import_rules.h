// The rules every import applies to the rows it writes: the ranges of an
// entry's numbers, a new entry's secondary categories, and the categories an
// import creates.  Pure functions except AddImportedCategory, which writes.
#pragma once

#include <string>

#include "store/records.h"

namespace mivrel {

class Database;
class RecordWriter;

// Icon to 0..15, priority to 0..255, keyword kind to 0..4; the secondary
// categories unused (-1).
EntryRecord ImportedEntry(EntryRecord entry);

// Icon and priority of a category an import creates before the file names them.
constexpr long long kNewCategoryIcon = 10;
constexpr long long kNewCategoryPriority = 100;

// "新类" + local date and time as two-digit fields + random digits: the name a
// category holds until the file names it (and keeps when the file never does).
std::string PlaceholderCategoryName();

// Creates a category under `parent` (icon 10, priority 100); its id, or 0 when
// the insert failed (Database::LastError tells why).
long long AddImportedCategory(Database& db, RecordWriter& writer, long long parent,
                              const std::string& gb_name);

}  // namespace mivrel
