// Inside the store: turning statement rows into records and records into bound
// parameters, shared by the records readers and writers.  Not for use outside
// store/.  Same thread rules as Database.
#pragma once

#include <optional>

#include "store/database.h"
#include "store/records.h"

namespace mivrel::records_detail {

// Steps `row` (a `Select *` on fun) once; the entry, or nothing at the end.
std::optional<EntryRecord> ReadEntryRow(Statement& row);
// The current row of a `Select *` on class.
CategoryRecord CategoryFromRow(const Statement& row);
// Binds the columns after the id of an entry, from parameter `first` on, in
// schema order; the code of the first bind that failed, else kSqliteOk.
int BindEntryColumns(Statement& st, int first, const EntryRecord& e);
// An id > 0 is bound as given; otherwise NULL lets SQLite choose a new one.
int BindId(Statement& st, int index, long long id);
// Steps a bound write; kSqliteDone on success.
int StepWrite(Statement& st, int bind_result);

}  // namespace mivrel::records_detail
