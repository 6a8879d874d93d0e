// Writes of many rows in a row (imports): the same statements as the records
// writers, each prepared once per writer and reused, so that tens of thousands
// of rows cost one prepare per kind of write.  Every value is bound; no text
// ever becomes part of a statement.
//
// Each write returns the SQLite code of its step (kSqliteDone on success; the
// prepare's code when the statement could not be prepared);
// Database::LastError then tells why.  The writer must not outlive `db`.
// Same thread rules as Database.
#pragma once

#include <string>

#include "store/database.h"
#include "store/records.h"

namespace mivrel {

class RecordWriter {
 public:
  explicit RecordWriter(Database& db);
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  // As InsertCategory / InsertEntry / UpdateEntry / InsertImage of records.h.
  [[nodiscard]] int InsertCategory(const CategoryRecord& category);
  [[nodiscard]] int InsertEntry(const EntryRecord& entry);
  [[nodiscard]] int UpdateEntry(const EntryRecord& entry);
  [[nodiscard]] int InsertImage(const ImageRecord& image);
  // One column of a category.
  [[nodiscard]] int SetCategoryName(long long id, const std::string& gb_name);
  [[nodiscard]] int SetCategoryIcon(long long id, long long icon);
  [[nodiscard]] int SetCategoryPriority(long long id, long long priority);

  // The first entry with this exact name whose main category is `category`;
  // 0 when there is none.
  long long FindEntryIn(long long category, const std::string& gb_name);

 private:
  Database& m_db;
  Statement m_insert_category;
  Statement m_insert_entry;
  Statement m_update_entry;
  Statement m_insert_image;
  Statement m_category_name;
  Statement m_category_icon;
  Statement m_category_priority;
  Statement m_find_entry;
};

}  // namespace mivrel
