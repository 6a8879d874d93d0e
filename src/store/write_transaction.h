// A write that must happen whole or not at all: "BEGIN TRANSACTION" at
// construction, "END TRANSACTION" on Commit, and "ROLLBACK" when the object
// goes away uncommitted (a failed step, an early return).  Unlike
// TransactionBracket, nothing that succeeded before a failure is kept.
//
// Used on the thread that owns the database at the time (see Database).
#pragma once

#include <string>

namespace mivrel {

class Database;

class WriteTransaction {
 public:
  // Begins at once; Began() tells whether that worked.
  explicit WriteTransaction(Database& db);
  ~WriteTransaction();
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;

  bool Began() const { return m_began; }
  // Ends the transaction, keeping its writes.  Returns the SQLite result code;
  // on failure the writes are rolled back.
  [[nodiscard]] int Commit();

 private:
  Database& m_db;
  bool m_began = false;
  bool m_open = false;
};

}  // namespace mivrel
