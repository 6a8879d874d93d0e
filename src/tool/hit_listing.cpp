#include "tool/hit_listing.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/clock.h"
#include "ports/memory_panes.h"
#include "ports/page_opener.h"
#include "ports/trace.h"
#include "shell/category_tree.h"
#include "store/database.h"

namespace mivrel {
namespace {

struct HitRequest {
  std::string text;
  int scope_row = 0;
};

// The tool shows no page: the index's first hit is not opened, and the tree
// load (which fills the scope rows) never shows one either.
class NoPages final : public PageOpener {
 public:
  void ShowEntryPage(int, const std::string&, Record, SyncTree, const std::string&) override {}
  void ShowCategoryPage(int, Record, SyncTree) override {}
};

bool UsageError(const char* command, const std::string& problem) {
  PrintError(std::string(command) + ": " + problem);
  PrintError(std::string("usage: ") + command + (command[0] == 'i' ? " PREFIX" : " TEXT") +
             " [--scope ROW]");
  return false;
}

bool ParseRow(const std::string& text, int& row) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value > 2147483647L) return false;
  row = static_cast<int>(value);
  return true;
}

bool ParseHitRequest(const std::vector<std::string>& args, const char* command,
                     HitRequest& request) {
  bool have_text = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--scope") {
      if (i + 1 >= args.size()) return UsageError(command, "--scope needs a row number");
      if (!ParseRow(args[++i], request.scope_row))
        return UsageError(command, "not a row number: " + args[i]);
    } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      return UsageError(command, "unknown option " + arg);
    } else if (have_text) {
      return UsageError(command, "unexpected argument " + arg);
    } else {
      request.text = arg;
      have_text = true;
    }
  }
  if (!have_text) return UsageError(command, "missing text");
  return true;
}

}  // namespace

int RunHitListing(const ToolContext& context, ResultPane pane_kind, const char* command) {
  HitRequest request;
  if (!ParseHitRequest(context.args, command, request)) return 2;

  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;

  ScopeList scopes;
  scopes.Reset();
  // Row 0 narrows nothing; only another row needs the categories.
  if (request.scope_row > 0) scopes = CategoryTreeModel::Read(db).Scopes();
  if (static_cast<size_t>(request.scope_row) >= scopes.rows.size()) {
    PrintError(std::string(command) + ": no scope row " + std::to_string(request.scope_row) +
               " (the library has " + std::to_string(scopes.rows.size()) + " rows)");
    return 2;
  }

  NoPages opener;
  TraceSink silent;
  MemoryTextBox search_box, index_box;
  MemoryResultList search_list, index_list;
  MemoryScopePicker search_scope, index_scope;
  MemoryTypingTimer timer;
  SearchPanes panes(db, ui, SystemClock(), opener, silent,
                    PaneControls{search_box, search_list, search_scope},
                    PaneControls{index_box, index_list, index_scope}, timer);
  panes.RefillScopePickers(scopes.rows, scopes.id_lists);
  const bool index = pane_kind == ResultPane::Index;
  (index ? index_scope : search_scope).SelectRow(request.scope_row);
  (index ? index_box : search_box).text = request.text;
  if (index) {
    panes.IndexTimerTick();
  } else {
    panes.RunSearch();
  }

  std::string out;
  for (const MemoryResultList::Item& item : (index ? index_list : search_list).items)
    out += std::to_string(item.id) + "\t" + item.label + "\n";
  WriteStdout(out);
  return 0;
}

}  // namespace mivrel
