// The access layer: encodings at the boundary, quoting, NULL cells, blobs and
// how failures show.
#include <gtest/gtest.h>

#include "base/text.h"
#include "store/database.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using testing::TestLibrary;

TEST(DatabaseTest, ChineseTextAndApostrophesRoundTripThroughStatementsAndGrid) {
  TestLibrary lib;
  const std::string name = "O'Brien的函数 😀";  // a character outside GBK too
  ASSERT_EQ(kSqliteOk, lib.Db().Run("INSERT INTO [class] ([类别名],[父类别],[图标],[优先]) VALUES('" +
                                    QuoteSql(name) + "',0,3,100)"));
  ResultGrid grid;
  ASSERT_EQ(1, lib.Db().Query("Select * From [class] where [类别名]='" + QuoteSql(name) + "'", grid));
  EXPECT_EQ(name, grid.At(1, 1));
  EXPECT_EQ("类别名", grid.At(0, 1));
  EXPECT_EQ(3, grid.Number(1, 3));

  // Stored as UTF-8 in the file.
  Statement raw(lib.Db(), "Select [类别名] From [class]");
  ASSERT_EQ(kSqliteRow, raw.Step());
  EXPECT_EQ(GbToUtf8(name), raw.ColumnBytes(0));
  EXPECT_TRUE(IsValidUtf8(raw.ColumnBytes(0)));
}

TEST(DatabaseTest, NullCellsReadAsEmptyAndNoRowsLeaveTheGridEmpty) {
  TestLibrary lib;
  ASSERT_EQ(kSqliteOk, lib.Db().Run("INSERT INTO [fun] ([类别],[名字]) VALUES(0,'x')"));
  ResultGrid grid;
  ASSERT_EQ(1, lib.Db().Query("Select * From [fun] where id=1", grid));
  EXPECT_EQ("", grid.At(1, 10));
  EXPECT_EQ(0, grid.Number(1, 7));

  EXPECT_EQ(0, lib.Db().Query("Select * From [fun] where id=99", grid));
  EXPECT_TRUE(grid.Empty());
  EXPECT_EQ(0, grid.Rows());
}

TEST(DatabaseTest, FailedStatementsGiveSqliteErrorText) {
  TestLibrary lib;
  ResultGrid grid;
  lib.Db().Query("Select * From [class]", grid);
  EXPECT_EQ(0, lib.Db().Query("Select * From [nosuch]", grid));
  EXPECT_NE(kSqliteOk, lib.Db().Run("UPDATE [nosuch] SET x=1"));
  EXPECT_NE(std::string::npos, lib.Db().LastError().find("no such table"));

  EXPECT_EQ("执行失败，原因见下面信息：\r\nno such table: nosuch", lib.Db().FailureText());

  Statement bad(lib.Db(), "INSERT INTO nowhere VALUES(?)");
  EXPECT_FALSE(bad.Ok());
  EXPECT_NE(kSqliteOk, bad.BindInt(1, 5));
  EXPECT_NE(kSqliteDone, bad.Step());
}

TEST(DatabaseTest, BlobsWithZeroBytesRoundTripWhole) {
  TestLibrary lib;
  const std::string bytes("\x89PNG\0\0\x01]\r\n\0end", 14);
  lib.AddImage(7, "图.png", bytes);
  Statement read(lib.Db(), "Select * From [img] where [资料ID]= 7");
  ASSERT_EQ(kSqliteRow, read.Step());
  EXPECT_EQ("图.png", read.ColumnGb(1));
  EXPECT_EQ(bytes, read.ColumnBytes(3));
  EXPECT_EQ(kSqliteDone, read.Step());
}

TEST(DatabaseTest, ChangesCountsRowsOfTheLastStatement) {
  TestLibrary lib;
  lib.AddEntry("a", 1);
  lib.AddEntry("b", 1);
  lib.AddEntry("c", 2);
  ASSERT_EQ(kSqliteOk, lib.Db().Run("UPDATE fun  SET [类别]= 3  WHERE [类别]=1"));
  EXPECT_EQ(2, lib.Db().Changes());
}

TEST(DatabaseTest, TransactionBracketCommitsWhatSucceeded) {
  TestLibrary lib;
  {
    TransactionBracket bracket(lib.Db());
    lib.Db().Run("INSERT INTO [fun] ([名字]) VALUES('one')");
    lib.Db().Run("INSERT INTO [nosuch] VALUES(1)");
    lib.Db().Run("INSERT INTO [fun] ([名字]) VALUES('two')");
  }
  ResultGrid grid;
  EXPECT_EQ(2, lib.Db().Query("Select [名字] From [fun]", grid));
}

TEST(DatabaseTest, InvalidUtf8CellsStillReadAsText) {
  TestLibrary lib;
  Statement st(lib.Db(), "INSERT INTO [fun] ([名字],[网页名]) VALUES(?,?)");
  st.BindText(1, std::string("ok\xFF\xFEtail"));
  st.BindText(2, std::string("\xD7\xCA.htm"));  // GB18030 bytes held as they are
  ASSERT_EQ(kSqliteDone, st.Step());
  ResultGrid grid;
  ASSERT_EQ(1, lib.Db().Query("Select [名字] From [fun]", grid));
  EXPECT_EQ("ok??tail", grid.At(1, 0));
  Statement raw(lib.Db(), "Select [网页名] From [fun]");
  ASSERT_EQ(kSqliteRow, raw.Step());
  EXPECT_EQ(std::string("\xD7\xCA.htm"), raw.ColumnBytes(0));
}

}  // namespace
}  // namespace mivrel
