// Inside the store: turning statement rows into records and records into bound
// parameters, shared by the records readers and writers.  Not for use outside
// store/.  Same thread rules as Database.
#pragma once

#include <optional>
#include <string>

#include "base/text.h"
#include "store/database.h"
#include "store/records.h"

namespace mivrel::records_detail {

// Binds parameters one after another and keeps the code of the first bind
// that failed (kSqliteOk while all succeed).
class Binder {
 public:
  explicit Binder(Statement& st) : st_(st) {}
  Binder& Int(int index, long long value) { return Keep(st_.BindInt(index, value)); }
  Binder& Text(int index, const std::string& gb_text) { return Keep(st_.BindText(index, GbToUtf8(gb_text))); }
  Binder& Bytes(int index, const std::string& bytes) { return Keep(st_.BindText(index, bytes)); }
  Binder& Blob(int index, const std::string& bytes) { return Keep(st_.BindBlob(index, bytes)); }
  // An id > 0 is bound as given; otherwise NULL lets SQLite choose a new one.
  Binder& Id(int index, long long id) { return Keep(id > 0 ? st_.BindInt(index, id) : st_.BindNull(index)); }
  int Result() const { return rc_; }

 private:
  Binder& Keep(int rc) {
    if (rc_ == kSqliteOk) rc_ = rc;
    return *this;
  }
  Statement& st_;
  int rc_ = kSqliteOk;
};


// Steps `row` (a `Select *` on fun) once; the entry, or nothing at the end.
std::optional<EntryRecord> ReadEntryRow(Statement& row);
// The current row of a `Select *` on class.
CategoryRecord CategoryFromRow(const Statement& row);
// Binds the columns after the id of an entry, from parameter `first` on, in
// schema order.
void BindEntryColumns(Binder& bind, int first, const EntryRecord& e);
// Steps a bound write; kSqliteDone on success.
int StepWrite(Statement& st, int bind_result);

}  // namespace mivrel::records_detail
