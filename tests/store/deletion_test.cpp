#include "store/deletion.h"

#include <gtest/gtest.h>

#include "store/database.h"
#include "support/recording_job.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

class DeletionTest : public ::testing::Test {
 protected:
  int Count(const std::string& sql) {
    ResultGrid grid;
    return db().Query(sql, grid) > 0 ? static_cast<int>(grid.Number(1, 0)) : -1;
  }
  int Categories() { return Count("Select count(*) From [class]"); }
  int Entries() { return Count("Select count(*) From [fun]"); }
  int Images() { return Count("Select count(*) From [img]"); }
  int ParentOf(int category) { return Count("Select [父类别] From [class] where ID=" + std::to_string(category)); }
  int MainCategoryOf(int entry) { return Count("Select [类别] From [fun] where id=" + std::to_string(entry)); }
  Database& db() { return lib.Db(); }

  int MakeBin() {
    StoreFailure failure;
    const int bin = EnsureRecycleBin(db(), 0, failure);
    EXPECT_FALSE(failure.Failed()) << failure.Message();
    return bin;
  }

  TestLibrary lib;
  RecordingJob job;
};

TEST_F(DeletionTest, FirstRecycleMakesTheBinAtTheTopAndMovesOnlyTheMainCategory) {
  const int tools = lib.AddCategory("工具");
  const int other = lib.AddCategory("其他");
  EntrySpec entry_row;
  entry_row.name = "CreateFile";
  entry_row.category = tools;
  entry_row.category2 = other;
  const int entry = lib.AddEntry(entry_row);

  const int bin = MakeBin();
  ASSERT_GT(bin, other);
  EXPECT_EQ(FindRecycleBinId(db()), bin);
  ResultGrid row;
  ASSERT_EQ(db().Query("Select * From [class] where ID=" + std::to_string(bin), row), 1);
  EXPECT_EQ(row.At(1, 1), "回收站");
  EXPECT_EQ(row.Number(1, 2), 0);
  EXPECT_EQ(row.Number(1, 3), kRecycleBinIcon);
  EXPECT_EQ(row.Number(1, 4), 100);
  // An existing bin is kept.
  StoreFailure failure;
  EXPECT_EQ(EnsureRecycleBin(db(), bin, failure), bin);
  EXPECT_EQ(Categories(), 3);

  ASSERT_EQ(MoveToRecycleBin(db(), DeletedKind::Entry, entry, bin), kSqliteOk);
  EXPECT_EQ(MainCategoryOf(entry), bin);
  EXPECT_EQ(Count("Select [类别2] From [fun] where id=" + std::to_string(entry)), other);
  ASSERT_EQ(MoveToRecycleBin(db(), DeletedKind::Category, tools, bin), kSqliteOk);
  EXPECT_EQ(ParentOf(tools), bin);
}

TEST_F(DeletionTest, AFailedBinRenameLeavesNoStrayCategory) {
  ASSERT_EQ(db().Run("CREATE TRIGGER no_bin BEFORE UPDATE ON class BEGIN "
                     "SELECT RAISE(ABORT,'locked'); END"),
            kSqliteOk);
  StoreFailure failure;
  EXPECT_EQ(EnsureRecycleBin(db(), 0, failure), 0);
  EXPECT_EQ(failure.first_line, "新建回收站失败，原因见下面信息：");
  EXPECT_EQ(failure.error, "locked");
  EXPECT_EQ(Categories(), 0);
}

