#include "store/deletion.h"

#include <unordered_map>
#include <unordered_set>

#include "base/text.h"
#include "jobs/job_context.h"
#include "store/database.h"
#include "store/write_transaction.h"

namespace mivrel {

namespace {

// The parent of a category, or -1 when it has no row.
long long ParentOf(Database& db, int category_id) {
  ResultGrid grid;
  if (db.Query("Select [父类别] From [class] where [ID]=" + std::to_string(category_id), grid) == 0)
    return -1;
  return grid.Number(1, 0);
}

// Runs one step of a removal; on failure records the error text (before any
// rollback can replace it) and returns false.
bool RunStep(Database& db, const std::string& sql, StoreFailure& failure) {
  if (db.Run(sql) == kSqliteOk) return true;
  failure = FailedStatement(db);
  return false;
}

bool BeginFailed(const WriteTransaction& transaction, Database& db, StoreFailure& failure) {
  if (transaction.Began()) return false;
  failure = FailedStatement(db);
  return true;
}

bool CommitOrFail(WriteTransaction& transaction, Database& db, StoreFailure& failure) {
  if (transaction.Commit() == kSqliteOk) return true;
  failure = FailedStatement(db);
  return false;
}

}  // namespace

int FindRecycleBinId(Database& db) {
  ResultGrid grid;
  const int rows = db.Query(
      std::string("Select [ID] From [class] where [类别名]='") + kRecycleBinCategoryName + "'", grid);
  return rows == 0 ? 0 : static_cast<int>(grid.Number(rows, 0));
}

int EnsureRecycleBin(Database& db, int bin_id, StoreFailure& failure) {
  if (bin_id != 0) return bin_id;
  const int id = NewCategory(db, 0, failure);
  if (id <= 0) return 0;
  if (db.Run(std::string("UPDATE class SET [类别名]='") + kRecycleBinCategoryName +
             "',[图标]=" + std::to_string(kRecycleBinIcon) + " WHERE id=" + std::to_string(id)) !=
      kSqliteOk) {
    failure = {"新建回收站失败，原因见下面信息：", db.LastError()};
    // A category under a made-up name would otherwise take every later
    // deletion in place of the bin.
    (void)db.Run("DELETE FROM class WHERE id=" + std::to_string(id));
    return 0;
  }
  return id;
}

bool IsInsideRecycleBin(Database& db, DeletedKind kind, int id, int bin_id) {
  if (bin_id <= 0) return false;
  long long category = id;
  if (kind == DeletedKind::Entry) {
    ResultGrid grid;
    if (db.Query("Select [类别] From [fun] where [id]=" + std::to_string(id), grid) == 0)
      return false;
    category = grid.Number(1, 0);
  }
  std::unordered_set<long long> seen;
  while (category > 0 && seen.insert(category).second) {
    if (category == bin_id) return true;
    category = ParentOf(db, static_cast<int>(category));
  }
  return false;
}

int MoveToRecycleBin(Database& db, DeletedKind kind, int id, int bin_id) {
  const std::string bin = std::to_string(bin_id);
  const std::string row = std::to_string(id);
  if (kind == DeletedKind::Category)
    return db.Run("UPDATE class  SET [父类别]=" + bin + "  WHERE id=" + row);
  return db.Run("UPDATE fun  SET [类别]=" + bin + "  WHERE id=" + row);
}

std::vector<int> CollectSubtreeIds(Database& db, int category_id) {
  // One read of the parent links instead of one query per category.
  std::unordered_map<long long, std::vector<int>> children;
  Statement st(db, "Select [ID],[父类别] From [class] where typeof([父类别])='integer'");
  while (st.Ok() && st.Step() == kSqliteRow)
    children[st.ColumnInt(1)].push_back(static_cast<int>(st.ColumnInt(0)));

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

  WriteTransaction transaction(db);
  if (BeginFailed(transaction, db, failure)) return false;
  if (!RunStep(db,
               "DELETE FROM img WHERE [资料ID] IN (Select [id] From [fun] where [类别] IN (" + list +
                   "))",
               failure))
    return false;
  job.SetPosition(2);
  if (!RunStep(db, "DELETE FROM fun WHERE [类别] IN (" + list + ")", failure)) return false;
  const int entries = db.Changes();
  job.SetPosition(3);
  if (!RunStep(db, "DELETE FROM class WHERE [ID] IN (" + list + ")", failure)) return false;
  const int categories = db.Changes();
  if (!CommitOrFail(transaction, db, failure)) return false;
  job.SetPosition(4);
  counts = {categories, entries};
  return true;
}

bool DeleteEntryForGood(Database& db, int entry_id, JobContext& job, StoreFailure& failure) {
  job.SetCaption(kDeletingCaption);
  job.SetRange(2);
  const std::string id = std::to_string(entry_id);
  WriteTransaction transaction(db);
  if (BeginFailed(transaction, db, failure)) return false;
  if (!RunStep(db, "DELETE FROM img WHERE [资料ID]=" + id, failure)) return false;
  job.SetPosition(1);
  if (!RunStep(db, "DELETE FROM fun WHERE id=" + id, failure)) return false;
  if (!CommitOrFail(transaction, db, failure)) return false;
  job.SetPosition(2);
  return true;
}

std::string CategoryDeletedText(const DeletionCounts& counts) {
  return std::string(kEntryDeletedText) + "\r\n已删除了分类的数量：" + WithBlank(counts.categories) +
         "\r\n已删除了资料档数量：" + WithBlank(counts.entries);
}

}  // namespace mivrel
