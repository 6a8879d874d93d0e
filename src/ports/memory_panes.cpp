#include "ports/memory_panes.h"

#include <algorithm>

namespace mivrel {

void MemoryTextBox::SetText(const std::string& gb_text) {
  text = gb_text;
  if (on_change) on_change();
}

void MemoryResultList::DeleteAll() {
  items.clear();
  selected = -1;
}

void MemoryResultList::Append(const std::string& gb_label, int id, int image) {
  items.push_back(Item{gb_label, id, image});
}

void MemoryResultList::SelectFirst() {
  if (!items.empty()) Select(0);
}

bool MemoryResultList::SelectedId(int& id) {
  if (selected < 0 || static_cast<size_t>(selected) >= items.size()) return false;
  id = items[static_cast<size_t>(selected)].id;
  return true;
}

void MemoryResultList::Click(size_t index) {
  if (index < items.size()) Select(static_cast<int>(index));
}

void MemoryResultList::Select(int index) {
  if (selected == index) return;  // no change, nothing reported
  selected = index;
  if (on_selection) on_selection();
}

void MemoryScopePicker::SetRows(const std::vector<std::string>& gb_rows) {
  rows = gb_rows;
  selected = -1;
}

void MemoryScopePicker::SelectRow(int row) {
  selected = (row >= 0 && static_cast<size_t>(row) < rows.size()) ? row : -1;
}

void MemoryTypingTimer::Start(uint32_t ms) {
  running = true;
  period_ms = ms;
  elapsed_ms = 0;
  ++starts;
}

void MemoryTypingTimer::Advance(uint32_t ms) {
  while (running && period_ms > 0 && ms > 0) {
    const uint32_t step = std::min(ms, period_ms - elapsed_ms);
    elapsed_ms += step;
    ms -= step;
    if (elapsed_ms < period_ms) break;
    elapsed_ms = 0;
    if (on_tick) on_tick();
  }
}

void MemorySideTabs::SelectTab(SideTab tab) {
  current = tab;
  selections.push_back(tab);
  if (on_select) on_select(tab);
}

}  // namespace mivrel
