#include "render/keyword_sets.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "store/result_grid.h"
#include "store/schema.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using Names = std::vector<std::string>;

// Records the statements SQLite runs on a connection (their UTF-8 text).
class StatementLog {
 public:
  explicit StatementLog(Database& db) : db_(db) {
    sqlite3_trace_v2(db_.Handle(), SQLITE_TRACE_STMT, &StatementLog::OnTrace, this);
  }
  ~StatementLog() { sqlite3_trace_v2(db_.Handle(), 0, nullptr, nullptr); }
  const Names& Statements() const { return statements_; }

 private:
  static int OnTrace(unsigned type, void* self, void* stmt, void*) {
    if (type == SQLITE_TRACE_STMT) {
      static_cast<StatementLog*>(self)->statements_.push_back(
          sqlite3_sql(static_cast<sqlite3_stmt*>(stmt)));
    }
    return 0;
  }

  Database& db_;
  Names statements_;
};

class KeywordSetsLoadTest : public ::testing::Test {
 protected:
  void AddNamed(const std::string& name, int keyword) { library_.AddEntry(name, 0, "", keyword); }

  testing::TestLibrary library_;
  KeywordSets sets_;
};

TEST_F(KeywordSetsLoadTest, ReadsAllKindsInOneQueryThroughTheKeywordIndex) {
  AddNamed("Sleep", 1);
  EnsureSpeedIndexes(library_.Db());
  StatementLog log(library_.Db());
  sets_.Load(library_.Db());
  ASSERT_EQ(log.Statements().size(), 1u);
  ResultGrid plan;
  ASSERT_GT(library_.Db().Query("EXPLAIN QUERY PLAN " + Utf8ToGb(log.Statements()[0]), plan), 0);
  EXPECT_NE(plan.At(1, plan.Columns() - 1).find("mivrel_fun_keyword"), std::string::npos);
}

// The one read gives what "Select [名字] From [fun] where [关键词]=k" gives per
// kind, with and without the index, also for kinds stored as other values.
TEST_F(KeywordSetsLoadTest, OneReadAgreesWithAScanPerKind) {
  std::mt19937 random(7);
  {
    TransactionBracket bracket(library_.Db());
    for (int i = 0; i < 400; ++i)
      AddNamed("N" + std::to_string(random() % 150) + (i % 3 ? "a" : "取"), static_cast<int>(random() % 6));
  }
  ASSERT_EQ(library_.Db().Run("UPDATE [fun] SET [关键词]=2.0 WHERE id % 7 = 0"), kSqliteOk);
  ASSERT_EQ(library_.Db().Run("UPDATE [fun] SET [关键词]=3.5 WHERE id % 11 = 0"), kSqliteOk);
  ASSERT_EQ(library_.Db().Run("UPDATE [fun] SET [关键词]=NULL WHERE id % 13 = 0"), kSqliteOk);
  ASSERT_EQ(library_.Db().Run("DROP INDEX IF EXISTS [mivrel_fun_keyword]"), kSqliteOk);
  for (bool indexed : {false, true}) {
    if (indexed) EnsureSpeedIndexes(library_.Db());
    KeywordSets sets;
    sets.Load(library_.Db());
    for (int kind = 1; kind <= 4; ++kind) {
      ResultGrid grid;
      const int rows = library_.Db().Query(
          "Select [名字] From [fun] NOT INDEXED where [关键词]=" + std::to_string(kind), grid);
      Names expected;
      for (int r = 1; r <= rows; ++r) expected.push_back(UpperAscii(grid.At(r, 0)));
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(sets.Set(static_cast<KeywordKind>(kind)), expected) << kind << " " << indexed;
    }
  }
}

TEST_F(KeywordSetsLoadTest, KindsOneToFourFillTheirSetsUpperCasedAndKindZeroIsLeftOut) {
  AddNamed("Sleep", 1);
  AddNamed("Long", 2);
  AddNamed("MAX_path", 3);
  AddNamed("Dim", 4);
  AddNamed("Plain", 0);
  sets_.Load(library_.Db());
  EXPECT_EQ(sets_.Set(KeywordKind::Api), Names{"SLEEP"});
  EXPECT_EQ(sets_.Set(KeywordKind::Type), Names{"LONG"});
  EXPECT_EQ(sets_.Set(KeywordKind::Constant), Names{"MAX_PATH"});
  EXPECT_EQ(sets_.Set(KeywordKind::Statement), Names{"DIM"});
  for (KeywordKind kind : {KeywordKind::Api, KeywordKind::Type, KeywordKind::Constant,
                           KeywordKind::Statement}) {
    EXPECT_FALSE(FindKeyword(sets_.Set(kind), "plain"));
  }
}

