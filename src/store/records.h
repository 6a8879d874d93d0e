// The rows of the library's three tables as typed values, and the one place
// that knows their columns and the statement texts that read and write them.
// Page building, the directory tree, the search panes, the tool and the
// editors and imports read and write rows through these functions only.
//
// Texts in records are GB18030 like every text in memory; the store converts
// them to and from the UTF-8 the tables hold.  `网页名` is the exception: it is
// stored as the program's own bytes and comes back unconverted.
//
// Readers never report to the user: a failing query reads as "no row" (or an
// empty list), exactly as the callers treat a missing row.  Writers return the
// SQLite result code (kSqliteOk / kSqliteDone meaning success as stated); the
// caller reads Database::LastError and reports.  Same thread rules as Database.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "store/name_ranges.h"

namespace mivrel {

class Database;

// Column positions of `Select *` on each table (the schema's column order).
namespace class_column {
constexpr int kId = 0;
constexpr int kName = 1;      // 类别名
constexpr int kParent = 2;    // 父类别
constexpr int kIcon = 3;      // 图标
constexpr int kPriority = 4;  // 优先
}  // namespace class_column

namespace fun_column {
constexpr int kId = 0;
constexpr int kCategory = 1;   // 类别
constexpr int kCategory2 = 2;  // 类别2
constexpr int kCategory3 = 3;  // 类别3
constexpr int kName = 4;       // 名字
constexpr int kBrief = 5;      // 简介
constexpr int kContent = 6;    // 注解
constexpr int kIcon = 7;       // 图标
constexpr int kPriority = 8;   // 优先
constexpr int kKeyword = 9;    // 关键词
constexpr int kPageName = 10;  // 网页名
}  // namespace fun_column

namespace img_column {
constexpr int kId = 0;
constexpr int kFileName = 1;  // 文件名
constexpr int kEntryId = 2;   // 资料ID
constexpr int kData = 3;      // 数据
}  // namespace img_column

// A secondary category value meaning "not used" (NULL reads as this too).
constexpr long long kNoSecondaryCategory = -1;

// One row of `class`.
struct CategoryRecord {
  long long id = 0;
  std::string name;  // GB18030
  long long parent = 0;
  long long icon = 0;
  long long priority = 0;
};

// One row of `fun`.
struct EntryRecord {
  long long id = 0;
  long long category = 0;
  long long category2 = kNoSecondaryCategory;
  long long category3 = kNoSecondaryCategory;
  std::string name;     // GB18030
  std::string brief;    // GB18030
  std::string content;  // GB18030
  long long icon = 0;
  long long priority = 0;
  long long keyword = 0;
  std::string page_name;  // the stored bytes; empty: a text-format entry
  // Reading only: the size of 注解 as stored (UTF-8 bytes).
  size_t stored_content_size = 0;
};

// One row of `img`.
struct ImageRecord {
  long long id = 0;
  std::string file_name;  // GB18030
  long long entry_id = 0;
  std::string data;  // the image file's bytes
};

// A category as the category page lists it: name and id.
struct CategoryLink {
  long long id = 0;
  std::string name;
};

// An entry as lists show it (category page, directory tree).
struct EntryListing {
  long long id = 0;
  std::string name;   // GB18030
  std::string brief;  // GB18030; filled by ReadEntryListing only
  long long icon = 0; // filled by ReadTreeEntries only
};

// --- class ---------------------------------------------------------------

// The category with this id; nothing when there is none.
std::optional<CategoryRecord> ReadCategory(Database& db, long long id);

// The subcategories of `parent` (0: the top level) in sibling order (优先).
std::vector<CategoryLink> ReadChildCategories(Database& db, long long parent);

// Every category whose parent is an integer, ordered by parent, then 优先,
// then id: one read of the table for building the whole tree.  Icons as stored.
std::vector<CategoryRecord> ReadCategoriesByParent(Database& db);

// Number of subcategories of `parent`; nothing when the query fails.
std::optional<long long> CountChildCategories(Database& db, long long parent);

// Inserts the category (its id when > 0, else a new one); the SQLite code of
// the insert (kSqliteDone on success).  The new id is Database::LastInsertId.
[[nodiscard]] int InsertCategory(Database& db, const CategoryRecord& category);
// Renames a category; the code of the statement (kSqliteOk on success).
[[nodiscard]] int RenameCategory(Database& db, long long id, const std::string& gb_name);
// Files a category under another parent (0: the top level).
[[nodiscard]] int MoveCategory(Database& db, long long id, long long parent);

// --- fun -----------------------------------------------------------------

// The entry with this id, or the first with this exact name; nothing when
// there is none.
std::optional<EntryRecord> ReadEntryById(Database& db, long long id);
std::optional<EntryRecord> ReadEntryByName(Database& db, const std::string& gb_name);

// The id of the entry with this 网页名 (the program's bytes); 0 when none.
long long FindEntryByPageName(Database& db, const std::string& page_name);

// The entries filed under `category` (as main or secondary category; 0 is the
// top level) with name and brief, in page order (优先, then name).
std::vector<EntryListing> ReadEntryListing(Database& db, long long category);
// The same entries with name and icon, in the reverse of tree order (优先
// descending, then name descending), because the tree inserts each first.
std::vector<EntryListing> ReadTreeEntries(Database& db, long long category);
// Number of entries whose main category is `category`; nothing on failure.
std::optional<long long> CountEntriesIn(Database& db, long long category);
// The names of the entries of keyword kinds (关键词) 1 to 4, one list per kind
// (index kind - 1), each as "Select [名字] From [fun] where [关键词]=k" gives
// them (a kind of 1.0 counts as 1), in one read through the keyword index;
// nothing when the read fails.
std::optional<std::array<std::vector<std::string>, 4>> ReadKeywordNamesByKind(Database& db);

// The three category values of an entry; nothing when there is no such entry.
struct EntryCategories {
  long long category = 0;
  long long category2 = 0;
  long long category3 = 0;
};
std::optional<EntryCategories> ReadEntryCategories(Database& db, long long id);

// Inserts the entry (its id when > 0, else a new one) with bound values; the
// code of the insert (kSqliteDone on success).
[[nodiscard]] int InsertEntry(Database& db, const EntryRecord& entry);
// Replaces every column of the entry with this id; kSqliteDone on success
// (also when no row has the id: Database::Changes tells).
[[nodiscard]] int UpdateEntry(Database& db, const EntryRecord& entry);
// Renames an entry; the code of the statement (kSqliteOk on success).
[[nodiscard]] int RenameEntry(Database& db, long long id, const std::string& gb_name);
// Which of an entry's three category columns: 类别, 类别2, 类别3.
enum class CategorySlot { Main, Second, Third };
// Sets one category column of an entry; the code of the statement.
[[nodiscard]] int MoveEntry(Database& db, long long id, CategorySlot slot, long long category);

// An entry as the search and index panes list it.  The three category values
// are kept as stored, in brackets ("[5]", "[-1]", "[]" for NULL), so that they
// can be found whole in a scope's id list text.
struct EntryHit {
  int id = 0;
  std::string name;  // GB18030
  int icon = 0;
  std::string category;
  std::string category2;
  std::string category3;
};

// The statements of the two panes, exactly as they run (`gb_text` as typed;
// apostrophes are doubled, "%" and "_" stay wildcards): entries whose name,
// brief or content contains the text (one pass over the table, equal names in
// row order), and entries whose name begins with it (equal names in the order
// of the name index's other columns).
std::string SearchQuery(const std::string& gb_text);
std::string IndexQuery(const std::string& gb_text);
// SearchQuery with each "LIKE '%t%'" answered by mivrel_contains
// (store/contains_function.h): the same rows in the same order, for a text
// that ContainsAnswersLike.
std::string ContainsSearchQuery(const std::string& gb_text);

// Called with each hit in order; returns false when it wants no more.
using HitVisitor = std::function<bool(EntryHit&&)>;
enum class CountRest { No, Yes };

// Steps through the rows of a hit query in order, handing each to `visit`
// while it returns true; after that the remaining rows are only counted
// (CountRest::Yes) or the read ends (No).  Returns the number of rows stepped;
// nothing when the query fails, also part way.
std::optional<long long> ReadEntryHits(Database& db, const std::string& gb_sql,
                                       const HitVisitor& visit, CountRest count_rest);
// The name index's hits in the ranges of the byte-ordered name index, one
// range after another, each in IndexQuery's order, while `visit` returns
// true.  Nothing on failure.
std::optional<long long> ReadEntryHitsInNameRanges(Database& db, const std::vector<NameRange>& ranges,
                                                   const HitVisitor& visit);
// The number of entries whose name lies in one of the ranges, counted in the
// index.  Nothing on failure.
std::optional<long long> CountEntriesInNameRanges(Database& db, const std::vector<NameRange>& ranges);

// --- img -----------------------------------------------------------------

// The images of an entry, in row order.
std::vector<ImageRecord> ReadImagesOf(Database& db, long long entry_id);
// Inserts an image row (its id when > 0, else a new one); kSqliteDone on success.
[[nodiscard]] int InsertImage(Database& db, const ImageRecord& image);
// Puts `data` into every image row with this file name; kSqliteDone on
// success (Database::Changes tells how many rows took it).
[[nodiscard]] int SetImageData(Database& db, const std::string& gb_file_name,
                               const std::string& data);
// The file name of the first image row without data; nothing when all have data.
std::optional<std::string> FirstImageWithoutData(Database& db);

}  // namespace mivrel
