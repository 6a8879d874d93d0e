// mivrel-tool tree: prints the directory tree as the full load builds it,
// before any category's entries are loaded: one line per item in pre-order,
// "depth<TAB>image index<TAB>id<TAB>label" + LF, depth 0 for root items,
// labels as GB18030 bytes.
#include <string>

#include "base/clock.h"
#include "ports/kept_page_pane.h"
#include "render/page_hooks.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "shell/directory_tree.h"
#include "ports/memory_tree_view.h"
#include "store/database.h"
#include "tool/commands.h"

namespace mivrel {
int RunTreeCommand(const ToolContext& context) {
  if (!context.args.empty()) {
    PrintError("tree: takes no arguments");
    return 2;
  }
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;

  const Settings settings = DefaultSettings();
  KeptPagePane pane;
  PageHooks hooks;
  PageRenderer renderer(db, settings, pane, ui, hooks, SystemClock());
  MemoryTreeView view;
  DirectoryTree tree(db, view, renderer, pane, ui, SystemClock(), context.library_folder);
  tree.LoadDirectoryTree();
  WriteStdout(DescribeTree(view));
  return 0;
}

}  // namespace mivrel
