// The database writes of every import: categories made while reading a file,
// entries inserted or replaced, images added.  Every value goes through a
// bound parameter; no text from an imported file is ever part of a statement.
// Statements are prepared once per writer and reused, so an import of tens of
// thousands of entries costs one prepare per kind of write.
//
// Texts are GB18030 (converted to UTF-8 here); the web-page name is stored as
// the bytes given.  Failures return 0/false; LastError() then holds SQLite's
// text.  One thread at a time: the thread that owns the connection.
#pragma once

#include <string>
#include <string_view>

#include "store/database.h"

namespace mivrel {

// An entry as an import writes it; numbers already clamped (ClampedEntry).
struct ImportedEntry {
  long long category = 0;
  std::string name;
  std::string brief;
  std::string content;
  long long icon = 2;
  long long priority = 100;
  long long keyword = 0;
  std::string page_name;
};

// Icon to 0..15, priority to 0..255, keyword kind to 0..4.
ImportedEntry ClampedEntry(ImportedEntry entry);
long long ClampedIcon(long long icon);

// Icon and priority of a category an import creates before the file names them.
constexpr long long kNewCategoryIcon = 10;
constexpr long long kNewCategoryPriority = 100;

// "新类" + local date and time as two-digit fields + random digits: the name a
// category holds until the file names it (and keeps when the file never does).
std::string PlaceholderCategoryName();

class ImportWriter {
 public:
  explicit ImportWriter(Database& db);
  ImportWriter(const ImportWriter&) = delete;
  ImportWriter& operator=(const ImportWriter&) = delete;

  // A new category under `parent` (icon 10, priority 100); its id, 0 on failure.
  [[nodiscard]] long long AddCategory(long long parent, const std::string& gb_name);
  [[nodiscard]] bool SetCategoryName(long long id, const std::string& gb_name);
  [[nodiscard]] bool SetCategoryIcon(long long id, long long icon);
  [[nodiscard]] bool SetCategoryPriority(long long id, long long priority);

  // The first entry of that name whose main category is `category`; 0 = none.
  long long FindEntry(long long category, const std::string& gb_name);
  // Second and third category -1.  The new id, 0 on failure.
  [[nodiscard]] long long InsertEntry(const ImportedEntry& entry);
  // Overwrites every column of entry `id` (second and third category -1).
  [[nodiscard]] bool ReplaceEntry(long long id, const ImportedEntry& entry);
  // One image row; the name as given (converted to UTF-8), the bytes unchanged.
  [[nodiscard]] bool AddImage(long long entry_id, std::string_view gb_file_name,
                              std::string_view bytes);

  // SQLite's text for the last failed write.
  const std::string& LastError() const { return m_error; }

 private:
  [[nodiscard]] bool StepOnce(Statement& statement);
  void BindEntry(Statement& statement, const ImportedEntry& entry);

  Database& m_db;
  Statement m_add_category;
  Statement m_category_name;
  Statement m_category_icon;
  Statement m_category_priority;
  Statement m_find_entry;
  Statement m_insert_entry;
  Statement m_replace_entry;
  Statement m_add_image;
  std::string m_error;
};

}  // namespace mivrel
