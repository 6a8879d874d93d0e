// The name index's prefix match as ranges of the byte-ordered name index.
//
// "[名字] LIKE 'Se%'" matches the names that begin with "Se" up to the case of
// ASCII letters.  In byte order those names form one contiguous range per
// spelling of the prefix ("SE", "Se", "sE", "se"), and the spellings sort in
// byte order too, so reading the ranges one after another gives the hits in
// name order: the first hits are read without touching the others, and each
// range can be counted without reading its rows.
//
// Pure functions of the text; any thread.
#pragma once

#include <string>
#include <vector>

namespace mivrel {

// One spelling of the prefix: the names n with low <= n < high in byte order
// (high empty: no upper bound).  UTF-8, as the database stores names.
struct NameRange {
  std::string low;
  std::string high;
};

// Above this many spellings (2 to the number of ASCII letters in the prefix)
// the prefix is long enough for the plain LIKE query to be quick.
constexpr size_t kMostNameRanges = 64;

// The ranges of `gb_prefix` (GB18030, non-empty) in ascending order, or an
// empty list when the prefix cannot be split so: it holds a LIKE wildcard
// ("%" or "_"), or has more than kMostNameRanges spellings.
std::vector<NameRange> NamePrefixRanges(const std::string& gb_prefix);

}  // namespace mivrel
