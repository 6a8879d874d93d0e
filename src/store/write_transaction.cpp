#include "store/write_transaction.h"

#include "store/database.h"

namespace mivrel {

WriteTransaction::WriteTransaction(Database& db) : m_db(db) {
  m_began = m_db.Run("BEGIN TRANSACTION") == kSqliteOk;
  m_open = m_began;
}

WriteTransaction::~WriteTransaction() {
  // The caller has read the failing statement's error text by now; the
  // rollback may replace it.
  if (m_open) m_db.Run("ROLLBACK");
}

int WriteTransaction::Commit() {
  if (!m_open) return kSqliteError;
  const int rc = m_db.Run("END TRANSACTION");
  if (rc == kSqliteOk) m_open = false;
  return rc;
}

}  // namespace mivrel
