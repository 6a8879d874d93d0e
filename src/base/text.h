// Text in memory is GB18030 bytes (a superset of GBK: every GBK character keeps
// its bytes, and characters outside GBK survive).  The database and the file
// system hold UTF-8.  These helpers convert between the two and do the small
// byte-level jobs every subsystem shares.  All functions are pure and may be
// called from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mivrel {

// UTF-8 -> GB18030.  Bytes that are not valid UTF-8 become "?" one by one, so
// the result is always valid GB18030 and nothing after a bad byte is lost.
std::string Utf8ToGb(std::string_view utf8);

// GB18030 -> UTF-8.  Bytes that are not valid GB18030 become U+FFFD, so the
// result is always valid UTF-8 and nothing after a bad byte is lost.
std::string GbToUtf8(std::string_view gb);

// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// ASCII letters only; every other byte (including GB18030 lead/trail bytes) is kept.
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);

// Replaces every occurrence of `from` (non-empty) by `to`, scanning left to right
// without rescanning replaced text.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);
std::string ReplacedAll(std::string_view text, std::string_view from, std::string_view to);

// Doubles every "'" so the text can stand inside an SQL string literal.
std::string QuoteSql(std::string_view text);

// The leading decimal number of `text` (optional blanks, optional sign, digits);
// 0 when the text does not start with one.  Saturates instead of overflowing.
long long LeadingNumber(std::string_view text);

// Decimal text of n with one leading blank when n >= 0 (" 5", "-1").
std::string WithBlank(long long n);

// The longest prefix of a GB18030 text that is at most `max_bytes` long and does
// not end inside a multi-byte character (characters as GbCharLength reads them).
std::string CutAtCharBoundary(std::string_view gb, size_t max_bytes);

bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);

}  // namespace mivrel
