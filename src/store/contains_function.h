// The full-text search's text match as a function of the connection, for the
// common case of a search text without LIKE wildcards:
//   mivrel_contains(value, text)
// is 1 when `value` holds `text` with ASCII letters compared regardless of
// case, exactly where "value LIKE '%text%'" holds (SQLite's LIKE folds ASCII
// only), and 0 otherwise, also for NULL.  It finds the text with a vector scan
// for its first byte instead of LIKE's character-by-character walk.
#pragma once

#include <string_view>

namespace mivrel {

class Database;

constexpr const char* kContainsFunction = "mivrel_contains";

// True when "LIKE '%" + text + "%'" can be answered by mivrel_contains: the
// UTF-8 text is not empty, holds no "%" or "_", and is short enough for LIKE
// itself to accept it.
bool ContainsAnswersLike(std::string_view utf8_text);

// Registers the function on an open connection; the SQLite result code.
[[nodiscard]] int RegisterContainsFunction(Database& db);

// The match itself (exposed for tests): `text` holds `needle`, ASCII letters
// compared regardless of case.
bool ContainsFoldingAscii(std::string_view text, std::string_view needle);

}  // namespace mivrel
