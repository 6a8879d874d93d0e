// Test vocabulary: a temporary folder, and a library in it with the real
// schema, plus helpers that add categories, entries and images in the program's
// text encoding (GB18030).
#pragma once

#include <string>

#include "store/database.h"

namespace mivrel::testing {

// A fresh folder under the temporary root, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // GB18030 path ending with a separator.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

struct EntrySpec {
  std::string name;
  int category = 0;
  int category2 = -1;
  int category3 = -1;
  std::string brief;
  std::string content;
  int icon = 0;
  int priority = 100;
  int keyword = 0;
  std::string page_name;  // 网页名; empty = text format
};

// An open library (资料数据.sdb with the three tables) in a temporary folder.
class TestLibrary {
 public:
  TestLibrary();
  Database& Db() { return db_; }
  const std::string& Folder() const { return folder_.Path(); }
  std::string DatabasePath() const;

  int AddCategory(const std::string& name, int parent = 0, int icon = 0, int priority = 100);
  int AddEntry(const EntrySpec& entry);
  // Shorthand: a text-format entry with a name, category and content.
  int AddEntry(const std::string& name, int category, const std::string& content = "",
               int keyword = 0);
  void AddImage(int entry_id, const std::string& file_name, const std::string& bytes);

 private:
  TempFolder folder_;
  Database db_;
};

}  // namespace mivrel::testing
