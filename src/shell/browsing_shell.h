// The browsing shell's logic in one object: the history (`BackList`,
// `ForwardList`), link navigation, the search and index panes and the command
// table.  It is the renderer's PageHooks (recording shown pages, making the
// directory tree follow them, the tree's selected label, the 查找 tab's state
// and the search text for highlighting, the diagnostic trace), the
// PageOpener through which navigation, the panes and the commands show pages,
// and the commands' view of the tree selection.
//
// Construction has two steps because the renderer and the directory tree
// borrow this object as their PageHooks: construct the shell, then the
// renderer and the tree with it, then Connect them.  Nothing but RecordPage
// and the plain hooks may be used before Connect.
//
// One per running program, owned by the main window (or a test).
// User-interface thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "render/page_hooks.h"
#include "shell/commands.h"
#include "shell/history.h"
#include "shell/navigation.h"
#include "ports/page_opener.h"
#include "ports/panes.h"
#include "shell/search_panes.h"

namespace mivrel {

class BrowserPane;
class Clock;
class Database;
class DirectoryTree;
class PageRenderer;
class Ui;

// The controls and windows the shell drives; all borrowed.
struct ShellPorts {
  SideTabs& tabs;
  PaneControls search;
  PaneControls index;
  TypingTimer& index_timer;
  MainWindowActions& window;
};

class BrowsingShell final : public PageHooks, public PageOpener, public TreeSelection {
 public:
  // Borrows everything; all must outlive the shell.
  BrowsingShell(Database& db, Ui& ui, Clock& clock, BrowserPane& pane, const ShellPorts& ports);
  ~BrowsingShell() override;
  BrowsingShell(const BrowsingShell&) = delete;
  BrowsingShell& operator=(const BrowsingShell&) = delete;

  // Second construction step.  REQUIRES: called once, before any page is shown
  // through the shell and before the first tree load.  Starts the index pane's
  // first 1000 ms wait and makes every full tree load refill both scope
  // pickers.
  void Connect(PageRenderer& renderer, DirectoryTree& tree);

  // Where Trace lines go (the optional outside viewer); silent by default.
  void SetTraceSink(std::function<void(const std::string&)> sink) { trace_ = std::move(sink); }

  History& history() { return history_; }
  // REQUIRE: Connect has run.
  Navigator& navigator() { return *navigator_; }
  SearchPanes& panes() { return *panes_; }
  CommandTable& commands() { return *commands_; }

  // The command-line keyword and the hand-over from a second start.
  void HandOverKeyword(const std::string& gb_text);

  // PageHooks
  void RecordPage(PageKind kind, int id, const std::string& title) override;
  void SelectTreeItemByPath(const std::string& path, PageKind kind) override;
  void ClearTreeSelection() override;
  bool SelectedTreeLabel(std::string& label) override;
  bool SearchTabShowing() override;
  std::string CurrentSearchText() override;
  void Trace(const std::string& line) override;

  // PageOpener
  void ShowEntryPage(int id, const std::string& gb_name, Record record, SyncTree sync,
                     const std::string& gb_anchor) override;
  void ShowCategoryPage(int id, Record record, SyncTree sync) override;

  // TreeSelection
  bool SelectedImage(int& image) override;
  void RenameSelected() override;

 private:
  Database& db_;
  Ui& ui_;
  Clock& clock_;
  BrowserPane& pane_;
  ShellPorts ports_;
  History history_;
  PageRenderer* renderer_ = nullptr;
  DirectoryTree* tree_ = nullptr;
  std::unique_ptr<SearchPanes> panes_;
  std::unique_ptr<Navigator> navigator_;
  std::unique_ptr<CommandTable> commands_;
  std::function<void(const std::string&)> trace_;
};

}  // namespace mivrel
