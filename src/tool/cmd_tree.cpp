// mivrel-tool tree: prints the directory tree as the full load builds it,
// before any category's entries are loaded: one line per item in pre-order,
// "depth<TAB>image index<TAB>id<TAB>label" + LF, depth 0 for root items,
// labels as GB18030 bytes.
#include <string>

#include "base/clock.h"
#include "ports/memory_screen.h"
#include "settings/settings.h"
#include "shell/session.h"
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
  MemoryScreen screen;
  Session session(db, settings, context.library_folder, MemoryPorts(screen, ui, SystemClock()));
  session.tree().LoadDirectoryTree();
  WriteStdout(DescribeTree(screen.tree));
  return 0;
}

}  // namespace mivrel
