// The four keyword sets that drive code colouring: the upper-cased names of
// all entries of keyword kinds 1..4, sorted by byte value.  Filled once at
// start-up; not reloaded during the run.  User-interface thread only; const
// members may be called from any thread while nobody changes the sets.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "render/keyword_index.h"

namespace mivrel {

class Database;

// Keyword kinds as stored in `fun`.`关键词`.
enum class KeywordKind : int { None = 0, Api = 1, Type = 2, Constant = 3, Statement = 4 };

class KeywordSets {
 public:
  // LoadKeywordSets: one query per kind; a failing or empty query leaves that
  // set as it was.  Sorts every set afterwards.
  void Load(Database& db);
  // REQUIRES: kind is Api, Type, Constant or Statement.
  const std::vector<std::string>& Set(KeywordKind kind) const;
  // Callers that fill a set by hand call SortAll afterwards.
  std::vector<std::string>& MutableSet(KeywordKind kind);
  // Sorts every set by byte value and rebuilds the look-up index.
  void SortAll();

  // The first kind of `order` whose set holds the word, or KeywordKind::None:
  // FindKeyword in each set in turn, answered through the sets' look-up index.
  // While a set taken through MutableSet has not been sorted again, the sets
  // are searched one by one instead.
  KeywordKind FindFirst(std::string_view word, std::initializer_list<KeywordKind> order) const {
    if (!index_current_) return FindFirstBySearch(word, order);
    const unsigned holding = index_.SetsHolding(word);
    if (holding == 0) return KeywordKind::None;
    for (KeywordKind kind : order) {
      if (holding & (1u << (static_cast<int>(kind) - 1))) return kind;
    }
    return KeywordKind::None;
  }

 private:
  KeywordKind FindFirstBySearch(std::string_view word, std::initializer_list<KeywordKind> order) const;

  KeywordSetArray sets_;
  KeywordIndex index_;
  bool index_current_ = false;  // built by SortAll
};

// FindKeyword: true when the upper-cased word is in the (sorted, upper-cased) set.
bool FindKeyword(const std::vector<std::string>& set, std::string_view word);

}  // namespace mivrel
