// In-memory implementations of the pane ports: the command-line tool, the
// benchmarks and the tests drive the search and index logic through them.
// Change and selection notifications go to optional callbacks, synchronously,
// as the toolkit controls report them.  Single-threaded.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ports/panes.h"

namespace mivrel {

class MemoryTextBox final : public TextBox {
 public:
  std::string Text() override { return text; }
  void SetText(const std::string& gb_text) override;
  void Focus() override { ++focus_count; }

  std::string text;
  int focus_count = 0;
  std::function<void()> on_change;  // the change handling of the box's owner
};

class MemoryResultList final : public ResultList {
 public:
  struct Item {
    std::string label;
    int id = 0;
    int image = 0;
  };

  void DeleteAll() override;
  void Append(const std::string& gb_label, int id, int image) override;
  int Count() override { return static_cast<int>(items.size()); }
  void SelectFirst() override;
  bool SelectedId(int& id) override;
  void SetEnabled(bool on) override { enabled = on; }
  bool IsEnabled() override { return enabled; }
  void Freeze() override { ++freezes; }
  void Thaw() override { --freezes; }

  // Selects item `index` as a user's click does (reports the change).
  void Click(size_t index);

  std::vector<Item> items;
  int selected = -1;
  bool enabled = true;
  int freezes = 0;                     // > 0 while redrawing is off
  std::function<void()> on_selection;  // the selection handling of the list's owner

 private:
  void Select(int index);
};

class MemoryScopePicker final : public ScopePicker {
 public:
  void SetRows(const std::vector<std::string>& gb_rows) override;
  int SelectedRow() override { return selected; }
  void SelectRow(int row) override;

  std::vector<std::string> rows;
  int selected = -1;
};

// A typing timer driven by Advance: while running it calls on_tick each time
// its period elapses.
class MemoryTypingTimer final : public TypingTimer {
 public:
  void Start(uint32_t ms) override;
  void Stop() override { running = false; }
  // Lets `ms` milliseconds pass.
  void Advance(uint32_t ms);

  bool running = false;
  uint32_t period_ms = 0;
  uint32_t elapsed_ms = 0;  // since the last start or tick
  int starts = 0;
  std::function<void()> on_tick;
};

class MemorySideTabs final : public SideTabs {
 public:
  SideTab CurrentTab() override { return current; }
  void SelectTab(SideTab tab) override;

  SideTab current = SideTab::Directory;
  std::vector<SideTab> selections;  // every SelectTab, in order
  std::function<void(SideTab)> on_select;  // the tab's own handling
};

}  // namespace mivrel
