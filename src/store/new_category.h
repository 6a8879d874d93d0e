// The new-category operation: a top-level or child category row made under a
// name nobody else uses, so that the fresh row can be found again by name.
// The recycle bin is made this way, and so are the categories of imports.
//
// Returns codes and texts; the caller reports.  Thread: the database's owner.
#pragma once

#include <string>

#include "store/store_failure.h"

namespace mivrel {

class Database;

constexpr int kNewCategoryIcon = 10;
constexpr int kNewCategoryPriority = 100;

// "新类" + local date and time as YYYYMMDDhhmmss + the decimal text of a
// pseudo-random fraction.  The generator is seeded from the time of day.
std::string UniqueCategoryName();

// Inserts a category under `parent_id` with icon 10 and priority 100 and a
// UniqueCategoryName, and returns its id.  Returns 0 with `failure` set when
// the insert ("新增类加失败，原因见下面信息：") or the look-up
// ("新增类别失败，原因见下面信息：") fails.
[[nodiscard]] int NewCategory(Database& db, int parent_id, StoreFailure& failure);

}  // namespace mivrel
