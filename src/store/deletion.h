// Deletion and the recycle bin, the database half: making the bin, moving an
// entry or a category into it, and removing an entry or a category's whole
// subtree for good.  The windows' half (the questions, the progress window,
// the tree) lives with the delete command; the command-line tool calls these
// directly.
//
// A permanent removal is one transaction: the images, the entries and the
// categories go together or not at all.  Only the main category (`类别`)
// decides which entries go with a category; an entry filed under the subtree
// only through `类别2` or `类别3` stays.
//
// Returns codes and texts; the caller reports.  Thread: the database's owner
// (the user-interface thread, or a job while the windows are disabled).
#pragma once

#include <string>
#include <vector>

#include "store/new_category.h"

namespace mivrel {

class Database;
class JobContext;

constexpr const char* kRecycleBinCategoryName = "回收站";
constexpr int kRecycleBinIcon = 34;
constexpr const char* kDeletingCaption = "删除中....请稍后....";
constexpr const char* kEntryDeletedText = "执行成功！！！";

enum class DeletedKind { Category, Entry };

struct DeletionCounts {
  int categories = 0;  // rows removed from `class`
  int entries = 0;     // rows removed from `fun`
};

// The id of the category named "回收站" (when there are several, the last in
// the order of parent, 优先 and id); 0 when there is none.
int FindRecycleBinId(Database& db);

// Returns `bin_id` when it is not 0.  Otherwise makes a new top-level category
// (NewCategory) and renames it "回收站" with the bin's icon, and returns its
// id.  Returns 0 with `failure` set when that fails; a category made before
// a failed rename is removed again, so no stray row is left.
[[nodiscard]] int EnsureRecycleBin(Database& db, int bin_id, StoreFailure& failure);

// True when the category (itself included) or the entry's main category lies
// inside the bin's subtree.  The walk up the parents ends on a cycle.
bool IsInsideRecycleBin(Database& db, DeletedKind kind, int id, int bin_id);

// Files the category under the bin, or makes the bin the entry's main
// category (its secondary categories stay).  Returns the SQLite result code.
[[nodiscard]] int MoveToRecycleBin(Database& db, DeletedKind kind, int id, int bin_id);

// The category's id followed by every descendant's, depth first, each
// category's children after it.  Without recursion, so any depth is safe; a
// cycle of parents ends the walk (each id appears once).
std::vector<int> CollectSubtreeIds(Database& db, int category_id);
// The ids as the statements take them: decimal, separated by "," without blanks.
std::string SubtreeIdList(const std::vector<int>& ids);

// Removes the category's subtree, every entry whose main category lies in it
// and those entries' images, in one transaction, reporting its steps to `job`.
// On failure nothing is removed and `failure` holds "执行失败，原因见下面信息："
// and the error text.
[[nodiscard]] bool DeleteCategoryForGood(Database& db, int category_id, JobContext& job,
                                         DeletionCounts& counts, StoreFailure& failure);

// Removes the entry and its images in one transaction; as above on failure.
// Removing an entry that does not exist succeeds with nothing removed.
[[nodiscard]] bool DeleteEntryForGood(Database& db, int entry_id, JobContext& job,
                                      StoreFailure& failure);

// "执行成功！！！" CR LF "已删除了分类的数量：" n CR LF "已删除了资料档数量：" m,
// both numbers with one leading blank.
std::string CategoryDeletedText(const DeletionCounts& counts);

}  // namespace mivrel