TEST_F(KeywordSetsLoadTest, SetsAreSortedByUnsignedBytesWithPrefixesFirst) {
  const std::string chinese = "中文";  // GB18030 bytes above 0x80
  for (const std::string& name : {std::string("abd"), chinese, std::string("ABC"),
                                  std::string("Ab"), std::string("B"), std::string("_x")}) {
    AddNamed(name, 1);
  }
  sets_.Load(library_.Db());
  EXPECT_EQ(sets_.Set(KeywordKind::Api), (Names{"AB", "ABC", "ABD", "B", "_X", chinese}));
}

TEST_F(KeywordSetsLoadTest, ChineseNamesArriveInTheProgramsEncodingAndMatchPageText) {
  AddNamed("取文本长度", 4);
  sets_.Load(library_.Db());
  EXPECT_TRUE(FindKeyword(sets_.Set(KeywordKind::Statement), "取文本长度"));
  EXPECT_EQ(sets_.Set(KeywordKind::Statement).front(), Utf8ToGb(u8"取文本长度"));
}

TEST_F(KeywordSetsLoadTest, AKindWithoutRowsKeepsItsPreviousSet) {
  sets_.MutableSet(KeywordKind::Type) = {"KEPT"};
  sets_.MutableSet(KeywordKind::Api) = {"REPLACED"};
  AddNamed("Sleep", 1);
  sets_.Load(library_.Db());
  EXPECT_EQ(sets_.Set(KeywordKind::Type), Names{"KEPT"});
  EXPECT_EQ(sets_.Set(KeywordKind::Api), Names{"SLEEP"});
}

TEST(KeywordSetsFailureTest, FailingQueriesLeaveEverySetAsItWas) {
  testing::TempFolder folder;
  Database db;  // a database without the entry table
  ASSERT_EQ(db.Open(folder.Path() + "empty.sdb", OpenMode::ReadWriteCreate), kSqliteOk);
  KeywordSets sets;
  sets.MutableSet(KeywordKind::Statement) = {"DIM"};
  sets.Load(db);
  EXPECT_EQ(sets.Set(KeywordKind::Statement), Names{"DIM"});
  EXPECT_TRUE(sets.Set(KeywordKind::Api).empty());
}

TEST(FindKeywordTest, EmptySetFindsNothing) { EXPECT_FALSE(FindKeyword({}, "A")); }

TEST(FindKeywordTest, FindsFirstLastAndInnerNamesIgnoringCase) {
  const Names set = {"AB", "ABC", "DIM", "LONG", "ZZ"};
  EXPECT_TRUE(FindKeyword(set, "ab"));
  EXPECT_TRUE(FindKeyword(set, "zZ"));
  EXPECT_TRUE(FindKeyword(set, "Abc"));
  EXPECT_TRUE(FindKeyword(set, "long"));
  EXPECT_FALSE(FindKeyword(set, "A"));      // before the first
  EXPECT_FALSE(FindKeyword(set, "ZZZ"));    // after the last
  EXPECT_FALSE(FindKeyword(set, "ABCD"));   // a name is only its prefix
  EXPECT_FALSE(FindKeyword(set, "DI"));     // prefix of a name
  EXPECT_FALSE(FindKeyword(set, ""));
}

TEST(FindKeywordTest, OnlyAsciiLettersAreFoldedAndHighBytesCompareUnsigned) {
  const Names set = {"A_B", std::string("\xB0\xA1"), std::string("\xE0")};
  EXPECT_TRUE(FindKeyword(set, "a_b"));
  EXPECT_TRUE(FindKeyword(set, "\xB0\xA1"));
  EXPECT_TRUE(FindKeyword(set, "\xE0"));
  EXPECT_FALSE(FindKeyword(set, "\xC0"));  // not folded to "\xE0"
}

TEST(FindKeywordTest, AgreesWithASortedSearchOnRandomSetsOfEverySize) {
  std::mt19937 random(7);
  const std::string alphabet = "ABCab_.\x81\xFE";
  auto random_word = [&] {
    std::string word(1 + random() % 4, ' ');
    for (char& c : word) c = alphabet[random() % alphabet.size()];
    return word;
  };
  for (size_t size = 1; size <= 40; ++size) {
    Names set;
    while (set.size() < size) {
      const std::string name = UpperAscii(random_word());
      if (std::find(set.begin(), set.end(), name) == set.end()) set.push_back(name);
    }
    std::sort(set.begin(), set.end());
    for (int probe = 0; probe < 200; ++probe) {
      const std::string word = random_word();
      EXPECT_EQ(FindKeyword(set, word), std::binary_search(set.begin(), set.end(), UpperAscii(word)))
          << "set size " << size << ", word " << word;
    }
    for (const std::string& name : set) EXPECT_TRUE(FindKeyword(set, LowerAscii(name))) << name;
  }
}

