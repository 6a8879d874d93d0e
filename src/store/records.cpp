#include "store/records.h"

#include "base/text.h"
#include "store/contains_function.h"
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

// Every row of the statement, each read by `read`.  A query that fails, also
// part way, reads as no rows, like one that fails at once.
template <typename Row, typename ReadRow>
std::vector<Row> ReadRows(Statement& st, ReadRow read) {
  std::vector<Row> rows;
  int rc;
  while ((rc = st.Step()) == kSqliteRow) rows.push_back(read(st));
  if (rc != kSqliteDone) rows.clear();
  return rows;
}

// The condition of the entries filed under a category as main or secondary.
std::string FiledUnder(long long category) {
  const std::string key = WithBlank(category);
  return "[类别]=" + key + " or [类别2]=" + key + " or [类别3]=" + key;
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
  // The largest column: converted where SQLite holds it.
  const std::string_view content = row.ColumnView(kContent);
  entry.stored_content_size = content.size();
  entry.content = Utf8ToGb(content);
  entry.icon = row.ColumnInt(kIcon);
  entry.priority = row.ColumnInt(kPriority);
  entry.keyword = row.ColumnInt(kKeyword);
  entry.page_name = row.ColumnBytes(kPageName);
  return entry;
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

// Binds the columns after the id of an entry, from parameter `first` on, in
// schema order.
void BindEntryColumns(Binder& bind, int first, const EntryRecord& e) {
  bind.Int(first, e.category).Int(first + 1, e.category2).Int(first + 2, e.category3);
  bind.Text(first + 3, e.name).Text(first + 4, e.brief).Text(first + 5, e.content);
  bind.Int(first + 6, e.icon).Int(first + 7, e.priority).Int(first + 8, e.keyword);
  bind.Bytes(first + 9, e.page_name);
}

// Steps a bound write; kSqliteDone on success.
int StepWrite(Statement& st, int bind_result) {
  if (!st.Ok()) return st.PrepareResult();
  if (bind_result != kSqliteOk) return bind_result;
  return st.Step();
}

}  // namespace records_detail

using records_detail::BindEntryColumns;
using records_detail::Binder;
using records_detail::CategoryFromRow;
using records_detail::ReadEntryRow;
using records_detail::StepWrite;

std::optional<CategoryRecord> ReadCategory(Database& db, long long id) {
  Statement row(db, "Select * From [class] where id=" + WithBlank(id));
  if (row.Step() != kSqliteRow) return std::nullopt;
  return CategoryFromRow(row);
}

std::vector<CategoryLink> ReadChildCategories(Database& db, long long parent) {
  Statement st(db, "Select [类别名],[ID] From [class] where [父类别]=" + WithBlank(parent) +
                       " ORDER BY [优先]");
  return ReadRows<CategoryLink>(st, [](const Statement& row) {
    return CategoryLink{CellNumber(row, 1), row.ColumnGb(0)};
  });
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
  Binder bind(st);
  bind.Id(1, c.id).Text(2, c.name).Int(3, c.parent).Int(4, c.icon).Int(5, c.priority);
  return StepWrite(st, bind.Result());
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
  Statement st(db, "Select [名字],[简介],[ID] From [fun] where " + FiledUnder(category) +
                       "  ORDER BY [优先],[名字]");
  return ReadRows<EntryListing>(st, [](const Statement& row) {
    return EntryListing{CellNumber(row, 2), row.ColumnGb(0), row.ColumnGb(1), 0};
  });
}

std::vector<EntryListing> ReadTreeEntries(Database& db, long long category) {
  Statement st(db, "Select id,[名字],[图标] From [fun] where " + FiledUnder(category) +
                       " ORDER BY [优先] DESC,[名字] DESC");
  return ReadRows<EntryListing>(st, [](const Statement& row) {
    return EntryListing{CellNumber(row, 0), row.ColumnGb(1), std::string(), CellNumber(row, 2)};
  });
}

std::optional<long long> CountEntriesIn(Database& db, long long category) {
  return ReadCount(db, "Select COUNT(*) From [fun] where [类别]=" + std::to_string(category));
}

std::optional<std::array<std::vector<std::string>, 4>> ReadKeywordNamesByKind(Database& db) {
  // IN keeps the equality of "[关键词]=1": 1.0 is kind 1, 1.5 no kind.
  Statement st(db, "Select [关键词],[名字] From [fun] where [关键词] in (1,2,3,4)");
  std::array<std::vector<std::string>, 4> names;
  int rc;
  while ((rc = st.Step()) == kSqliteRow) {
    const long long kind = st.ColumnInt(0);
    if (kind >= 1 && kind <= 4) names[static_cast<size_t>(kind - 1)].push_back(st.ColumnGb(1));
  }
  if (rc != kSqliteDone) return std::nullopt;
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
  Binder bind(st);
  bind.Id(1, entry.id);
  BindEntryColumns(bind, 2, entry);
  return StepWrite(st, bind.Result());
}

int UpdateEntry(Database& db, const EntryRecord& entry) {
  Statement st(db,
               "UPDATE [fun] SET [类别]=?,[类别2]=?,[类别3]=?,[名字]=?,[简介]=?,[注解]=?,[图标]=?,"
               "[优先]=?,[关键词]=?,[网页名]=? WHERE [id]=?");
  Binder bind(st);
  BindEntryColumns(bind, 1, entry);
  bind.Int(11, entry.id);
  return StepWrite(st, bind.Result());
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
  // One pass over the table, names equal in row order: walking a name index
  // instead would visit the rows out of place and order equal names otherwise.
  return "Select  id,[名字],[图标],[类别],[类别2],[类别3] From [fun] NOT INDEXED where ([名字] LIKE '%" + t +
         "%' or [简介] LIKE '%" + t + "%' or [注解] LIKE '%" + t + "%')" + " ORDER BY [名字]";
}

