#include "render/keyword_sets.h"

#include <algorithm>

#include "base/text.h"
#include "store/database.h"
#include "store/result_grid.h"

namespace mivrel {
namespace {

constexpr KeywordKind kLoadOrder[] = {KeywordKind::Api, KeywordKind::Type, KeywordKind::Constant,
                                      KeywordKind::Statement};

unsigned char UpperByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - ('a' - 'A')) : b;
}

// Negative, zero or positive as the set's `name` sorts before, equal to or after
// the upper-cased `word`: unsigned bytes first, then length (a prefix first).
// Upper-casing on the fly keeps the look-up free of copies.
int CompareNameWithWord(std::string_view name, std::string_view word) {
  const size_t common = std::min(name.size(), word.size());
  for (size_t i = 0; i < common; ++i) {
    const auto n = static_cast<unsigned char>(name[i]);
    const unsigned char w = UpperByte(word[i]);
    if (n != w) return n < w ? -1 : 1;
  }
  if (name.size() == word.size()) return 0;
  return name.size() < word.size() ? -1 : 1;
}

std::string KeywordQuery(KeywordKind kind) {
  return "Select [名字] From [fun] where [关键词]=" + std::to_string(static_cast<int>(kind)) + " ";
}

}  // namespace

const std::vector<std::string>& KeywordSets::Set(KeywordKind kind) const {
  return sets_[static_cast<int>(kind) - 1];
}

std::vector<std::string>& KeywordSets::MutableSet(KeywordKind kind) {
  return sets_[static_cast<int>(kind) - 1];
}

void KeywordSets::Load(Database& db) {
  ResultGrid grid;
  for (KeywordKind kind : kLoadOrder) {
    const int rows = db.Query(KeywordQuery(kind), grid);
    if (rows <= 0) continue;
    std::vector<std::string>& set = MutableSet(kind);
    set.clear();
    set.reserve(static_cast<size_t>(rows));
    for (int row = 1; row <= rows; ++row) set.push_back(UpperAscii(grid.At(row, 0)));
  }
  SortAll();
}

void KeywordSets::SortAll() {
  // std::string orders by unsigned byte value, a prefix before its extensions,
  // which is the order FindKeyword bisects.
  for (std::vector<std::string>& set : sets_) std::sort(set.begin(), set.end());
}

bool FindKeyword(const std::vector<std::string>& set, std::string_view word) {
  if (set.empty()) return false;
  int order = CompareNameWithWord(set.front(), word);
  if (order >= 0) return order == 0;
  order = CompareNameWithWord(set.back(), word);
  if (order <= 0) return order == 0;
  // Invariant: set[low] < word < set[high].
  size_t low = 0;
  size_t high = set.size() - 1;
  while (high - low > 1) {
    const size_t middle = low + (high - low) / 2;
    order = CompareNameWithWord(set[middle], word);
    if (order == 0) return true;
    if (order < 0) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return false;
}

}  // namespace mivrel
