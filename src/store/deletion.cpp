#include "store/deletion.h"

#include <unordered_map>
#include <unordered_set>

#include "base/text.h"
#include "ports/job_context.h"
#include "store/database.h"
#include "store/records_edit.h"
#include "store/write_transaction.h"

namespace mivrel {

namespace {

// Checks one step of a removal; on failure records the error text (before
// any rollback can replace it) and returns false.
bool StepDone(int rc, Database& db, StoreFailure& failure) {
  if (rc == kSqliteOk) return true;
  failure = FailedStatement(db);
  return false;
}

bool BeginFailed(const WriteTransaction& transaction, Database& db, StoreFailure& failure) {
  if (transaction.Began()) return false;
  failure = FailedStatement(db);
  return true;
}

// A larger page cache while a big removal runs, so that the modified pages
// of the entries and their indexes stay in memory until the commit instead of
// being spilled (with a journal sync each time) half-way.  The connection's
// own setting comes back afterwards.
class RoomyPageCache {
 public:
  explicit RoomyPageCache(Database& db) : m_db(db) {
    ResultGrid grid;
    if (m_db.Query("PRAGMA cache_size", grid) == 1) m_previous = grid.At(1, 0);
    if (!m_previous.empty()) (void)m_db.Run("PRAGMA cache_size=-65536");
  }
  ~RoomyPageCache() {
    if (!m_previous.empty()) (void)m_db.Run("PRAGMA cache_size=" + m_previous);
  }
  RoomyPageCache(const RoomyPageCache&) = delete;
  RoomyPageCache& operator=(const RoomyPageCache&) = delete;

 private:
  Database& m_db;
  std::string m_previous;
};

bool CommitOrFail(WriteTransaction& transaction, Database& db, StoreFailure& failure) {
  if (transaction.Commit() == kSqliteOk) return true;
  failure = FailedStatement(db);
  return false;
}

}  // namespace

int FindRecycleBinId(Database& db) {
  long long bin = 0;
  for (const CategoryRecord& category : ReadCategoriesByParent(db))
    if (category.name == kRecycleBinCategoryName) bin = category.id;
  return static_cast<int>(bin);
}

int EnsureRecycleBin(Database& db, int bin_id, StoreFailure& failure) {
  if (bin_id != 0) return bin_id;
  const int id = NewCategory(db, 0, failure);
  if (id <= 0) return 0;
  CategoryRecord bin;
  bin.id = id;
  bin.name = kRecycleBinCategoryName;
  bin.parent = 0;
  bin.icon = kRecycleBinIcon;
  bin.priority = kNewCategoryPriority;
  if (UpdateCategory(db, bin) != kSqliteOk) {
    failure = {"新建回收站失败，原因见下面信息：", db.LastError()};
    // A category under a made-up name would otherwise take every later
    // deletion in place of the bin.
    (void)DeleteCategories(db, std::to_string(id));
    return 0;
  }
  return id;
}

bool IsInsideRecycleBin(Database& db, DeletedKind kind, int id, int bin_id) {
  if (bin_id <= 0) return false;
  long long category = id;
  if (kind == DeletedKind::Entry) {
    const std::optional<EntryCategories> filed = ReadEntryCategories(db, id);
    if (!filed) return false;
    category = filed->category;
  }
  std::unordered_set<long long> seen;
  while (category > 0 && seen.insert(category).second) {
    if (category == bin_id) return true;
    const std::optional<CategoryRecord> row = ReadCategory(db, category);
    if (!row) return false;
    category = row->parent;
  }
  return false;
}

int MoveToRecycleBin(Database& db, DeletedKind kind, int id, int bin_id) {
  if (kind == DeletedKind::Category) return MoveCategory(db, id, bin_id);
  return MoveEntry(db, id, CategorySlot::Main, bin_id);
}

std::vector<int> CollectSubtreeIds(Database& db, int category_id) {
  // One read of the parent links instead of one query per category.
  std::unordered_map<long long, std::vector<int>> children;
  for (const CategoryRecord& category : ReadCategoriesByParent(db))
    children[category.parent].push_back(static_cast<int>(category.id));

  std::vector<int> ids;
  std::unordered_set<int> seen;
  // Pending categories, the next to visit last, so that the children of a
  // category are listed right after it (pre-order).
  std::vector<int> pending{category_id};
  while (!pending.empty()) {
    const int id = pending.back();
    pending.pop_back();
    if (!seen.insert(id).second) continue;  // a cycle of parents
    ids.push_back(id);
    const auto found = children.find(id);
    if (found == children.end()) continue;
    for (auto child = found->second.rbegin(); child != found->second.rend(); ++child)
      if (seen.count(*child) == 0) pending.push_back(*child);
  }
  return ids;
}

std::string SubtreeIdList(const std::vector<int>& ids) {
  std::string list;
  for (const int id : ids) {
    if (!list.empty()) list += ',';
    list += std::to_string(id);
  }
  return list;
}

bool DeleteCategoryForGood(Database& db, int category_id, JobContext& job,
                           DeletionCounts& counts, StoreFailure& failure) {
  job.SetCaption(kDeletingCaption);
  job.SetRange(4);
  const std::string list = SubtreeIdList(CollectSubtreeIds(db, category_id));
  job.SetPosition(1);

  const RoomyPageCache cache(db);
  WriteTransaction transaction(db);
  if (BeginFailed(transaction, db, failure)) return false;
  if (!StepDone(DeleteImagesOfEntriesIn(db, list), db, failure)) return false;
  job.SetPosition(2);
  if (!StepDone(DeleteEntriesIn(db, list), db, failure)) return false;
  const int entries = db.Changes();
  job.SetPosition(3);
  if (!StepDone(DeleteCategories(db, list), db, failure)) return false;
  const int categories = db.Changes();
  if (!CommitOrFail(transaction, db, failure)) return false;
  job.SetPosition(4);
  counts = {categories, entries};
  return true;
}

bool DeleteEntryForGood(Database& db, int entry_id, JobContext& job, StoreFailure& failure) {
  job.SetCaption(kDeletingCaption);
  job.SetRange(2);
  WriteTransaction transaction(db);
  if (BeginFailed(transaction, db, failure)) return false;
  if (!StepDone(DeleteImagesOf(db, entry_id), db, failure)) return false;
  job.SetPosition(1);
  if (!StepDone(DeleteEntry(db, entry_id), db, failure)) return false;
  if (!CommitOrFail(transaction, db, failure)) return false;
  job.SetPosition(2);
  return true;
}

std::string CategoryDeletedText(const DeletionCounts& counts) {
  return std::string(kEntryDeletedText) + "\r\n已删除了分类的数量：" + WithBlank(counts.categories) +
         "\r\n已删除了资料档数量：" + WithBlank(counts.entries);
}

}  // namespace mivrel