TEST_F(DeletionTest, ItemsInsideTheBinAreFoundThroughTheirParents) {
  const int bin = MakeBin();
  const int outer = lib.AddCategory("外", bin);
  const int inner = lib.AddCategory("内", outer);
  const int elsewhere = lib.AddCategory("别处");
  const int in_bin = lib.AddEntry("a", inner);
  const int outside = lib.AddEntry("b", elsewhere);
  EXPECT_TRUE(IsInsideRecycleBin(db(), DeletedKind::Category, bin, bin));
  EXPECT_TRUE(IsInsideRecycleBin(db(), DeletedKind::Category, inner, bin));
  EXPECT_TRUE(IsInsideRecycleBin(db(), DeletedKind::Entry, in_bin, bin));
  EXPECT_FALSE(IsInsideRecycleBin(db(), DeletedKind::Entry, outside, bin));
  EXPECT_FALSE(IsInsideRecycleBin(db(), DeletedKind::Category, elsewhere, bin));
  EXPECT_FALSE(IsInsideRecycleBin(db(), DeletedKind::Category, inner, 0));
  // A cycle of parents outside the bin ends the walk.
  const int a = lib.AddCategory("甲");
  const int b = lib.AddCategory("乙", a);
  ASSERT_EQ(db().Run("UPDATE class SET [父类别]=" + std::to_string(b) + " WHERE ID=" + std::to_string(a)),
            kSqliteOk);
  EXPECT_FALSE(IsInsideRecycleBin(db(), DeletedKind::Category, a, bin));
}

TEST_F(DeletionTest, AnEntryGoesForGoodWithItsImages) {
  const int kept = lib.AddEntry("kept", 0);
  const int gone = lib.AddEntry("gone", 0);
  lib.AddImage(gone, "a.png", std::string("\x89PNG\0x", 6));
  lib.AddImage(gone, "b.png", "b");
  lib.AddImage(kept, "c.png", "c");
  StoreFailure failure;
  ASSERT_TRUE(DeleteEntryForGood(db(), gone, job, failure)) << failure.Message();
  EXPECT_EQ(Entries(), 1);
  EXPECT_EQ(Images(), 1);
  EXPECT_EQ(job.caption, kDeletingCaption);
  EXPECT_EQ(job.positions.back(), job.range);
}

TEST_F(DeletionTest, ThreeLevelsOfSubcategoriesAreCountedAndSecondaryFilingsSurvive) {
  const int top = lib.AddCategory("顶");
  const int child = lib.AddCategory("子", top);
  const int grandchild = lib.AddCategory("孙", child);
  const int great = lib.AddCategory("曾孙", grandchild);
  const int seven = lib.AddCategory("别处");
  for (const int category : {top, child, grandchild, great}) {
    const int entry = lib.AddEntry("e" + std::to_string(category), category);
    lib.AddImage(entry, "x.png", "x");
  }
  EntrySpec survivor;
  survivor.name = "survivor";
  survivor.category = seven;
  survivor.category2 = grandchild;
  const int kept = lib.AddEntry(survivor);
  lib.AddImage(kept, "k.png", "k");

  DeletionCounts counts;
  StoreFailure failure;
  ASSERT_TRUE(DeleteCategoryForGood(db(), top, job, counts, failure)) << failure.Message();
  EXPECT_EQ(counts.categories, 4);
  EXPECT_EQ(counts.entries, 4);
  EXPECT_EQ(Categories(), 1);
  EXPECT_EQ(Entries(), 1);
  EXPECT_EQ(Images(), 1);
  EXPECT_EQ(MainCategoryOf(kept), seven);
  EXPECT_EQ(CategoryDeletedText(counts),
            "执行成功！！！\r\n已删除了分类的数量： 4\r\n已删除了资料档数量： 4");
}

TEST_F(DeletionTest, DeletingTheBinRemovesItsContentAndTheNextRecycleMakesANewOne) {
  const int bin = MakeBin();
  const int sub = lib.AddCategory("旧", bin);
  lib.AddEntry("x", sub);
  lib.AddEntry("y", bin);
  DeletionCounts counts;
  StoreFailure failure;
  ASSERT_TRUE(DeleteCategoryForGood(db(), bin, job, counts, failure));
  EXPECT_EQ(counts.categories, 2);
  EXPECT_EQ(counts.entries, 2);
  EXPECT_EQ(FindRecycleBinId(db()), 0);
  const int next = MakeBin();
  EXPECT_GT(next, 0);
  EXPECT_EQ(FindRecycleBinId(db()), next);
}

