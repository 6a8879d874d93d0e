#include "store/records.h"

#include "base/text.h"
#include "store/database.h"
#include "store/records_rows.h"

namespace mivrel {
namespace {

// A cell read as its leading decimal number, the way list queries have always
// read numbers: a damaged cell ("12abc", 1e20, a text) gives the number its
// text starts with, never SQLite's own conversion.
long long CellNumber(const Statement& st, int column) { return LeadingNumber(st.ColumnBytes(column)); }

// A secondary category that is NULL counts as not used.
long long SecondaryCategory(const Statement& row, int column) {
  return row.ColumnIsNull(column) ? kNoSecondaryCategory : row.ColumnInt(column);
}

// The count of a "Select COUNT(*) ..." statement; nothing when it fails.
std::optional<long long> ReadCount(Database& db, const std::string& sql) {
  Statement st(db, sql);
  if (st.Step() != kSqliteRow) return std::nullopt;
  return CellNumber(st, 0);
}

}  // namespace

namespace records_detail {

std::optional<EntryRecord> ReadEntryRow(Statement& row) {
  using namespace fun_column;
  if (row.Step() != kSqliteRow || row.ColumnInt(kId) == 0) return std::nullopt;
  EntryRecord entry;
  entry.id = row.ColumnInt(kId);
  entry.category = row.ColumnInt(kCategory);
  entry.category2 = SecondaryCategory(row, kCategory2);
  entry.category3 = SecondaryCategory(row, kCategory3);
  entry.name = row.ColumnGb(kName);
  entry.brief = row.ColumnGb(kBrief);
  const std::string content = row.ColumnBytes(kContent);
  entry.stored_content_size = content.size();
  entry.content = Utf8ToGb(content);
  entry.icon = row.ColumnInt(kIcon);
  entry.priority = row.ColumnInt(kPriority);
  entry.keyword = row.ColumnInt(kKeyword);
  entry.page_name = row.ColumnBytes(kPageName);
  return entry;
}

// Binds the columns after the id of an entry, from parameter `first` on, in
// schema order; the code of the first bind that failed, else kSqliteOk.
int BindEntryColumns(Statement& st, int first, const EntryRecord& e) {
  int rc = kSqliteOk;
  const auto bind = [&rc](int result) {
    if (rc == kSqliteOk) rc = result;
  };
  bind(st.BindInt(first, e.category));
  bind(st.BindInt(first + 1, e.category2));
  bind(st.BindInt(first + 2, e.category3));
  bind(st.BindText(first + 3, GbToUtf8(e.name)));
  bind(st.BindText(first + 4, GbToUtf8(e.brief)));
  bind(st.BindText(first + 5, GbToUtf8(e.content)));
  bind(st.BindInt(first + 6, e.icon));
  bind(st.BindInt(first + 7, e.priority));
  bind(st.BindInt(first + 8, e.keyword));
  bind(st.BindText(first + 9, e.page_name));
  return rc;
}

// An id > 0 is bound as given; otherwise NULL lets SQLite choose a new one.
int BindId(Statement& st, int index, long long id) {
  return id > 0 ? st.BindInt(index, id) : st.BindNull(index);
}

// Steps a bound write; kSqliteDone on success.
int StepWrite(Statement& st, int bind_result) {
  if (!st.Ok()) return st.PrepareResult();
  if (bind_result != kSqliteOk) return bind_result;
  return st.Step();
}

CategoryRecord CategoryFromRow(const Statement& row) {
  using namespace class_column;
  CategoryRecord category;
  category.id = CellNumber(row, kId);
  category.name = row.ColumnGb(kName);
  category.parent = CellNumber(row, kParent);
  category.icon = CellNumber(row, kIcon);
  category.priority = CellNumber(row, kPriority);
  return category;
}

}  // namespace records_detail

using records_detail::BindEntryColumns;
using records_detail::BindId;
using records_detail::CategoryFromRow;
using records_detail::ReadEntryRow;
using records_detail::StepWrite;

std::optional<CategoryRecord> ReadCategory(Database& db, long long id) {
  Statement row(db, "Select * From [class] where id=" + WithBlank(id));
  if (row.Step() != kSqliteRow) return std::nullopt;
  return CategoryFromRow(row);
}

std::vector<CategoryLink> ReadChildCategories(Database& db, long long parent) {
  std::vector<CategoryLink> children;
  Statement st(db, "Select [类别名],[ID] From [class] where [父类别]=" + WithBlank(parent) +
                       " ORDER BY [优先]");
  int rc;
  while ((rc = st.Step()) == kSqliteRow) children.push_back({CellNumber(st, 1), st.ColumnGb(0)});
  // A query that fails part way lists nothing, like one that fails at once.
  if (rc != kSqliteDone) children.clear();
  return children;
}

std::vector<CategoryRecord> ReadCategoriesByParent(Database& db) {
  // Within a parent the order is that of ReadChildCategories: by 优先, ties in
  // row order.  Only integer parents can equal an id.
  std::vector<CategoryRecord> rows;
  Statement st(db,
               "Select [ID],[类别名],[父类别],[图标] From [class] "
               "where typeof([父类别])='integer' ORDER BY [父类别],[优先],[ID]");
  while (st.Step() == kSqliteRow) {
    CategoryRecord row;
    row.id = st.ColumnInt(0);
    row.name = st.ColumnGb(1);
    row.parent = st.ColumnInt(2);
    row.icon = st.ColumnInt(3);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<long long> CountChildCategories(Database& db, long long parent) {
  return ReadCount(db, "Select COUNT(*) From [class] where [父类别]=" + std::to_string(parent));
}

int InsertCategory(Database& db, const CategoryRecord& c) {
  Statement st(db, "INSERT INTO [class] ([ID],[类别名],[父类别],[图标],[优先]) VALUES(?,?,?,?,?)");
  int rc = BindId(st, 1, c.id);
  if (rc == kSqliteOk) rc = st.BindText(2, GbToUtf8(c.name));
  if (rc == kSqliteOk) rc = st.BindInt(3, c.parent);
  if (rc == kSqliteOk) rc = st.BindInt(4, c.icon);
  if (rc == kSqliteOk) rc = st.BindInt(5, c.priority);
  return StepWrite(st, rc);
}

int RenameCategory(Database& db, long long id, const std::string& gb_name) {
  return db.Run("UPDATE class SET [类别名]='" + QuoteSql(gb_name) + "' WHERE id=" + std::to_string(id));
}

int MoveCategory(Database& db, long long id, long long parent) {
  return db.Run("UPDATE class  SET [父类别]=" + std::to_string(parent) + "  WHERE id=" + std::to_string(id));
}

std::optional<EntryRecord> ReadEntryById(Database& db, long long id) {
  Statement row(db, "Select * From [fun] where id=" + WithBlank(id));
  return ReadEntryRow(row);
}

std::optional<EntryRecord> ReadEntryByName(Database& db, const std::string& gb_name) {
  Statement row(db, "Select * From [fun] where [名字]='" + QuoteSql(gb_name) + "'");
  return ReadEntryRow(row);
}

long long FindEntryByPageName(Database& db, const std::string& page_name) {
  // Page names are stored as the program's own bytes, so the name is bound
  // unconverted: names with quotes, "%", "_" or Chinese are all found exactly.
  Statement st(db, "Select [id] From [fun] where [网页名]=?");
  if (!st.Ok() || st.BindText(1, page_name) != kSqliteOk) return 0;
  if (st.Step() != kSqliteRow) return 0;
  return st.ColumnInt(0);
}

std::vector<EntryListing> ReadEntryListing(Database& db, long long category) {
  const std::string key = WithBlank(category);
  std::vector<EntryListing> entries;
  Statement st(db, "Select [名字],[简介],[ID] From [fun] where [类别]=" + key + " or [类别2]=" + key +
                       " or [类别3]=" + key + "  ORDER BY [优先],[名字]");
  int rc;
  while ((rc = st.Step()) == kSqliteRow) entries.push_back({CellNumber(st, 2), st.ColumnGb(0), st.ColumnGb(1), 0});
  if (rc != kSqliteDone) entries.clear();
  return entries;
}

std::vector<EntryListing> ReadTreeEntries(Database& db, long long category) {
  const std::string key = WithBlank(category);
  std::vector<EntryListing> entries;
  Statement st(db, "Select id,[名字],[图标] From [fun] where [类别]=" + key + " or [类别2]=" + key +
                       " or [类别3]=" + key + " ORDER BY [优先] DESC,[名字] DESC");
  int rc;
  while ((rc = st.Step()) == kSqliteRow)
    entries.push_back({CellNumber(st, 0), st.ColumnGb(1), std::string(), CellNumber(st, 2)});
  if (rc != kSqliteDone) entries.clear();
  return entries;
}

std::optional<long long> CountEntriesIn(Database& db, long long category) {
  return ReadCount(db, "Select COUNT(*) From [fun] where [类别]=" + std::to_string(category));
}

std::vector<std::string> ReadKeywordNames(Database& db, int keyword_kind) {
  std::vector<std::string> names;
  Statement st(db, "Select [名字] From [fun] where [关键词]=" + std::to_string(keyword_kind) + " ");
  int rc;
  while ((rc = st.Step()) == kSqliteRow) names.push_back(st.ColumnGb(0));
  if (rc != kSqliteDone) names.clear();
  return names;
}

std::optional<EntryCategories> ReadEntryCategories(Database& db, long long id) {
  Statement st(db, "Select [类别],[类别2],[类别3] From [fun] where id=" + std::to_string(id));
  if (st.Step() != kSqliteRow) return std::nullopt;
  return EntryCategories{CellNumber(st, 0), CellNumber(st, 1), CellNumber(st, 2)};
}

int InsertEntry(Database& db, const EntryRecord& entry) {
  Statement st(db,
               "INSERT INTO [fun] ([id],[类别],[类别2],[类别3],[名字],[简介],[注解],[图标],[优先],"
               "[关键词],[网页名]) VALUES(?,?,?,?,?,?,?,?,?,?,?)");
  int rc = BindId(st, 1, entry.id);
  if (rc == kSqliteOk) rc = BindEntryColumns(st, 2, entry);
  return StepWrite(st, rc);
}

int UpdateEntry(Database& db, const EntryRecord& entry) {
  Statement st(db,
               "UPDATE [fun] SET [类别]=?,[类别2]=?,[类别3]=?,[名字]=?,[简介]=?,[注解]=?,[图标]=?,"
               "[优先]=?,[关键词]=?,[网页名]=? WHERE [id]=?");
  int rc = BindEntryColumns(st, 1, entry);
  if (rc == kSqliteOk) rc = st.BindInt(11, entry.id);
  return StepWrite(st, rc);
}

int RenameEntry(Database& db, long long id, const std::string& gb_name) {
  return db.Run("UPDATE fun SET [名字]='" + QuoteSql(gb_name) + "' WHERE id=" + std::to_string(id));
}

int MoveEntry(Database& db, long long id, CategorySlot slot, long long category) {
  const char* column = slot == CategorySlot::Second ? "[类别2]" : slot == CategorySlot::Third ? "[类别3]" : "[类别]";
  return db.Run(std::string("UPDATE fun  SET ") + column + "=" + std::to_string(category) +
                "  WHERE id=" + std::to_string(id));
}

std::string SearchQuery(const std::string& gb_text) {
  const std::string t = QuoteSql(gb_text);
  return "Select  id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where ([名字] LIKE '%" + t +
         "%' or [简介] LIKE '%" + t + "%' or [注解] LIKE '%" + t + "%')" + " ORDER BY [名字]";
}

std::string IndexQuery(const std::string& gb_text) {
  // With the store's NOCASE index on [名字], SQLite's LIKE optimisation turns
  // this prefix match into an index range.
  return "Select id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where [名字] LIKE '" +
         QuoteSql(gb_text) + "%'" + " ORDER BY [名字]";
}

int ReadEntryHits(Database& db, const std::string& gb_sql, std::vector<EntryHit>& hits) {
  hits.clear();
  Statement st(db, gb_sql);
  if (!st.Ok()) return 0;
  const auto bracketed = [&st](int column) { return "[" + st.ColumnBytes(column) + "]"; };
  int rc;
  while ((rc = st.Step()) == kSqliteRow) {
    EntryHit hit;
    hit.id = static_cast<int>(st.ColumnInt(0));
    hit.name = st.ColumnGb(1);
    hit.icon = static_cast<int>(st.ColumnInt(2));
    hit.category = bracketed(3);
    hit.category2 = bracketed(4);
    hit.category3 = bracketed(5);
    hits.push_back(std::move(hit));
  }
  if (rc != kSqliteDone) hits.clear();
  return static_cast<int>(hits.size());
}

std::vector<ImageRecord> ReadImagesOf(Database& db, long long entry_id) {
  std::vector<ImageRecord> images;
  Statement st(db, "Select * From [img] where [资料ID]=" + WithBlank(entry_id));
  using namespace img_column;
  while (st.Step() == kSqliteRow)
    images.push_back({st.ColumnInt(kId), st.ColumnGb(kFileName), st.ColumnInt(kEntryId), st.ColumnBytes(kData)});
  return images;
}

int InsertImage(Database& db, const ImageRecord& image) {
  Statement st(db, "INSERT INTO [img] ([ID],[文件名],[资料ID],[数据]) VALUES(?,?,?,?)");
  int rc = BindId(st, 1, image.id);
  if (rc == kSqliteOk) rc = st.BindText(2, GbToUtf8(image.file_name));
  if (rc == kSqliteOk) rc = st.BindInt(3, image.entry_id);
  if (rc == kSqliteOk) rc = st.BindBlob(4, image.data);
  return StepWrite(st, rc);
}

int SetImageData(Database& db, const std::string& gb_file_name, const std::string& data) {
  Statement st(db, "UPDATE [img] SET [数据]=? WHERE [文件名]=?");
  int rc = st.BindBlob(1, data);
  if (rc == kSqliteOk) rc = st.BindText(2, GbToUtf8(gb_file_name));
  return StepWrite(st, rc);
}

std::optional<std::string> FirstImageWithoutData(Database& db) {
  Statement st(db, "Select [文件名] From [img] where [数据] IS NULL");
  if (st.Step() != kSqliteRow) return std::nullopt;
  return st.ColumnGb(0);
}

}  // namespace mivrel
