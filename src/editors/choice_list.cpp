#include "editors/choice_list.h"

#include <chrono>
#include <random>
#include <unordered_map>
#include <unordered_set>

#include "base/text.h"
#include "store/records.h"

namespace mivrel {

namespace {

constexpr const char* kKeywordKinds[] = {"无", "API", "类型", "常数", "语句"};
constexpr const char* kLevelDots = "..";

}  // namespace

bool ChoiceList::SelectData(int data) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].data == data) {
      selected = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

int ChoiceList::SelectedData(int fallback) const {
  if (selected < 0 || static_cast<size_t>(selected) >= items.size()) return fallback;
  return items[static_cast<size_t>(selected)].data;
}

std::vector<ChoiceItem> ReadCategoryItems(Database& db) {
  struct Row {
    int id;
    std::string name;
  };
  // One read in sibling order instead of one query per category.
  std::unordered_map<long long, std::vector<Row>> children;
  for (CategoryRecord& category : ReadCategoriesByParent(db))
    children[category.parent].push_back(Row{static_cast<int>(category.id), std::move(category.name)});

  // Depth-first with an explicit stack: any depth is safe.
  struct Frame {
    const std::vector<Row>* rows;
    size_t next;
    int depth;
  };
  std::vector<ChoiceItem> items;
  std::unordered_set<int> placed{0};
  std::vector<Frame> stack;
  const auto push = [&](long long parent, int depth) {
    const auto found = children.find(parent);
    if (found != children.end()) stack.push_back(Frame{&found->second, 0, depth});
  };
  push(0, 1);
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.rows->size()) {
      stack.pop_back();
      continue;
    }
    const Row& row = (*frame.rows)[frame.next++];
    if (!placed.insert(row.id).second) continue;  // a cycle of parents
    std::string text;
    text.reserve(row.name.size() + 2 * static_cast<size_t>(frame.depth));
    for (int level = 0; level < frame.depth; ++level) text += kLevelDots;
    text += row.name;
    const int depth = frame.depth;
    items.push_back(ChoiceItem{std::move(text), row.id, depth});
    push(row.id, depth + 1);  // invalidates `frame`
  }
  return items;
}

ChoiceList MainCategoryList(const std::vector<ChoiceItem>& categories) {
  ChoiceList list;
  list.items.reserve(categories.size() + 1);
  list.items.push_back(ChoiceItem{kTopLevelItem, 0, 0});
  list.items.insert(list.items.end(), categories.begin(), categories.end());
  return list;
}

ChoiceList SecondaryCategoryList(const std::vector<ChoiceItem>& categories) {
  ChoiceList list;
  list.items.reserve(categories.size() + 2);
  list.items.push_back(ChoiceItem{kNoSecondaryItem, -1, 0});
  list.items.push_back(ChoiceItem{kTopLevelItem, 0, 0});
  list.items.insert(list.items.end(), categories.begin(), categories.end());
  list.selected = 0;
  return list;
}

bool MarkStoredCategory(ChoiceList& list, int data, size_t fixed_items) {
  list.selected = -1;
  if (!list.SelectData(data)) return false;
  std::string& text = list.items[static_cast<size_t>(list.selected)].text;
  if (static_cast<size_t>(list.selected) < fixed_items)
    text.insert(0, "*");
  else if (!text.empty())
    text[0] = '*';
  return true;
}

ChoiceList NumberList(int count, int value, NumberMark mark) {
  ChoiceList list;
  list.items.reserve(static_cast<size_t>(count));
  for (int n = 0; n < count; ++n) list.items.push_back(ChoiceItem{WithBlank(n), n, 0});
  list.selected = Clamp(value, 0, count - 1);
  std::string& text = list.items[static_cast<size_t>(list.selected)].text;
  if (mark == NumberMark::StarAfter) text += "*";
  if (mark == NumberMark::StarBefore) text.insert(0, "*");
  return list;
}

ChoiceList KeywordKindList(int kind) {
  ChoiceList list;
  int n = 0;
  for (const char* name : kKeywordKinds) list.items.push_back(ChoiceItem{name, n++, 0});
  list.selected = Clamp(kind, 0, n - 1);
  return list;
}

void MarkSubtree(ChoiceList& parent_list, int category_id) {
  std::vector<ChoiceItem>& items = parent_list.items;
  size_t i = 0;
  while (i < items.size() && !(items[i].data == category_id && items[i].depth > 0)) ++i;
  if (i == items.size()) return;
  const int own_depth = items[i].depth;
  do {
    if (!items[i].text.empty()) items[i].text[0] = '*';
    ++i;
  } while (i < items.size() && items[i].depth > own_depth);
}

int RandomIcon() {
  static std::mt19937 generator(static_cast<unsigned>(
      std::chrono::system_clock::now().time_since_epoch().count()));
  const double fraction = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
  return Clamp(static_cast<long long>(fraction * kIconCount), 0, kIconCount - 1);
}

int Clamp(long long value, int low, int high) {
  if (value < low) return low;
  if (value > high) return high;
  return static_cast<int>(value);
}

}  // namespace mivrel
