// Directory tree speed on the 200,000-entry library with 5,000 categories:
// the full load (categories, top-level entries, books, bin) into the
// in-memory tree control.  Target: under 50 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/clock.h"
#include "base/text.h"
#include "ports/ui.h"
#include "bench_library.h"
#include "ports/kept_page_pane.h"
#include "render/page_hooks.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "shell/directory_tree.h"
#include "ports/memory_tree_view.h"
#include "store/database.h"
#include "store/library_files.h"

namespace mivrel {
namespace {

class TreeBenchUi final : public Ui {
 public:
  MessageAnswer ShowMessage(const std::string& text, MessageIcon, MessageButtons, MessageOwner) override {
    std::fprintf(stderr, "mivrel-bench: %s\n", GbToUtf8(text).c_str());
    return MessageAnswer::No;
  }
  void SetBusyCursor(bool) override {}
  void SetStatusText(const std::string&) override {}
  void Beep() override {}
};

void BM_LoadDirectoryTree(benchmark::State& state) {
  const std::string& folder = BenchLibraryFolder();
  TreeBenchUi ui;
  Database db;
  if (OpenReferenceDatabase(db, folder, ui) != OpenResult::Opened) std::abort();
  const Settings settings = DefaultSettings();
  KeptPagePane pane;
  PageHooks hooks;
  PageRenderer renderer(db, settings, pane, ui, hooks, SystemClock());
  MemoryTreeView view;
  DirectoryTree tree(db, view, renderer, pane, ui, SystemClock(), folder);
  for (auto _ : state) {
    tree.LoadDirectoryTree();
    benchmark::DoNotOptimize(view.ItemCount());
  }
  state.counters["items"] = static_cast<double>(view.ItemCount());
  state.counters["scope_rows"] = static_cast<double>(tree.Scopes().rows.size());
}
BENCHMARK(BM_LoadDirectoryTree)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mivrel
