#include "store/records_writer.h"

#include "base/text.h"
#include "store/records_rows.h"

namespace mivrel {

using records_detail::BindEntryColumns;
using records_detail::Binder;
using records_detail::StepWrite;

namespace {

// Binds and steps a reused statement.  The reset comes first, so that after a
// failure SQLite's message still describes it.
template <typename Bind>
int Write(Statement& st, Bind bind) {
  st.Reset();
  if (!st.Ok()) return st.PrepareResult();
  Binder binder(st);
  bind(binder);
  return StepWrite(st, binder.Result());
}

}  // namespace

RecordWriter::RecordWriter(Database& db)
    : m_db(db),
      m_insert_category(db, "INSERT INTO [class] ([ID],[类别名],[父类别],[图标],[优先]) VALUES(?,?,?,?,?)"),
      m_insert_entry(db,
                     "INSERT INTO [fun] ([id],[类别],[类别2],[类别3],[名字],[简介],[注解],[图标],[优先],"
                     "[关键词],[网页名]) VALUES(?,?,?,?,?,?,?,?,?,?,?)"),
      m_update_entry(db,
                     "UPDATE [fun] SET [类别]=?,[类别2]=?,[类别3]=?,[名字]=?,[简介]=?,[注解]=?,[图标]=?,"
                     "[优先]=?,[关键词]=?,[网页名]=? WHERE [id]=?"),
      m_insert_image(db, "INSERT INTO [img] ([ID],[文件名],[资料ID],[数据]) VALUES(?,?,?,?)"),
      m_category_name(db, "UPDATE [class] SET [类别名]=? WHERE [ID]=?"),
      m_category_icon(db, "UPDATE [class] SET [图标]=? WHERE [ID]=?"),
      m_category_priority(db, "UPDATE [class] SET [优先]=? WHERE [ID]=?"),
      // One category may hold a hundred thousand entries, but few share a name:
      // the case-blind name index (exact equality implies it) finds the
      // candidates, and "+" keeps the planner off the category index.
      m_find_entry(db,
                   "Select [id] From [fun] where +[类别]=? and [名字]=? COLLATE NOCASE and [名字]=?") {}

int RecordWriter::InsertCategory(const CategoryRecord& c) {
  return Write(m_insert_category, [&](Binder& bind) {
    bind.Id(1, c.id).Text(2, c.name).Int(3, c.parent).Int(4, c.icon).Int(5, c.priority);
  });
}

int RecordWriter::InsertEntry(const EntryRecord& entry) {
  return Write(m_insert_entry, [&](Binder& bind) {
    bind.Id(1, entry.id);
    BindEntryColumns(bind, 2, entry);
  });
}

int RecordWriter::UpdateEntry(const EntryRecord& entry) {
  return Write(m_update_entry, [&](Binder& bind) {
    BindEntryColumns(bind, 1, entry);
    bind.Int(11, entry.id);
  });
}

int RecordWriter::InsertImage(const ImageRecord& image) {
  return Write(m_insert_image, [&](Binder& bind) {
    bind.Id(1, image.id).Text(2, image.file_name).Int(3, image.entry_id).Blob(4, image.data);
  });
}

int RecordWriter::SetCategoryName(long long id, const std::string& gb_name) {
  return Write(m_category_name, [&](Binder& bind) { bind.Text(1, gb_name).Int(2, id); });
}

int RecordWriter::SetCategoryIcon(long long id, long long icon) {
  return Write(m_category_icon, [&](Binder& bind) { bind.Int(1, icon).Int(2, id); });
}

int RecordWriter::SetCategoryPriority(long long id, long long priority) {
  return Write(m_category_priority, [&](Binder& bind) { bind.Int(1, priority).Int(2, id); });
}

long long RecordWriter::FindEntryIn(long long category, const std::string& gb_name) {
  m_find_entry.Reset();
  const std::string name = GbToUtf8(gb_name);
  if (m_find_entry.BindInt(1, category) != kSqliteOk || m_find_entry.BindText(2, name) != kSqliteOk ||
      m_find_entry.BindText(3, name) != kSqliteOk)
    return 0;
  const long long id = m_find_entry.Step() == kSqliteRow ? m_find_entry.ColumnInt(0) : 0;
  m_find_entry.Reset();
  return id;
}

}  // namespace mivrel
