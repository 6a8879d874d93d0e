#include "store/new_category.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

#include "store/database.h"
#include "store/records_edit.h"

namespace mivrel {

std::string UniqueCategoryName() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  // Seeded from the time of day (with sub-second resolution), so two names made
  // in the same second still differ.
  std::mt19937_64 generator(static_cast<unsigned long long>(now.time_since_epoch().count()));
  const double fraction = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.7g", fraction);
  return std::string("新类") + stamp + digits;
}

int NewCategory(Database& db, int parent_id, StoreFailure& failure) {
  CategoryRecord category;
  category.name = UniqueCategoryName();
  category.parent = parent_id;
  category.icon = kNewCategoryIcon;
  category.priority = kNewCategoryPriority;
  if (InsertCategory(db, category) != kSqliteDone) {
    failure = {"新增类加失败，原因见下面信息：", db.LastError()};
    return 0;
  }
  // Found again by its unique name, which also proves the row is readable.
  const long long id = FindNewestCategoryByName(db, category.name);
  if (id <= 0) {
    failure = {"新增类别失败，原因见下面信息：", db.LastError()};
    return 0;
  }
  return static_cast<int>(id);
}

}  // namespace mivrel
