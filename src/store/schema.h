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

// True when the database holds the tables `class`, `fun` and `img`.
bool HasLibraryTables(Database& db);

// Creates, when missing, the indexes that turn the program's queries by
// category, parent, name prefix and page name into look-ups.  Never touches a
// table or a row; does nothing on a read-only file.  Query results are the same
// with and without them.
void EnsureSpeedIndexes(Database& db);

}  // namespace mivrel
