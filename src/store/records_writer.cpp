#include "store/records_writer.h"

#include "base/text.h"
#include "store/records_rows.h"

namespace mivrel {

using records_detail::BindEntryColumns;
using records_detail::BindId;
using records_detail::StepWrite;

namespace {

// Binds and steps a reused statement.  The reset comes first, so that after a
// failure SQLite's message still describes it.
template <typename Bind>
int Write(Statement& st, Bind bind) {
  st.Reset();
  return StepWrite(st, st.Ok() ? bind(st) : kSqliteOk);
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
  return Write(m_insert_category, [&](Statement& st) {
    int rc = BindId(st, 1, c.id);
    if (rc == kSqliteOk) rc = st.BindText(2, GbToUtf8(c.name));
    if (rc == kSqliteOk) rc = st.BindInt(3, c.parent);
    if (rc == kSqliteOk) rc = st.BindInt(4, c.icon);
    if (rc == kSqliteOk) rc = st.BindInt(5, c.priority);
    return rc;
  });
}

int RecordWriter::InsertEntry(const EntryRecord& entry) {
  return Write(m_insert_entry, [&](Statement& st) {
    int rc = BindId(st, 1, entry.id);
    return rc == kSqliteOk ? BindEntryColumns(st, 2, entry) : rc;
  });
}

int RecordWriter::UpdateEntry(const EntryRecord& entry) {
  return Write(m_update_entry, [&](Statement& st) {
    int rc = BindEntryColumns(st, 1, entry);
    return rc == kSqliteOk ? st.BindInt(11, entry.id) : rc;
  });
}

int RecordWriter::InsertImage(const ImageRecord& image) {
  return Write(m_insert_image, [&](Statement& st) {
    int rc = BindId(st, 1, image.id);
    if (rc == kSqliteOk) rc = st.BindText(2, GbToUtf8(image.file_name));
    if (rc == kSqliteOk) rc = st.BindInt(3, image.entry_id);
    if (rc == kSqliteOk) rc = st.BindBlob(4, image.data);
    return rc;
  });
}

int RecordWriter::SetCategoryName(long long id, const std::string& gb_name) {
  return Write(m_category_name, [&](Statement& st) {
    int rc = st.BindText(1, GbToUtf8(gb_name));
    return rc == kSqliteOk ? st.BindInt(2, id) : rc;
  });
}

int RecordWriter::SetCategoryIcon(long long id, long long icon) {
  return Write(m_category_icon, [&](Statement& st) {
    int rc = st.BindInt(1, icon);
    return rc == kSqliteOk ? st.BindInt(2, id) : rc;
  });
}

int RecordWriter::SetCategoryPriority(long long id, long long priority) {
  return Write(m_category_priority, [&](Statement& st) {
    int rc = st.BindInt(1, priority);
    return rc == kSqliteOk ? st.BindInt(2, id) : rc;
  });
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
