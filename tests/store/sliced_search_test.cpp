#include "store/sliced_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "store/database.h"
#include "store/records.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

// The split scan must give the one-connection query's rows in its order,
// names that are equal included, with ids spread far apart (slices that hold
// nothing) and the match in the name, the brief or the content.
TEST(SlicedSearchTest, GivesTheSingleScansRowsInItsOrder) {
  testing::TestLibrary library;
  Database& db = library.Db();
  ASSERT_EQ(db.Run("BEGIN"), kSqliteOk);
  std::mt19937 random(5);
  const char* const names[] = {"Beta", "alpha", "Alpha", "名字", "beta"};
  for (int k = 0; k < 3000; ++k) {
    testing::EntrySpec entry;
    entry.name = names[random() % 5];
    const int where = static_cast<int>(random() % 4);
    if (where == 0) entry.name += "needle";
    if (where == 1) entry.brief = "a NEEDLE here";
    if (where == 2) entry.content = std::string(static_cast<size_t>(random() % 5000), 'x') + "NeEdLe";
    const int id = library.AddEntry(entry);
    // Ids far apart: the slices cover 10 times the rows there are.
    ASSERT_EQ(db.Run("UPDATE [fun] SET id=" + std::to_string(k * 10 + 7) + " WHERE id=" +
                     std::to_string(id)),
              kSqliteOk);
  }
  ASSERT_EQ(db.Run("COMMIT"), kSqliteOk);

  std::vector<int> expected;
  const HitVisitor collect_expected = [&](EntryHit&& hit) {
    expected.push_back(hit.id);
    return true;
  };
  ASSERT_TRUE(ReadEntryHits(db, ContainsSearchQuery("needle"), collect_expected, CountRest::Yes));
  ASSERT_GT(expected.size(), 1500u);

  EXPECT_EQ(SearchSliceCount(db) > 1, std::thread::hardware_concurrency() > 1);
  for (int slices : {1, 3, 4}) {
    const std::optional<std::vector<int>> ids = FindEntriesContaining(db, "needle", slices);
    ASSERT_TRUE(ids.has_value());
    std::vector<int> visited;
    const HitVisitor collect = [&](EntryHit&& hit) {
      visited.push_back(hit.id);
      return true;
    };
    EXPECT_EQ(ReadEntryHitsOfIds(db, *ids, collect), static_cast<long long>(expected.size()));
    EXPECT_EQ(visited, expected) << slices;
  }
  // A visitor that stops early still gets the whole count.
  const std::optional<std::vector<int>> ids = FindEntriesContaining(db, "needle", 2);
  ASSERT_TRUE(ids.has_value());
  const HitVisitor first_only = [](EntryHit&&) { return false; };
  EXPECT_EQ(ReadEntryHitsOfIds(db, *ids, first_only), static_cast<long long>(expected.size()));
}

}  // namespace
}  // namespace mivrel
