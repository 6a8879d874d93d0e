// The side pane's controls behind the core's ports (ports/panes.h):
// input boxes over wxTextCtrl, flat result lists over wxTreeCtrl, scope
// pickers over wxChoice, the typing timer over wxTimer and the tab strip over
// wxNotebook.  The adapters borrow their controls (wx parents own them).
// User-interface thread only.
#pragma once

#include <functional>

#include <wx/timer.h>

#include "ports/panes.h"

class wxChoice;
class wxNotebook;
class wxTextCtrl;
class wxTreeCtrl;

namespace mivrel {

// Gives the box the focus with the caret at the end and nothing selected
// (GTK selects an entry's whole text when it takes the focus, and the next
// key typed would replace it).
void FocusWithCaretAtEnd(wxTextCtrl* control);

class WxTextBox final : public TextBox {
 public:
  explicit WxTextBox(wxTextCtrl* control) : control_(control) {}
  std::string Text() override;
  // Fires the control's text event, so the owner reacts as for typing.
  void SetText(const std::string& gb_text) override;
  void Focus() override;

 private:
  wxTextCtrl* control_;
};

// A tree control used as a flat list under a hidden root.
class WxResultList final : public ResultList {
 public:
  // `on_selected` is called for every selection change of the control.
  WxResultList(wxTreeCtrl* control, std::function<void()> on_selected);
  void DeleteAll() override;
  void Append(const std::string& gb_label, int id, int image) override;
  int Count() override;
  void SelectFirst() override;
  bool SelectedId(int& id) override;
  void SetEnabled(bool enabled) override;
  bool IsEnabled() override;
  void Freeze() override;
  void Thaw() override;

 private:
  wxTreeCtrl* control_;
  std::function<void()> on_selected_;
  bool deleting_ = false;  // selection changes while items go away are not the user's
};

class WxScopePicker final : public ScopePicker {
 public:
  explicit WxScopePicker(wxChoice* control) : control_(control) {}
  void SetRows(const std::vector<std::string>& gb_rows) override;
  int SelectedRow() override;
  void SelectRow(int row) override;

 private:
  wxChoice* control_;
};

class WxTypingTimer final : public TypingTimer, public wxEvtHandler {
 public:
  explicit WxTypingTimer(std::function<void()> on_tick);
  ~WxTypingTimer() override;
  void Start(uint32_t ms) override;
  void Stop() override;

 private:
  wxTimer timer_;
  std::function<void()> on_tick_;
};

class WxSideTabs final : public SideTabs {
 public:
  explicit WxSideTabs(wxNotebook* notebook) : notebook_(notebook) {}
  SideTab CurrentTab() override;
  // Changes the page through the notebook's own selection, whose page-changed
  // event gives the input boxes the focus.
  void SelectTab(SideTab tab) override;

 private:
  wxNotebook* notebook_;
};

}  // namespace mivrel