// The colouring asks FindFirst; its index must answer exactly what FindKeyword
// answers set by set.
class FindFirstTest : public ::testing::Test {
 protected:
  static constexpr KeywordKind kOrder[] = {KeywordKind::Statement, KeywordKind::Api,
                                           KeywordKind::Type, KeywordKind::Constant};

  KeywordKind Expected(std::string_view word) const {
    for (KeywordKind kind : kOrder) {
      if (FindKeyword(sets_.Set(kind), word)) return kind;
    }
    return KeywordKind::None;
  }
  KeywordKind Found(std::string_view word) const {
    return sets_.FindFirst(word, {KeywordKind::Statement, KeywordKind::Api, KeywordKind::Type,
                                  KeywordKind::Constant});
  }

  KeywordSets sets_;
};

TEST_F(FindFirstTest, AgreesWithFindKeywordOnRandomNamesShortAndLong) {
  std::mt19937 random(11);
  // Few letters and shared stems, so that names agree in long prefixes, with
  // lengths around the 8, 16 and 24 bytes the index reads at once and keeps
  // in its slots, and beyond.
  const std::string alphabet = "ABab_\x81\x40";
  const std::string stems[] = {"", "GetWindowText", "GETWINDOWTEXTLEN", "GetWindowTextLengthOfTheCaption"};
  auto random_word = [&] {
    std::string word = stems[random() % 4];
    word.resize(word.size() + 1 + random() % 8, ' ');
    for (size_t i = word.size() - 1; i > 0 && word[i] == ' '; --i) word[i] = alphabet[random() % alphabet.size()];
    if (word[0] == ' ') word[0] = alphabet[random() % alphabet.size()];
    return word;
  };
  // Small sets crowd the hash table, so that probes meet names that are not
  // theirs; large ones spread them.
  for (int per_set : {2, 6, 40, 300}) {
    for (KeywordKind kind : kOrder) {
      sets_.MutableSet(kind).clear();
      for (int i = 0; i < per_set; ++i) sets_.MutableSet(kind).push_back(UpperAscii(random_word()));
    }
    sets_.SortAll();
    for (int probe = 0; probe < 5000; ++probe) {
      const std::string word = random_word();
      ASSERT_EQ(Found(word), Expected(word)) << word << " with " << per_set << " names a set";
    }
    for (KeywordKind kind : kOrder) {
      for (const std::string& name : sets_.Set(kind))
        ASSERT_EQ(Found(LowerAscii(name)), Expected(name));
    }
  }
}

TEST_F(FindFirstTest, TheFirstSetOfTheOrderWinsAndLengthsMustMatch) {
  sets_.MutableSet(KeywordKind::Constant) = {"GETWINDOWTEXTLENGTHA", "MAX_PATH"};
  sets_.MutableSet(KeywordKind::Api) = {"GETWINDOWTEXTLENGTHA", "GETWINDOWTEXTLENGTHW"};
  sets_.SortAll();
  EXPECT_EQ(Found("GetWindowTextLengthA"), KeywordKind::Api);
  EXPECT_EQ(Found("GetWindowTextLengthW"), KeywordKind::Api);
  EXPECT_EQ(Found("GetWindowTextLength"), KeywordKind::None);
  EXPECT_EQ(Found("GetWindowTextLengthAA"), KeywordKind::None);
  EXPECT_EQ(Found("max_path"), KeywordKind::Constant);
  EXPECT_EQ(Found("MAX_PAT"), KeywordKind::None);
  EXPECT_EQ(sets_.FindFirst("max_path", {KeywordKind::Api}), KeywordKind::None);
}

TEST_F(FindFirstTest, SetsChangedByHandAreSearchedBeforeTheyAreSortedAgain) {
  sets_.MutableSet(KeywordKind::Api) = {"SLEEP"};
  sets_.SortAll();
  sets_.MutableSet(KeywordKind::Api) = {"BEEP", "SLEEP"};  // sorted, index not rebuilt
  EXPECT_EQ(Found("beep"), KeywordKind::Api);
  sets_.MutableSet(KeywordKind::Api).clear();
  EXPECT_EQ(Found("sleep"), KeywordKind::None);
}

TEST_F(FindFirstTest, EmptySetsFindNothingAndAnEmptyNameIsOnlyTheEmptyWord) {
  EXPECT_EQ(Found("X"), KeywordKind::None);
  sets_.MutableSet(KeywordKind::Type) = {""};
  sets_.SortAll();
  EXPECT_EQ(Found(""), Expected(""));
  EXPECT_EQ(Found(""), KeywordKind::Type);
  EXPECT_EQ(Found("X"), KeywordKind::None);
}

}  // namespace
}  // namespace mivrel
