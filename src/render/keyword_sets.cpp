#include "render/keyword_sets.h"

#include <algorithm>
#include <cstring>

#include "base/text.h"
#include "store/records.h"

namespace mivrel {
namespace {

constexpr KeywordKind kLoadOrder[] = {KeywordKind::Api, KeywordKind::Type, KeywordKind::Constant,
                                      KeywordKind::Statement};

int SetIndex(KeywordKind kind) { return static_cast<int>(kind) - 1; }

// Negative, zero or positive as `name` sorts before, equal to or after `word`:
// unsigned bytes first, then length (a prefix first).
int CompareBytes(std::string_view name, std::string_view word) {
  const size_t common = std::min(name.size(), word.size());
  if (common != 0) {
    const int order = std::memcmp(name.data(), word.data(), common);
    if (order != 0) return order;
  }
  if (name.size() == word.size()) return 0;
  return name.size() < word.size() ? -1 : 1;
}

// Compares with the first and the last name, then halves the open interval
// between a lower and an upper index until they are adjacent.
bool FindUpperKeyword(const std::vector<std::string>& set, std::string_view upper_word) {
  if (set.empty()) return false;
  int order = CompareBytes(set.front(), upper_word);
  if (order >= 0) return order == 0;
  order = CompareBytes(set.back(), upper_word);
  if (order <= 0) return order == 0;
  // Invariant: set[low] < word < set[high].
  size_t low = 0;
  size_t high = set.size() - 1;
  while (high - low > 1) {
    const size_t middle = low + (high - low) / 2;
    order = CompareBytes(set[middle], upper_word);
    if (order == 0) return true;
    if (order < 0) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return false;
}

}  // namespace

const std::vector<std::string>& KeywordSets::Set(KeywordKind kind) const {
  return sets_[SetIndex(kind)];
}

std::vector<std::string>& KeywordSets::MutableSet(KeywordKind kind) {
  index_current_ = false;
  return sets_[SetIndex(kind)];
}

void KeywordSets::Load(Database& db) {
  // One read for the four kinds; a failed read leaves the sets as they were.
  std::optional<std::array<std::vector<std::string>, 4>> read = ReadKeywordNamesByKind(db);
  if (!read) return;
  for (KeywordKind kind : kLoadOrder) {
    std::vector<std::string>& names = (*read)[static_cast<size_t>(SetIndex(kind))];
    if (names.empty()) continue;  // a kind without rows keeps its set
    for (std::string& name : names) name = UpperAscii(name);
    MutableSet(kind).swap(names);
  }
  SortAll();
}

void KeywordSets::SortAll() {
  // std::string orders by unsigned byte value, a prefix before its extensions,
  // which is the order FindKeyword bisects.
  for (std::vector<std::string>& set : sets_) std::sort(set.begin(), set.end());
  index_.Build(sets_);
  index_current_ = true;
}

KeywordKind KeywordSets::FindFirstBySearch(std::string_view word,
                                           std::initializer_list<KeywordKind> order) const {
  const std::string upper_word = UpperAscii(word);
  for (KeywordKind kind : order) {
    if (FindUpperKeyword(sets_[SetIndex(kind)], upper_word)) return kind;
  }
  return KeywordKind::None;
}

bool FindKeyword(const std::vector<std::string>& set, std::string_view word) {
  return FindUpperKeyword(set, UpperAscii(word));
}

}  // namespace mivrel