TEST_F(DeletionTest, AnEmptyCategoryReportsZeroEntries) {
  const int empty = lib.AddCategory("空");
  DeletionCounts counts;
  StoreFailure failure;
  ASSERT_TRUE(DeleteCategoryForGood(db(), empty, job, counts, failure));
  EXPECT_EQ(CategoryDeletedText(counts),
            "执行成功！！！\r\n已删除了分类的数量： 1\r\n已删除了资料档数量： 0");
}

TEST_F(DeletionTest, AFailureInTheMiddleLeavesEveryRowInPlace) {
  const int top = lib.AddCategory("顶");
  const int child = lib.AddCategory("子", top);
  const int entry = lib.AddEntry("e", child);
  lib.AddImage(entry, "x.png", "x");
  // Images and entries are deleted before the categories fail.
  ASSERT_EQ(db().Run("CREATE TRIGGER keep BEFORE DELETE ON class BEGIN "
                     "SELECT RAISE(ABORT,'disk full'); END"),
            kSqliteOk);
  DeletionCounts counts;
  StoreFailure failure;
  EXPECT_FALSE(DeleteCategoryForGood(db(), top, job, counts, failure));
  EXPECT_EQ(failure.Message(), "执行失败，原因见下面信息：\r\ndisk full");
  EXPECT_EQ(Categories(), 2);
  EXPECT_EQ(Entries(), 1);
  EXPECT_EQ(Images(), 1);

  ASSERT_EQ(db().Run("CREATE TRIGGER keep_fun BEFORE DELETE ON fun BEGIN "
                     "SELECT RAISE(ABORT,'busy'); END"),
            kSqliteOk);
  EXPECT_FALSE(DeleteEntryForGood(db(), entry, job, failure));
  EXPECT_EQ(failure.error, "busy");
  EXPECT_EQ(Images(), 1);
  // The connection is usable afterwards: no transaction was left open.
  EXPECT_EQ(db().Run("BEGIN TRANSACTION"), kSqliteOk);
  EXPECT_EQ(db().Run("END TRANSACTION"), kSqliteOk);
}

TEST_F(DeletionTest, SubtreeIdsArePreOrderAndEndOnACycle) {
  const int a = lib.AddCategory("a");
  const int b = lib.AddCategory("b", a);
  const int c = lib.AddCategory("c", b);
  const int d = lib.AddCategory("d", a);
  EXPECT_EQ(SubtreeIdList(CollectSubtreeIds(db(), a)),
            SubtreeIdList({a, b, c, d}));
  ASSERT_EQ(db().Run("UPDATE class SET [父类别]=" + std::to_string(c) + " WHERE ID=" + std::to_string(a)),
            kSqliteOk);
  EXPECT_EQ(CollectSubtreeIds(db(), b), (std::vector<int>{b, c, a, d}));
  EXPECT_EQ(SubtreeIdList({7, 12}), "7,12");
}

TEST_F(DeletionTest, ATenThousandDeepChainIsDeletedWithoutRecursion) {
  constexpr int kDepth = 10000;
  int parent = 0;
  int top = 0;
  ASSERT_EQ(db().Run("BEGIN TRANSACTION"), kSqliteOk);
  for (int level = 0; level < kDepth; ++level) {
    parent = lib.AddCategory("c", parent);
    if (level == 0) top = parent;
  }
  lib.AddEntry("deepest", parent);
  ASSERT_EQ(db().Run("END TRANSACTION"), kSqliteOk);
  DeletionCounts counts;
  StoreFailure failure;
  ASSERT_TRUE(DeleteCategoryForGood(db(), top, job, counts, failure)) << failure.Message();
  EXPECT_EQ(counts.categories, kDepth);
  EXPECT_EQ(counts.entries, 1);
}

}  // namespace
}  // namespace mivrel::testing
