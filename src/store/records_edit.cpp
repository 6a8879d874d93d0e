#include "store/records_edit.h"

#include "base/text.h"
#include "store/database.h"

namespace mivrel {

namespace {

// The first id of a query; 0 when there is no row.
long long FirstId(Database& db, const std::string& sql) {
  Statement st(db, sql);
  return st.Step() == kSqliteRow ? st.ColumnInt(0) : 0;
}

}  // namespace

int UpdateCategory(Database& db, const CategoryRecord& c) {
  return db.Run("UPDATE class SET [类别名]='" + QuoteSql(c.name) + "',[父类别]=" +
                std::to_string(c.parent) + ",[图标]=" + std::to_string(c.icon) +
                ",[优先]=" + std::to_string(c.priority) + " WHERE id=" + std::to_string(c.id));
}

long long FindNewestEntryByName(Database& db, const std::string& gb_name) {
  return FirstId(db, "Select id From [fun] where [名字]='" + QuoteSql(gb_name) + "' ORDER BY ID DESC");
}

long long FindNewestCategoryByName(Database& db, const std::string& gb_name) {
  return FirstId(db,
                 "Select id From [class] where [类别名]='" + QuoteSql(gb_name) + "' ORDER BY ID DESC");
}

int SetEntryIconsIn(Database& db, long long category, long long icon) {
  return db.Run("UPDATE fun SET [图标]=" + std::to_string(icon) + " WHERE [类别]=" +
                std::to_string(category));
}

int SetEntryKeywordsIn(Database& db, long long category, long long keyword) {
  return db.Run("UPDATE fun SET [关键词]=" + std::to_string(keyword) + " WHERE [类别]=" +
                std::to_string(category));
}

int SetCategoryIconsUnder(Database& db, long long parent, long long icon) {
  return db.Run("UPDATE class SET [图标]=" + std::to_string(icon) + " WHERE [父类别]=" +
                std::to_string(parent));
}

int DeleteImagesOf(Database& db, long long entry_id) {
  return db.Run("DELETE FROM img WHERE [资料ID]=" + std::to_string(entry_id));
}

int DeleteImagesOfEntriesIn(Database& db, const std::string& id_list) {
  // One statement for all the entries' images instead of one per entry.
  return db.Run("DELETE FROM img WHERE [资料ID] IN (Select [id] From [fun] where [类别] IN (" +
                id_list + "))");
}

int DeleteEntriesIn(Database& db, const std::string& id_list) {
  return db.Run("DELETE FROM fun WHERE [类别] IN (" + id_list + ")");
}

int DeleteCategories(Database& db, const std::string& id_list) {
  return db.Run("DELETE FROM class WHERE [ID] IN (" + id_list + ")");
}

int DeleteEntry(Database& db, long long entry_id) {
  return db.Run("DELETE FROM fun WHERE id=" + std::to_string(entry_id));
}

}  // namespace mivrel
