// One browsing session over an open library: the page builder and its
// presenter, the directory tree, the history (`BackList`, `ForwardList`),
// link navigation, the search and index panes and the command table, wired
// together in one step from the ports of a screen.  The desktop program, the
// command-line tool, the tests and the benchmarks all build it this way.
//
// Construction builds the page template; the remaining start-up steps are
// the caller's (keyword sets, page temp folder, tree load, home page), in
// the order the program's start-up gives.  The owner of the tree view wires
// its events (selection, label edits, drags) to tree(), and the owner of the
// controls wires theirs to panes(): only the owner knows its controls.
//
// One per running program (or test); user-interface thread only.
#pragma once

#include <string>

#include "ports/panes.h"
#include "ports/trace.h"
#include "render/pages.h"
#include "shell/commands.h"
#include "shell/directory_tree.h"
#include "shell/history.h"
#include "shell/navigation.h"
#include "shell/page_presenter.h"
#include "shell/search_panes.h"

namespace mivrel {

class BrowserPane;
class Clock;
class Database;
class TreeView;
class Ui;
struct MemoryScreen;
struct Settings;

// The screen and the clock a session is built over; all borrowed.
struct SessionPorts {
  Ui& ui;
  Clock& clock;
  BrowserPane& pane;
  TreeView& tree_view;
  SideTabs& tabs;
  PaneControls search;
  PaneControls index;
  TypingTimer& index_timer;
  MainWindowActions& window;
};

// The ports of a screen held in memory, with its controls' events wired to
// the session the way the windows wire them (typing, timer ticks, list and
// tree selection); call after the session is built.
SessionPorts MemoryPorts(MemoryScreen& screen, Ui& ui, Clock& clock);
class Session;
void WireMemoryScreen(MemoryScreen& screen, Session& session);

class Session final : public TreeSelection {
 public:
  // `library_folder` (GB18030, ends with a separator) holds "htm".  Borrows
  // the database, the settings and the ports; all must outlive the session.
  Session(Database& db, const Settings& settings, const std::string& library_folder,
          const SessionPorts& ports);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  PageBuilder& pages() { return pages_; }
  PageOpener& opener() { return presenter_; }
  DirectoryTree& tree() { return tree_; }
  History& history() { return history_; }
  SearchPanes& panes() { return panes_; }
  Navigator& navigator() { return navigator_; }
  CommandTable& commands() { return commands_; }
  // Where diagnostic lines go (the optional outside viewer); silent by default.
  TraceSink& trace() { return trace_; }

  // The command-line keyword and the hand-over from a second start.
  void HandOverKeyword(const std::string& gb_text);

  // TreeSelection
  ItemKind SelectedKind() override;
  void RenameSelected() override;

 private:
  SessionPorts ports_;
  TraceSink trace_;
  History history_;
  PageBuilder pages_;
  // The presenter borrows the tree and the panes declared after it; it uses
  // them only when a page is shown, after construction.
  PagePresenter presenter_;
  DirectoryTree tree_;
  SearchPanes panes_;
  Navigator navigator_;
  CommandTable commands_;
};

}  // namespace mivrel
