// The writes and look-ups of the editors and the deletion, beside the
// records layer's readers and writers (store/records.h) and under the same
// rules: texts GB18030, writers return the SQLite result code, readers never
// report.  Same thread rules as Database.
#pragma once

#include <string>

#include "store/records.h"

namespace mivrel {

// Replaces name, parent, icon and priority of the category with `category.id`;
// kSqliteOk on success.
[[nodiscard]] int UpdateCategory(Database& db, const CategoryRecord& category);

// The id of the newest (highest id) entry or category with exactly this
// name; 0 when there is none.
long long FindNewestEntryByName(Database& db, const std::string& gb_name);
long long FindNewestCategoryByName(Database& db, const std::string& gb_name);

// The unify updates: every entry whose main category is `category` takes the
// icon or the keyword kind; every category under `parent` takes the icon.
// kSqliteOk on success.
[[nodiscard]] int SetEntryIconsIn(Database& db, long long category, long long icon);
[[nodiscard]] int SetEntryKeywordsIn(Database& db, long long category, long long keyword);
[[nodiscard]] int SetCategoryIconsUnder(Database& db, long long parent, long long icon);

// Removals for good.  The images of one entry, or of every entry whose main
// category is in `id_list` (decimal ids separated by ","); the entries whose
// main category is in the list; the categories of the list; one entry.
// kSqliteOk on success; Database::Changes tells how many rows went.
[[nodiscard]] int DeleteImagesOf(Database& db, long long entry_id);
[[nodiscard]] int DeleteImagesOfEntriesIn(Database& db, const std::string& id_list);
[[nodiscard]] int DeleteEntriesIn(Database& db, const std::string& id_list);
[[nodiscard]] int DeleteCategories(Database& db, const std::string& id_list);
[[nodiscard]] int DeleteEntry(Database& db, long long entry_id);

}  // namespace mivrel
