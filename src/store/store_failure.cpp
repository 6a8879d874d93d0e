#include "store/store_failure.h"

#include "store/database.h"

namespace mivrel {

StoreFailure FailedStatement(const Database& db) { return {kStatementFailedLine, db.LastError()}; }

}  // namespace mivrel
