#include "shell/memory_session.h"

namespace mivrel {

SessionPorts MemoryPorts(MemoryScreen& screen, Ui& ui, Clock& clock) {
  return SessionPorts{ui,
                      clock,
                      screen.pane,
                      screen.tree,
                      screen.tabs,
                      PaneControls{screen.search_input, screen.search_list, screen.search_scope},
                      PaneControls{screen.index_input, screen.index_list, screen.index_scope},
                      screen.index_timer,
                      screen.window};
}

void WireMemoryScreen(MemoryScreen& screen, Session& session) {
  screen.tree.SetSelectionHandler([&session](TreeItem item) { session.tree().OnSelectionChanged(item); });
  screen.index_input.on_change = [&session] { session.panes().OnIndexTextChanged(); };
  screen.index_timer.on_tick = [&session] { session.panes().IndexTimerTick(); };
  screen.search_list.on_selection = [&session] { session.panes().OnHitSelected(ResultPane::Search); };
  screen.index_list.on_selection = [&session] { session.panes().OnHitSelected(ResultPane::Index); };
}

}  // namespace mivrel
