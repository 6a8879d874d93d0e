// The typed rows: what the writers store is what the readers give back, and
// damaged cells read the way the program has always read them.
#include <gtest/gtest.h>

#include "base/text.h"
#include "store/database.h"
#include "store/records.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using testing::TestLibrary;

testing::EntrySpec Filed(const std::string& name, int category, int category2, int category3, int icon = 0) {
  testing::EntrySpec entry_row;
  entry_row.name = name;
  entry_row.category = category;
  entry_row.category2 = category2;
  entry_row.category3 = category3;
  entry_row.icon = icon;
  entry_row.priority = 1;
  return entry_row;
}

EntryRecord SampleEntry() {
  EntryRecord e;
  e.category = 3;
  e.category2 = 4;
  e.name = "O'Brien的函数";
  e.brief = "简介";
  e.content = "正文\r\n第二行";
  e.icon = 5;
  e.priority = 7;
  e.keyword = 2;
  e.page_name = "页'面.htm";
  return e;
}

TEST(RecordsTest, WrittenEntriesCategoriesAndImagesReadBackAsWritten) {
  TestLibrary lib;
  Database& db = lib.Db();
  EntryRecord entry = SampleEntry();
  ASSERT_EQ(kSqliteDone, InsertEntry(db, entry));
  entry.id = db.LastInsertId();

  const std::optional<EntryRecord> by_id = ReadEntryById(db, entry.id);
  ASSERT_TRUE(by_id);
  EXPECT_EQ(entry.name, by_id->name);
  EXPECT_EQ(entry.content, by_id->content);
  EXPECT_EQ(GbToUtf8(entry.content).size(), by_id->stored_content_size);
  EXPECT_EQ(kNoSecondaryCategory, by_id->category3);
  EXPECT_EQ(entry.page_name, by_id->page_name);
  EXPECT_EQ(entry.id, FindEntryByPageName(db, entry.page_name));
  ASSERT_TRUE(ReadEntryByName(db, entry.name));

  entry.name = "改名";
  entry.category3 = 9;
  ASSERT_EQ(kSqliteDone, UpdateEntry(db, entry));
  const std::optional<EntryRecord> updated = ReadEntryById(db, entry.id);
  ASSERT_TRUE(updated);
  EXPECT_EQ("改名", updated->name);
  EXPECT_EQ(9, updated->category3);

  CategoryRecord category{0, "分类'一", 0, 34, 2};
  ASSERT_EQ(kSqliteDone, InsertCategory(db, category));
  const std::optional<CategoryRecord> read = ReadCategory(db, db.LastInsertId());
  ASSERT_TRUE(read);
  EXPECT_EQ(category.name, read->name);
  EXPECT_EQ(34, read->icon);

  ASSERT_EQ(kSqliteDone, InsertImage(db, {0, "图.png", entry.id, std::string("\0\x89PNG", 4)}));
  ASSERT_EQ(kSqliteDone, InsertImage(db, {0, "空.png", entry.id, std::string()}));
  const std::vector<ImageRecord> images = ReadImagesOf(db, entry.id);
  ASSERT_EQ(2u, images.size());
  EXPECT_EQ(std::string("\0\x89PNG", 4), images[0].data);
  EXPECT_EQ("图.png", images[0].file_name);
}

TEST(RecordsTest, ImagesWithoutDataAreFoundUntilTheirBytesAreSet) {
  TestLibrary lib;
  Database& db = lib.Db();
  ASSERT_EQ(kSqliteOk, db.Run("INSERT INTO [img] ([文件名],[资料ID]) VALUES('图.png',1)"));
  ASSERT_EQ("图.png", FirstImageWithoutData(db).value_or(""));
  ASSERT_EQ(kSqliteDone, SetImageData(db, "图.png", "bytes"));
  EXPECT_EQ(1, db.Changes());
  EXPECT_FALSE(FirstImageWithoutData(db));
}

TEST(RecordsTest, ListsKeepPageAndTreeOrderAndDamagedNumbersReadAsTheirLeadingDigits) {
  TestLibrary lib;
  Database& db = lib.Db();
  const int a = lib.AddEntry(Filed("b", 2, -1, -1, 3));
  const int b = lib.AddEntry(Filed("a", 5, 2, -1, 4));
  ASSERT_EQ(kSqliteOk, db.Run("UPDATE [fun] SET [图标]='12abc' WHERE id=" + std::to_string(b)));

  const std::vector<EntryListing> page = ReadEntryListing(db, 2);
  ASSERT_EQ(2u, page.size());
  EXPECT_EQ(b, page[0].id);  // ascending by name
  const std::vector<EntryListing> tree = ReadTreeEntries(db, 2);
  ASSERT_EQ(2u, tree.size());
  EXPECT_EQ(a, tree[0].id);  // descending: the tree inserts each first
  EXPECT_EQ(12, tree[1].icon);
  EXPECT_EQ(1, CountEntriesIn(db, 2).value_or(-1));
}

TEST(RecordsTest, MovesChangeOnlyTheNamedCategoryColumn) {
  TestLibrary lib;
  Database& db = lib.Db();
  const int id = lib.AddEntry(Filed("x", 2, 3, 4));
  ASSERT_EQ(kSqliteOk, MoveEntry(db, id, CategorySlot::Third, 8));
  const std::optional<EntryCategories> filed = ReadEntryCategories(db, id);
  ASSERT_TRUE(filed);
  EXPECT_EQ(2, filed->category);
  EXPECT_EQ(3, filed->category2);
  EXPECT_EQ(8, filed->category3);
}

}  // namespace
}  // namespace mivrel
