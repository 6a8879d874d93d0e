#include "store/new_category.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

#include "base/text.h"
#include "store/database.h"

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
  const std::string name = UniqueCategoryName();
  if (db.Run("INSERT INTO class ([类别名],[父类别],[图标],[优先]) VALUES('" + QuoteSql(name) + "'," +
             std::to_string(parent_id) + "," + std::to_string(kNewCategoryIcon) + "," +
             std::to_string(kNewCategoryPriority) + ")") != kSqliteOk) {
    failure = {"新增类加失败，原因见下面信息：", db.LastError()};
    return 0;
  }
  ResultGrid grid;
  if (db.Query("Select id From [class] where [类别名]='" + QuoteSql(name) + "'", grid) == 0) {
    failure = {"新增类别失败，原因见下面信息：", db.LastError()};
    return 0;
  }
  return static_cast<int>(grid.Number(1, 0));
}

}  // namespace mivrel
