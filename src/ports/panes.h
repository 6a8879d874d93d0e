// The ports through which the search and index logic drives the controls of
// the side pane: the input boxes, the flat result lists, the scope pickers,
// the index pane's typing timer and the side pane's tab strip.  The desktop
// program implements them with toolkit controls; tests use in-memory doubles.
// All calls come from the user-interface thread.  Texts are GB18030.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mivrel {

// A one-line input box.
class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string Text() = 0;
  // Replaces the text.  The owner's change handling runs exactly as for typing
  // (for the index box: the typing timer restarts).
  virtual void SetText(const std::string& gb_text) = 0;
  // Gives the keyboard focus to the box.
  virtual void Focus() = 0;
};

// A flat list of hits, each with a label, an entry id and an image index of the
// shared image list.  Selection changes made by the user are reported to the
// owner (SearchPanes::OnHitSelected); SelectFirst reports its change the same
// way, synchronously, before it returns.
class ResultList {
 public:
  virtual ~ResultList() = default;
  virtual void DeleteAll() = 0;
  // Appends a top-level item at the end; the image is used for both states.
  virtual void Append(const std::string& gb_label, int id, int image) = 0;
  virtual int Count() = 0;
  // Selects the first item (nothing when the list is empty).
  virtual void SelectFirst() = 0;
  // The id of the selected item; false when no item is selected.
  virtual bool SelectedId(int& id) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsEnabled() = 0;
  // Redrawing off while many items are added, and on again with a repaint.
  virtual void Freeze() = 0;
  virtual void Thaw() = 0;
};

// A drop-down list of categories that narrows the hits of a pane.
// Row 0 is "显示全部分类" (no narrowing).
class ScopePicker {
 public:
  virtual ~ScopePicker() = default;
  // Replaces all rows (no selection afterwards).
  virtual void SetRows(const std::vector<std::string>& gb_rows) = 0;
  // The selected row, -1 when none.
  virtual int SelectedRow() = 0;
  // Selects a row by program; does not report a change to the owner.
  virtual void SelectRow(int row) = 0;
};

// The index pane's typing timer.  Once started it ticks every `ms` until it is
// stopped or started anew (like a periodic toolkit timer); at each tick the
// owner calls SearchPanes::IndexTimerTick, which stops it unless a lookup is
// busy, so that a busy tick is simply retried one period later.
class TypingTimer {
 public:
  virtual ~TypingTimer() = default;
  // (Re)starts the countdown with period `ms`; a pending countdown is dropped.
  virtual void Start(uint32_t ms) = 0;
  virtual void Stop() = 0;
};

// The tabs of the side pane, in this order.
enum class SideTab { Directory = 0, Index = 1, Search = 2 };  // 目录, 索引, 查找

// The side pane's tab strip.
class SideTabs {
 public:
  virtual ~SideTabs() = default;
  virtual SideTab CurrentTab() = 0;
  // Selects the tab so that the strip's own handling runs as for a click:
  // the tab's pane is shown, and 索引 / 查找 give the focus to their input box.
  virtual void SelectTab(SideTab tab) = 0;
};

}  // namespace mivrel
