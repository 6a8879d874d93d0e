// The core of the desktop program's deferred start-up on the bench library:
// opening the library (look-up indexes in place), loading the keyword sets,
// the full directory tree load with both scope pickers refilled, and the home
// page.  The toolkit's share (drawing the tree and the pickers) is not in it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/clock.h"
#include "base/text.h"
#include "base/ui.h"
#include "bench_library.h"
#include "render/kept_page_pane.h"
#include "render/page_hooks.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "shell/directory_tree.h"
#include "shell/memory_panes.h"
#include "shell/memory_tree_view.h"
#include "shell/page_opener.h"
#include "shell/search_panes.h"
#include "store/database.h"
#include "store/library_files.h"

namespace mivrel {
namespace {

class StartupUi final : public Ui {
 public:
  MessageAnswer ShowMessage(const std::string& text, MessageIcon, MessageButtons,
                            MessageOwner) override {
    std::fprintf(stderr, "mivrel-bench: %s\n", GbToUtf8(text).c_str());
    return MessageAnswer::No;
  }
  void SetBusyCursor(bool) override {}
  void SetStatusText(const std::string&) override {}
  void Beep() override {}
};

class NoOpener final : public PageOpener {
 public:
  void ShowEntryPage(int, const std::string&, Record, SyncTree, const std::string&) override {}
  void ShowCategoryPage(int, Record, SyncTree) override {}
};

// Everything one start builds, as the main window builds it.
struct StartedProgram {
  explicit StartedProgram(const std::string& folder) : settings(DefaultSettings()) {
    if (OpenReferenceDatabase(db, folder, ui) != OpenResult::Opened) std::abort();
    renderer.BuildPageTemplate();
    tree.SetScopeListener(
        [this](const ScopeList& scopes) { panes.RefillScopePickers(scopes.rows, scopes.id_lists); });
    renderer.LoadKeywordSets();
    tree.LoadDirectoryTree();
    renderer.ShowCategoryPage(0, Record::No, SyncTree::No);
  }

  StartupUi ui;
  Database db;
  Settings settings;
  KeptPagePane pane;
  PageHooks hooks;
  NoOpener opener;
  PageRenderer renderer{db, settings, pane, ui, hooks, SystemClock()};
  MemoryTreeView view;
  DirectoryTree tree{db, view, renderer, pane, ui, SystemClock(), BenchLibraryFolder()};
  MemoryTextBox search_box, index_box;
  MemoryResultList search_list, index_list;
  MemoryScopePicker search_scope, index_scope;
  MemoryTypingTimer timer;
  SearchPanes panes{db,
                    ui,
                    SystemClock(),
                    opener,
                    hooks,
                    PaneControls{search_box, search_list, search_scope},
                    PaneControls{index_box, index_list, index_scope},
                    timer};
};

void BM_Startup(benchmark::State& state) {
  const std::string& folder = BenchLibraryFolder();
  size_t items = 0;
  size_t scope_rows = 0;
  for (auto _ : state) {
    StartedProgram program(folder);
    items = program.view.ItemCount();
    scope_rows = program.index_scope.rows.size();
    benchmark::DoNotOptimize(program.pane.page.data());
  }
  state.counters["items"] = static_cast<double>(items);
  state.counters["scope_rows"] = static_cast<double>(scope_rows);
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mivrel
