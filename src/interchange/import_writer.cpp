#include "interchange/import_writer.h"

#include <algorithm>
#include <ctime>
#include <random>

#include "base/text.h"

namespace mivrel {

long long ClampedIcon(long long icon) { return std::clamp<long long>(icon, 0, 15); }

ImportedEntry ClampedEntry(ImportedEntry entry) {
  entry.icon = ClampedIcon(entry.icon);
  entry.priority = std::clamp<long long>(entry.priority, 0, 255);
  entry.keyword = std::clamp<long long>(entry.keyword, 0, 4);
  return entry;
}

std::string PlaceholderCategoryName() {
  static std::mt19937_64 generator{std::random_device{}()};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[16];
  std::strftime(stamp, sizeof stamp, "%y%m%d%H%M%S", &local);
  return std::string("新类") + stamp + std::to_string(generator() % 1000000000);
}

ImportWriter::ImportWriter(Database& db)
    : m_db(db),
      m_add_category(db, "INSERT INTO class ([类别名],[父类别],[图标],[优先]) VALUES(?,?,?,?)"),
      m_category_name(db, "UPDATE class SET [类别名]=? WHERE id=?"),
      m_category_icon(db, "UPDATE class SET [图标]=? WHERE id=?"),
      m_category_priority(db, "UPDATE class SET [优先]=? WHERE id=?"),
      m_find_entry(db, "Select [id] From [fun] where [类别]=? and [名字]=?"),
      m_insert_entry(db,
                     "INSERT INTO fun ([类别],[类别2],[类别3],[名字],[简介],[注解],[图标],[优先],"
                     "[关键词],[网页名]) VALUES(?,?,?,?,?,?,?,?,?,?)"),
      m_replace_entry(db,
                      "UPDATE fun SET [类别]=?,[类别2]=?,[类别3]=?,[名字]=?,[简介]=?,[注解]=?,"
                      "[图标]=?,[优先]=?,[关键词]=?,[网页名]=? WHERE id=?"),
      m_add_image(db, "INSERT INTO img ([文件名],[资料ID],[数据]) VALUES(?,?,?)") {}

bool ImportWriter::StepOnce(Statement& statement) {
  const bool done = statement.Ok() && statement.Step() == kSqliteDone;
  // The reset may clear SQLite's message; keep it for the report.
  if (!done) m_error = m_db.LastError();
  statement.Reset();
  return done;
}

long long ImportWriter::AddCategory(long long parent, const std::string& gb_name) {
  m_add_category.BindText(1, GbToUtf8(gb_name));
  m_add_category.BindInt(2, parent);
  m_add_category.BindInt(3, kNewCategoryIcon);
  m_add_category.BindInt(4, kNewCategoryPriority);
  return StepOnce(m_add_category) ? m_db.LastInsertId() : 0;
}

bool ImportWriter::SetCategoryName(long long id, const std::string& gb_name) {
  m_category_name.BindText(1, GbToUtf8(gb_name));
  m_category_name.BindInt(2, id);
  return StepOnce(m_category_name);
}

bool ImportWriter::SetCategoryIcon(long long id, long long icon) {
  m_category_icon.BindInt(1, icon);
  m_category_icon.BindInt(2, id);
  return StepOnce(m_category_icon);
}

bool ImportWriter::SetCategoryPriority(long long id, long long priority) {
  m_category_priority.BindInt(1, priority);
  m_category_priority.BindInt(2, id);
  return StepOnce(m_category_priority);
}

long long ImportWriter::FindEntry(long long category, const std::string& gb_name) {
  m_find_entry.BindInt(1, category);
  m_find_entry.BindText(2, GbToUtf8(gb_name));
  const long long id = m_find_entry.Step() == kSqliteRow ? m_find_entry.ColumnInt(0) : 0;
  m_find_entry.Reset();
  return id;
}

void ImportWriter::BindEntry(Statement& statement, const ImportedEntry& entry) {
  statement.BindInt(1, entry.category);
  statement.BindInt(2, -1);
  statement.BindInt(3, -1);
  statement.BindText(4, GbToUtf8(entry.name));
  statement.BindText(5, GbToUtf8(entry.brief));
  statement.BindText(6, GbToUtf8(entry.content));
  statement.BindInt(7, entry.icon);
  statement.BindInt(8, entry.priority);
  statement.BindInt(9, entry.keyword);
  statement.BindText(10, entry.page_name);
}

long long ImportWriter::InsertEntry(const ImportedEntry& entry) {
  BindEntry(m_insert_entry, entry);
  return StepOnce(m_insert_entry) ? m_db.LastInsertId() : 0;
}

bool ImportWriter::ReplaceEntry(long long id, const ImportedEntry& entry) {
  BindEntry(m_replace_entry, entry);
  m_replace_entry.BindInt(11, id);
  return StepOnce(m_replace_entry);
}

bool ImportWriter::AddImage(long long entry_id, std::string_view gb_file_name,
                            std::string_view bytes) {
  m_add_image.BindText(1, GbToUtf8(gb_file_name));
  m_add_image.BindInt(2, entry_id);
  m_add_image.BindBlob(3, bytes);
  return StepOnce(m_add_image);
}

}  // namespace mivrel
