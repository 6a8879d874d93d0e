// Every screen port held in memory, for a session without windows: the
// command-line tool, the benchmarks and the tests.  The controls keep what
// the logic gives them; the window actions do nothing.  Not thread-safe.
#pragma once

#include "ports/kept_page_pane.h"
#include "ports/memory_panes.h"
#include "ports/memory_tree_view.h"
#include "ports/window_actions.h"

namespace mivrel {

// A main window that is never there.
class NoWindow final : public MainWindowActions {
 public:
  bool AlwaysOnTopButtonDown() override { return false; }
  void SetAlwaysOnTop(bool) override {}
  bool AboutWindowOpen() override { return false; }
  void OpenAboutWindow() override {}
  void ShowMainWindow() override {}
  void HideMainWindow() override {}
  void SetExitFlag() override {}
  void PostCloseRequest() override {}
  void OpenOptionsWindow() override {}
  void RestoreBackup(int) override {}
};

struct MemoryScreen {
  KeptPagePane pane;
  MemoryTreeView tree;
  MemorySideTabs tabs;
  MemoryTextBox search_input;
  MemoryTextBox index_input;
  MemoryResultList search_list;
  MemoryResultList index_list;
  MemoryScopePicker search_scope;
  MemoryScopePicker index_scope;
  MemoryTypingTimer index_timer;
  NoWindow window;
};

}  // namespace mivrel
