// How the start-up opens a library folder: missing file, backup taken in its
// place, files that are not libraries, and the speed indexes.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "store/database.h"
#include "store/library_files.h"
#include "store/schema.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using testing::TempFolder;
using testing::TestLibrary;

TEST(LibraryOpenTest, MissingDatabaseIsReportedAndNothingIsCreated) {
  TempFolder folder;
  Database db;
  std::string failure;
  EXPECT_EQ(OpenResult::Missing, OpenReferenceDatabase(db, folder.Path(), failure));
  EXPECT_EQ("数据库文件丢失！！！！\r\n" + folder.Path() + "资料数据.sdb请确保软件的完整性，重新下载一下试试。", failure);
  EXPECT_FALSE(db.IsOpen());
  EXPECT_TRUE(ListFolder(folder.Path(), false).empty());
}

TEST(LibraryOpenTest, BackupTakesTheDatabaseNameWithoutAMessage) {
  TestLibrary source;
  source.AddEntry("留下的资料", 0);
  source.Db().Close();
  TempFolder folder;
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(source.DatabasePath(), bytes));
  ASSERT_TRUE(WriteWholeFile(folder.Path() + "资料数据.bak", bytes));

  Database db;
  std::string failure;
  ASSERT_EQ(OpenResult::Opened, OpenReferenceDatabase(db, folder.Path(), failure));
  EXPECT_TRUE(failure.empty());
  EXPECT_FALSE(PathExists(folder.Path() + "资料数据.bak"));
  ResultGrid grid;
  ASSERT_EQ(1, db.Query("Select [名字] From [fun]", grid));
  EXPECT_EQ("留下的资料", grid.At(1, 0));
}

TEST(LibraryOpenTest, FilesThatAreNotLibrariesAreReportedAndLeftUntouched) {
  const std::string contents[] = {std::string(), std::string("this is not a database at all\n"),
                                  std::string(4096, '\0')};
  for (const std::string& content : contents) {
    TempFolder folder;
    const std::string path = folder.Path() + "资料数据.sdb";
    ASSERT_TRUE(WriteWholeFile(path, content));
    Database db;
    std::string failure;
    EXPECT_EQ(OpenResult::CannotOpen, OpenReferenceDatabase(db, folder.Path(), failure));
    EXPECT_EQ("无法打开数据库文件\r\n" + path + "请确保软件的完整性，重新下载一下试试。", failure);
    std::string after;
    ASSERT_TRUE(ReadWholeFile(path, after));
    EXPECT_EQ(content, after);
    EXPECT_EQ(1u, ListFolder(folder.Path(), false).size()) << "journal or other file written";
  }
}

TEST(LibraryOpenTest, AFileWithTheTableNamesButOtherColumnsIsNeverWritten) {
  const std::string schemas[] = {
      "CREATE TABLE class(a);CREATE TABLE fun(b);CREATE TABLE img(c);",
      // The right columns in another order still break reads by position.
      std::string(LibrarySchemaSql()) +
          "DROP TABLE class;CREATE TABLE class([ID] INTEGER PRIMARY KEY,[父类别] INTEGER,[类别名] TEXT,"
          "[图标] INTEGER,[优先] INTEGER);"};
  for (const std::string& schema : schemas) {
    TempFolder folder;
    const std::string path = folder.Path() + "资料数据.sdb";
    {
      Database maker;
      ASSERT_EQ(maker.Open(path, OpenMode::ReadWriteCreate), kSqliteOk);
      ASSERT_EQ(maker.Run(schema), kSqliteOk) << maker.LastError();
    }
    std::string before;
    ASSERT_TRUE(ReadWholeFile(path, before));
    Database db;
    std::string failure;
    EXPECT_EQ(OpenResult::CannotOpen, OpenReferenceDatabase(db, folder.Path(), failure));
    EXPECT_FALSE(db.IsOpen());
    std::string after;
    ASSERT_TRUE(ReadWholeFile(path, after));
    EXPECT_TRUE(before == after) << "the foreign file was written";
  }
}

TEST(LibraryOpenTest, ALibraryLockedByAnotherProgramIsReportedAsInUse) {
  TestLibrary lib;
  lib.Db().Close();
  Database other;
  ASSERT_EQ(other.Open(lib.DatabasePath()), kSqliteOk);
  ASSERT_EQ(other.Run("BEGIN EXCLUSIVE"), kSqliteOk);
  Database db;
  std::string failure;
  EXPECT_EQ(OpenResult::InUse, OpenReferenceDatabase(db, lib.Folder(), failure));
  EXPECT_NE(failure.find("正被其他程序使用"), std::string::npos) << GbToUtf8(failure);
  EXPECT_EQ(failure.find("重新下载"), std::string::npos) << "no reinstall hint for a busy file";
  other.Run("END TRANSACTION");
  EXPECT_EQ(OpenResult::Opened, OpenReferenceDatabase(db, lib.Folder(), failure));
}

TEST(LibraryOpenTest, SpeedIndexesAreAddedAndKeepQueryResults) {
  TestLibrary lib;
  // Ties in the sort key: the order must not change when the index appears.
  const int a = lib.AddCategory("甲", 0, 0, 100);
  const int b = lib.AddCategory("乙", 0, 0, 50);
  const int c = lib.AddCategory("丙", 0, 0, 100);
  lib.AddCategory("丁", a, 0, 100);
  for (const char* name : {"getA", "GetB", "gEtc", "other"}) lib.AddEntry(name, b);
  lib.Db().Run("DROP INDEX IF EXISTS mivrel_class_parent");
  lib.Db().Run("DROP INDEX IF EXISTS mivrel_fun_name");
  const std::string queries[] = {"Select * From [class] where [父类别]= 0  ORDER BY [优先]",
                                 "Select id,[名字] From [fun] where [名字] LIKE 'get%' ORDER BY [名字]"};
  ResultGrid before[2], after[2];
  for (int i = 0; i < 2; ++i) lib.Db().Query(queries[i], before[i]);
  EnsureSpeedIndexes(lib.Db());
  EnsureSpeedIndexes(lib.Db());  // idempotent
  for (int i = 0; i < 2; ++i) {
    lib.Db().Query(queries[i], after[i]);
    ASSERT_EQ(before[i].Rows(), after[i].Rows());
    for (int r = 0; r <= before[i].Rows(); ++r)
      for (int col = 0; col < before[i].Columns(); ++col)
        EXPECT_EQ(before[i].At(r, col), after[i].At(r, col));
  }
  EXPECT_EQ(3, before[1].Rows());
  EXPECT_EQ(std::to_string(b), after[0].At(1, 0));
  EXPECT_EQ(std::to_string(a), after[0].At(2, 0));
  EXPECT_EQ(std::to_string(c), after[0].At(3, 0));

  ResultGrid plan;
  lib.Db().Query("EXPLAIN QUERY PLAN Select id From [fun] where [名字] LIKE 'get%'", plan);
  ASSERT_GT(plan.Rows(), 0);
  EXPECT_NE(std::string::npos, plan.At(1, 3).find("mivrel_fun_name"));
  ResultGrid tables;
  EXPECT_EQ(3, lib.Db().Query("Select name From sqlite_master where type='table'", tables));
}

}  // namespace
}  // namespace mivrel
