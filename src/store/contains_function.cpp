#include "store/contains_function.h"

#include <sqlite3.h>

#include <string>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "store/database.h"

namespace mivrel {
namespace {

// SQLite's default limit on a LIKE pattern's length; longer ones fail there.
constexpr size_t kLongestLikePattern = 50000;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }

// The first byte in [p, end) equal to `a` or `b`, or `end`.
const char* FindEither(const char* p, const char* end, char a, char b) {
#ifdef __SSE2__
  const __m128i va = _mm_set1_epi8(a);
  const __m128i vb = _mm_set1_epi8(b);
  while (end - p >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int mask =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, va), _mm_cmpeq_epi8(bytes, vb)));
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  for (; p < end; ++p) {
    if (*p == a || *p == b) return p;
  }
  return end;
}

void ContainsSql(sqlite3_context* context, int, sqlite3_value** values) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(values[0]));
  const auto* needle = reinterpret_cast<const char*>(sqlite3_value_text(values[1]));
  if (text == nullptr || needle == nullptr) {
    sqlite3_result_int(context, 0);
    return;
  }
  const std::string_view haystack(text, static_cast<size_t>(sqlite3_value_bytes(values[0])));
  const std::string_view wanted(needle, static_cast<size_t>(sqlite3_value_bytes(values[1])));
  sqlite3_result_int(context, ContainsFoldingAscii(haystack, wanted) ? 1 : 0);
}

}  // namespace

bool ContainsAnswersLike(std::string_view utf8_text) {
  return !utf8_text.empty() && utf8_text.size() + 2 <= kLongestLikePattern &&
         utf8_text.find_first_of("%_") == std::string_view::npos;
}

bool ContainsFoldingAscii(std::string_view text, std::string_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > text.size()) return false;
  const char lower = LowerAscii(needle[0]);
  const char upper = UpperAscii(needle[0]);
  const char* const last_start = text.data() + (text.size() - needle.size());
  for (const char* p = text.data();; ++p) {
    p = FindEither(p, last_start + 1, lower, upper);
    if (p > last_start) return false;
    size_t i = 1;
    while (i < needle.size() && LowerAscii(p[i]) == LowerAscii(needle[i])) ++i;
    if (i == needle.size()) return true;
  }
}

int RegisterContainsFunction(Database& db) {
  return sqlite3_create_function_v2(db.Handle(), kContainsFunction, 2,
                                    SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                    &ContainsSql, nullptr, nullptr, nullptr);
}

}  // namespace mivrel
