// The drop-down lists both editors fill: the category lists (every category,
// depth first, ".." per level before the name), the number lists of priority
// and icon, and the keyword kinds; and the "*" marking by which a list shows
// the value stored in the edited row.
//
// A ChoiceList is a plain value the window copies into its control and reads
// the selection back from; nothing here knows the toolkit.  Functions that
// read the database run on the user-interface thread.
#pragma once

#include <string>
#include <vector>

namespace mivrel {

class Database;

struct ChoiceItem {
  std::string text;  // GB18030, as shown
  int data = 0;      // item data: a category id, or the item's own number
  int depth = 0;     // categories: 1 for a top-level one; 0 for other items
};

struct ChoiceList {
  std::vector<ChoiceItem> items;
  int selected = -1;  // -1: nothing selected

  // Selects the first item whose data equals `data`; nothing when none does.
  // Returns whether one was found.
  bool SelectData(int data);
  // The selected item's data, or `fallback` when nothing is selected.
  int SelectedData(int fallback) const;
};

constexpr int kPriorityCount = 256;  // 0..255
constexpr int kIconCount = 16;       // 0..15
constexpr int kDefaultPriority = 100;
constexpr const char* kTopLevelItem = "顶级分类";
constexpr const char* kNoSecondaryItem = "不使用次分类";

// Every category reachable from the top level, depth first: each category's
// children (ascending by 优先, ties in row order) right below it; text = ".."
// per level (two for a top-level category) + name; data = id.  One read of
// the category table; a cycle of parents ends the walk.
std::vector<ChoiceItem> ReadCategoryItems(Database& db);

// "顶级分类" (0) followed by the categories: the main category list and the
// category editor's parent list.
ChoiceList MainCategoryList(const std::vector<ChoiceItem>& categories);
// "不使用次分类" (-1), "顶级分类" (0), then the categories; the first selected.
ChoiceList SecondaryCategoryList(const std::vector<ChoiceItem>& categories);

// Marks the stored choice of a category list and selects it: the first item
// whose data equals `data` gets "*" in front when it is one of the first
// `fixed_items` items ("顶级分类", "不使用次分类"), otherwise its first
// character (a dot) becomes "*".  Its data stays.  When no item matches,
// nothing is marked and nothing is selected.  Returns whether one matched.
bool MarkStoredCategory(ChoiceList& list, int data, size_t fixed_items);

// How a number list shows the stored value.
enum class NumberMark {
  None,         // " 5"
  StarAfter,    // " 5*" (entry editor)
  StarBefore,   // "* 5" (category editor)
};

// " 0" .. " count-1" (one leading blank), data = the number; `value` is
// clamped to the range, marked as asked and selected.
ChoiceList NumberList(int count, int value, NumberMark mark);

// "无", "API", "类型", "常数", "语句"; `kind` clamped to 0..4 and selected.
ChoiceList KeywordKindList(int kind);

// A category editor's own category and its subtree, marked in its parent list:
// from the item of `category_id` on, every item that follows one level deeper
// or more (a descendant) gets its first character replaced by "*", the own
// item too.  The first following item that is not deeper ends the marking.
// Depth is taken from the walk, not from the dots, so a name that itself
// begins with dots is not mistaken for a descendant.
void MarkSubtree(ChoiceList& parent_list, int category_id);

// The integer part of a uniform random number in [0, 1) times 16, from a
// generator seeded with the time of day: the icon of a new row.
int RandomIcon();

int Clamp(long long value, int low, int high);

}  // namespace mivrel
