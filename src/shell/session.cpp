#include "shell/session.h"

#include "ports/memory_screen.h"

namespace mivrel {

Session::Session(Database& db, const Settings& settings, const std::string& library_folder,
                 const SessionPorts& ports)
    : ports_(ports),
      pages_(db, settings),
      presenter_(pages_, ports.pane, ports.ui, ports.clock, history_, tree_, ports.tabs, panes_, trace_),
      tree_(db, ports.tree_view, pages_, presenter_, ports.pane, ports.ui, ports.clock, library_folder),
      panes_(db, ports.ui, ports.clock, presenter_, trace_, ports.search, ports.index, ports.index_timer),
      navigator_(db, ports.pane, history_, presenter_, panes_, ports.tabs),
      commands_(ports.ui, ports.pane, history_, navigator_, *this, ports.window) {
  pages_.BuildPageTemplate();
  // Every full tree load refills both scope pickers.
  tree_.SetScopeListener([this](const ScopeList& scopes) {
    panes_.RefillScopePickers(scopes.rows, scopes.id_lists);
  });
}

void Session::HandOverKeyword(const std::string& gb_text) { panes_.HandOverKeyword(gb_text, ports_.tabs); }

ItemKind Session::SelectedKind() { return tree_.KindOf(tree_.View().SelectedItem()); }

void Session::RenameSelected() { tree_.RenameSelected(); }

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
