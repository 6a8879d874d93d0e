// A consistent copy of the open library database in another file, taken while
// the program keeps the connection: it can never hold half of a transaction.
//
// With SQLite's rollback journal (the library's mode) the file is copied by
// the kernel while a read transaction holds SQLite's shared lock, which no
// writer can pass, so the bytes are a committed state; the copy is flushed to
// the disk before it returns.  A database in WAL mode, or a connection inside
// an open transaction, is copied with SQLite's online backup interface instead.
//
// Thread rules: the thread that may use the connection.
#pragma once

#include <string>

namespace mivrel {

class Database;

// Writes the copy to `gb_target` (replaced when present).  Returns the SQLite
// result code; on failure `error` gets the reason (GB18030) and `gb_target`
// may hold a partial file, which the caller removes.
[[nodiscard]] int CopyOpenDatabase(Database& db, const std::string& gb_target, std::string& error);

}  // namespace mivrel
