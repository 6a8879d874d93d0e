#include "shell/name_prefix_ranges.h"

#include <algorithm>

#include "base/text.h"

namespace mivrel {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The smallest text above every text that begins with `prefix`: the prefix
// with its last byte raised by one (bytes 0xFF carried away); empty when
// every byte is 0xFF, which no UTF-8 text holds.
std::string AfterPrefix(std::string prefix) {
  while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) prefix.pop_back();
  if (!prefix.empty()) prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
  return prefix;
}

}  // namespace

std::vector<NameRange> NamePrefixRanges(const std::string& gb_prefix) {
  const std::string utf8 = GbToUtf8(gb_prefix);
  std::vector<size_t> letters;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '%' || utf8[i] == '_') return {};
    if (IsAsciiLetter(utf8[i])) letters.push_back(i);
  }
  if (letters.size() >= 64 || (size_t{1} << letters.size()) > kMostNameRanges) return {};

  std::vector<NameRange> ranges;
  const size_t spellings = size_t{1} << letters.size();
  ranges.reserve(spellings);
  for (size_t bits = 0; bits < spellings; ++bits) {
    std::string spelling = utf8;
    for (size_t k = 0; k < letters.size(); ++k) {
      char& c = spelling[letters[k]];
      c = (bits >> k) & 1 ? static_cast<char>(c | 0x20) : static_cast<char>(c & ~0x20);
    }
    ranges.push_back(NameRange{spelling, AfterPrefix(spelling)});
  }
  // Spellings differ only in letter case; byte order puts upper case first.
  std::sort(ranges.begin(), ranges.end(),
            [](const NameRange& a, const NameRange& b) { return a.low < b.low; });
  return ranges;
}

}  // namespace mivrel
