// The full-text search's scan of the whole entry table split into id slices,
// each scanned by its own connection on its own thread: on a library of
// 200,000 entries one scan keeps one core busy for about 100 ms, and the
// slices share that time among the cores there are.
//
// The hits are the rows ContainsSearchQuery (store/records.h) selects, as ids
// in ascending order; ReadEntryHitsOfIds then reads them in that query's
// order.  Called on the thread that owns `db`, which waits for the slices;
// nothing is written to the library.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mivrel {

class Database;

// How many slices a search of `db` is worth: 1 (scan on the caller's
// connection) for a small library or a single core, else up to four.
int SearchSliceCount(Database& db);

// The ids of the entries whose name, brief or content holds the GB18030
// `gb_text` (a text ContainsAnswersLike accepts), ascending, found by
// `slices` connections at once.  Nothing when a connection cannot be opened
// or a statement fails: the caller then runs the one-connection query.
std::optional<std::vector<int>> FindEntriesContaining(Database& db, const std::string& gb_text,
                                                      int slices);

}  // namespace mivrel