std::string ContainsSearchQuery(const std::string& gb_text) {
  const std::string t = QuoteSql(gb_text);
  const std::string f = kContainsFunction;
  return "Select  id,[名字],[图标],[类别],[类别2],[类别3] From [fun] NOT INDEXED where (" + f +
         "([名字],'" + t + "') or " + f + "([简介],'" + t + "') or " + f + "([注解],'" + t + "'))" +
         " ORDER BY [名字]";
}

std::string IndexQuery(const std::string& gb_text) {
  // With the store's NOCASE index on [名字], SQLite's LIKE optimisation turns
  // this prefix match into an index range.  Names that are equal come in the
  // order of the name index's other columns.
  return "Select id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where [名字] LIKE '" +
         QuoteSql(gb_text) + "%'" + " ORDER BY [名字],[图标],[类别],[类别2],[类别3],[id]";
}

namespace {

EntryHit ReadHit(const Statement& st) {
  const auto bracketed = [&st](int column) { return "[" + st.ColumnBytes(column) + "]"; };
  EntryHit hit;
  hit.id = static_cast<int>(st.ColumnInt(0));
  hit.name = st.ColumnGb(1);
  hit.icon = static_cast<int>(st.ColumnInt(2));
  hit.category = bracketed(3);
  hit.category2 = bracketed(4);
  hit.category3 = bracketed(5);
  return hit;
}

// Steps `st` to its end (or until `visit` declines and the rest is not
// wanted), counting the rows.
std::optional<long long> StepHits(Statement& st, const HitVisitor& visit, CountRest count_rest) {
  if (!st.Ok()) return std::nullopt;
  long long stepped = 0;
  bool visiting = true;
  int rc;
  while ((rc = st.Step()) == kSqliteRow) {
    ++stepped;
    if (visiting) visiting = visit(ReadHit(st));
    if (!visiting && count_rest == CountRest::No) return stepped;
  }
  if (rc != kSqliteDone) return std::nullopt;
  return stepped;
}

// One spelling of the index's prefix in the byte-ordered name index, in the
// order of IndexQuery.
constexpr const char* kRangeRowsSql =
    "Select id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where [名字]>=?1 and [名字]<?2"
    " ORDER BY [名字],[图标],[类别],[类别2],[类别3],[id]";
constexpr const char* kOpenRangeRowsSql =
    "Select id,[名字],[图标],[类别],[类别2],[类别3] From [fun] where [名字]>=?1"
    " ORDER BY [名字],[图标],[类别],[类别2],[类别3],[id]";
constexpr const char* kRangeCountSql = "Select count(*) From [fun] where [名字]>=?1 and [名字]<?2";
constexpr const char* kOpenRangeCountSql = "Select count(*) From [fun] where [名字]>=?1";

void BindRange(Statement& st, const NameRange& range) {
  st.BindText(1, range.low);
  if (!range.high.empty()) st.BindText(2, range.high);
}

}  // namespace

std::optional<long long> ReadEntryHits(Database& db, const std::string& gb_sql,
                                       const HitVisitor& visit, CountRest count_rest) {
  Statement st(db, gb_sql);
  return StepHits(st, visit, count_rest);
}

std::optional<long long> ReadEntryHitsInNameRanges(Database& db, const std::vector<NameRange>& ranges,
                                                   const HitVisitor& visit) {
  // One statement for the bounded ranges, reset for each: a look-up prepares
  // at most two statements, however many spellings the prefix has.
  Statement bounded(db, kRangeRowsSql);
  long long stepped = 0;
  bool visiting = true;
  const HitVisitor counted_visit = [&](EntryHit&& hit) { return visiting = visit(std::move(hit)); };
  for (const NameRange& range : ranges) {
    if (!visiting) break;
    std::optional<Statement> open;
    Statement* st = &bounded;
    if (range.high.empty()) st = &open.emplace(db, kOpenRangeRowsSql);
    st->Reset();
    BindRange(*st, range);
    const std::optional<long long> in_range = StepHits(*st, counted_visit, CountRest::No);
    if (!in_range) return std::nullopt;
    stepped += *in_range;
  }
  return stepped;
}

std::optional<long long> CountEntriesInNameRanges(Database& db, const std::vector<NameRange>& ranges) {
  Statement bounded(db, kRangeCountSql);
  long long counted = 0;
  for (const NameRange& range : ranges) {
    std::optional<Statement> open;
    Statement* st = &bounded;
    if (range.high.empty()) st = &open.emplace(db, kOpenRangeCountSql);
    st->Reset();
    BindRange(*st, range);
    if (st->Step() != kSqliteRow) return std::nullopt;
    counted += st->ColumnInt(0);
  }
  return counted;
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
  Binder bind(st);
  bind.Id(1, image.id).Text(2, image.file_name).Int(3, image.entry_id).Blob(4, image.data);
  return StepWrite(st, bind.Result());
}

int SetImageData(Database& db, const std::string& gb_file_name, const std::string& data) {
  Statement st(db, "UPDATE [img] SET [数据]=? WHERE [文件名]=?");
  Binder bind(st);
  bind.Blob(1, data).Text(2, gb_file_name);
  return StepWrite(st, bind.Result());
}

std::optional<std::string> FirstImageWithoutData(Database& db) {
  Statement st(db, "Select [文件名] From [img] where [数据] IS NULL");
  if (st.Step() != kSqliteRow) return std::nullopt;
  return st.ColumnGb(0);
}

}  // namespace mivrel
