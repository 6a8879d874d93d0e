// The four keyword sets that drive code colouring: the upper-cased names of
// all entries of keyword kinds 1..4, sorted by byte value.  Filled once at
// start-up; not reloaded during the run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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
  std::vector<std::string>& MutableSet(KeywordKind kind);
  // Sorts every set by byte value (for callers that fill sets by hand).
  void SortAll();

 private:
  std::vector<std::string> sets_[4];
};

// FindKeyword: true when the upper-cased word is in the (sorted, upper-cased) set.
bool FindKeyword(const std::vector<std::string>& set, std::string_view word);

}  // namespace mivrel
