// The library's table contract: the three tables `class`, `fun` and `img` with
// their column order, and the look-up indexes the program adds for speed.
#pragma once

#include <string>

namespace mivrel {

class Database;

// The schema text (resources/schema.sql): three CREATE TABLE statements.
const char* LibrarySchemaSql();

// Creates the three tables in an empty database (used only when a new library
// is made; the program never creates tables in an existing library).
// Returns the SQLite result code.
int CreateLibrarySchema(Database& db);

enum class SchemaCheck { Matches, Differs, Busy };

// Whether the database holds the tables `class`, `fun` and `img` with exactly
// the contract's columns in the contract's order (names compared as SQLite
// does, ASCII case ignored).  Busy when another connection holds a lock that
// keeps the schema from being read within the busy timeout.  Reads only.
SchemaCheck CheckLibrarySchema(Database& db);

// Creates, when missing, the indexes that turn the program's queries by
// category, parent, name prefix and page name into look-ups.  Never touches a
// table or a row; does nothing on a read-only file.  Query results are the same
// with and without them.
void EnsureSpeedIndexes(Database& db);

}  // namespace mivrel
