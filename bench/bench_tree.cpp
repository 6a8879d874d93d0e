// Directory tree speed on the 200,000-entry library with 5,000 categories:
// the full load (categories, top-level entries, books, bin) into the
// in-memory tree control.  Target: under 50 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "base/clock.h"
#include "bench_library.h"
#include "ports/memory_screen.h"
#include "settings/settings.h"
#include "shell/session.h"
#include "store/database.h"
#include "shell/open_library.h"

namespace mivrel {
namespace {

void BM_LoadDirectoryTree(benchmark::State& state) {
  const std::string& folder = BenchLibraryFolder();
  BenchUi ui;
  Database db;
  if (OpenLibrary(db, folder, ui) != OpenResult::Opened) std::abort();
  const Settings settings = DefaultSettings();
  MemoryScreen screen;
  Session session(db, settings, folder, MemoryPorts(screen, ui, SystemClock()));
  DirectoryTree& tree = session.tree();
  const MemoryTreeView& view = screen.tree;
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
