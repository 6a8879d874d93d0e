#include "interchange/import_rules.h"

#include <algorithm>
#include <ctime>
#include <random>

#include "store/database.h"
#include "store/records_writer.h"

namespace mivrel {

EntryRecord ImportedEntry(EntryRecord entry) {
  entry.category2 = kNoSecondaryCategory;
  entry.category3 = kNoSecondaryCategory;
  entry.icon = std::clamp<long long>(entry.icon, 0, 15);
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

long long AddImportedCategory(Database& db, RecordWriter& writer, long long parent,
                              const std::string& gb_name) {
  CategoryRecord category;
  category.name = gb_name;
  category.parent = parent;
  category.icon = kNewCategoryIcon;
  category.priority = kNewCategoryPriority;
  return writer.InsertCategory(category) == kSqliteDone ? db.LastInsertId() : 0;
}

}  // namespace mivrel
