// The core of the desktop program's deferred start-up on the bench library:
// opening the library (look-up indexes in place), the session, loading the
// keyword sets, the full directory tree load with both scope pickers
// refilled, and the home page.  The toolkit's share (drawing the tree and
// the pickers) is not in it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "base/clock.h"
#include "bench_library.h"
#include "settings/settings.h"
#include "shell/memory_session.h"
#include "shell/open_library.h"
#include "store/database.h"

namespace mivrel {
namespace {

void BM_Startup(benchmark::State& state) {
  const std::string& folder = BenchLibraryFolder();
  const Settings settings = DefaultSettings();
  size_t items = 0;
  size_t scope_rows = 0;
  for (auto _ : state) {
    BenchUi ui;
    Database db;
    if (OpenLibrary(db, folder, ui) != OpenResult::Opened) std::abort();
    MemoryScreen screen;
    Session session(db, settings, folder, MemoryPorts(screen, ui, SystemClock()));
    session.pages().LoadKeywordSets();
    session.tree().LoadDirectoryTree();
    session.navigator().GoHome();
    items = screen.tree.ItemCount();
    scope_rows = screen.index_scope.rows.size();
    benchmark::DoNotOptimize(screen.pane.page.data());
  }
  state.counters["items"] = static_cast<double>(items);
  state.counters["scope_rows"] = static_cast<double>(scope_rows);
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mivrel
