#include "support/test_library.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

#include "base/files.h"
#include "base/text.h"
#include "store/library_files.h"
#include "store/schema.h"

namespace mivrel::testing {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = TempRoot() + "mivrel-test-" + std::to_string(getpid()) + "-" +
          std::to_string(counter++) + "/";
  RemoveTree(path_);
  if (!MakeDirectories(path_)) throw std::runtime_error("cannot create " + path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

TestLibrary::TestLibrary() {
  if (db_.Open(DatabasePath(), OpenMode::ReadWriteCreate) != kSqliteOk ||
      CreateLibrarySchema(db_) != kSqliteOk)
    throw std::runtime_error("cannot create test library");
  EnsureSpeedIndexes(db_);
}

std::string TestLibrary::DatabasePath() const { return folder_.Path() + kDatabaseFileName; }

int TestLibrary::AddCategory(const std::string& name, int parent, int icon, int priority) {
  Statement st(db_, "INSERT INTO [class] ([类别名],[父类别],[图标],[优先]) VALUES(?,?,?,?)");
  st.BindText(1, GbToUtf8(name));
  st.BindInt(2, parent);
  st.BindInt(3, icon);
  st.BindInt(4, priority);
  if (st.Step() != kSqliteDone) throw std::runtime_error("AddCategory failed");
  return static_cast<int>(db_.LastInsertId());
}

int TestLibrary::AddEntry(const EntrySpec& e) {
  Statement st(db_,
               "INSERT INTO [fun] ([类别],[类别2],[类别3],[名字],[简介],[注解],[图标],[优先],"
               "[关键词],[网页名]) VALUES(?,?,?,?,?,?,?,?,?,?)");
  st.BindInt(1, e.category);
  st.BindInt(2, e.category2);
  st.BindInt(3, e.category3);
  st.BindText(4, GbToUtf8(e.name));
  st.BindText(5, GbToUtf8(e.brief));
  st.BindText(6, GbToUtf8(e.content));
  st.BindInt(7, e.icon);
  st.BindInt(8, e.priority);
  st.BindInt(9, e.keyword);
  st.BindText(10, e.page_name);
  if (st.Step() != kSqliteDone) throw std::runtime_error("AddEntry failed");
  return static_cast<int>(db_.LastInsertId());
}

int TestLibrary::AddEntry(const std::string& name, int category, const std::string& content,
                          int keyword) {
  EntrySpec e;
  e.name = name;
  e.category = category;
  e.content = content;
  e.keyword = keyword;
  return AddEntry(e);
}

void TestLibrary::AddImage(int entry_id, const std::string& file_name, const std::string& bytes) {
  Statement st(db_, "INSERT INTO img ([文件名],[资料ID],[数据]) VALUES(?,?,?)");
  st.BindText(1, GbToUtf8(file_name));
  st.BindInt(2, entry_id);
  st.BindBlob(3, bytes);
  if (st.Step() != kSqliteDone) throw std::runtime_error("AddImage failed");
}

}  // namespace mivrel::testing
