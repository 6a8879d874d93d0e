// Finding speed on the 200,000-entry library: the name index's prefix lookup
// (query and list fill, the first hit not shown) and the full-text search for a
// word that about 1% of the entries contain.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "base/clock.h"
#include "base/text.h"
#include "bench_library.h"
#include "ports/memory_panes.h"
#include "ports/page_opener.h"
#include "ports/trace.h"
#include "shell/search_panes.h"
#include "store/database.h"
#include "shell/open_library.h"

namespace mivrel {
namespace {

class NoPages final : public PageOpener {
 public:
  void ShowEntryPage(int, const std::string&, Record, SyncTree, const std::string&) override {}
  void ShowCategoryPage(int, Record, SyncTree) override {}
};

// The panes over in-memory controls and the bench library.
struct Finder {
  Finder() {
    if (OpenLibrary(db, BenchLibraryFolder(), ui) != OpenResult::Opened) std::abort();
  }
  // The number of rows the last query returned, from the status text.
  long long LastRowCount() const {
    const size_t at = ui.status.rfind(':');
    return at == std::string::npos ? -1 : LeadingNumber(ui.status.substr(at + 1));
  }

  Database db;
  BenchUi ui;
  SteadyClock clock;
  NoPages opener;
  TraceSink silent;
  MemoryTextBox search_box, index_box;
  MemoryResultList search_list, index_list;
  MemoryScopePicker search_scope, index_scope;
  MemoryTypingTimer timer;
  SearchPanes panes{db,
                    ui,
                    clock,
                    opener,
                    silent,
                    PaneControls{search_box, search_list, search_scope},
                    PaneControls{index_box, index_list, index_scope},
                    timer};
};

void BM_IndexLookup(benchmark::State& state) {
  static const char* const kPrefixes[] = {"Get", "Se", "W"};
  const std::string prefix = kPrefixes[state.range(0)];
  Finder finder;
  for (auto _ : state) {
    finder.index_box.text = prefix;
    finder.panes.IndexTimerTick();
    benchmark::DoNotOptimize(finder.index_list.items.data());
  }
  state.SetLabel(prefix);
  state.counters["rows"] = static_cast<double>(finder.LastRowCount());
  state.counters["listed"] = static_cast<double>(finder.index_list.Count());
}
BENCHMARK(BM_IndexLookup)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_FullTextSearch(benchmark::State& state) {
  // Chosen so that about 1% of the 200,000 entries hold it (the counter says
  // how many the bench library really gives).
  const std::string word = "WaitForSingleObject";
  Finder finder;
  for (auto _ : state) {
    finder.search_box.text = word;
    finder.panes.RunSearch();
    benchmark::DoNotOptimize(finder.search_list.items.data());
  }
  state.counters["rows"] = static_cast<double>(finder.LastRowCount());
}
BENCHMARK(BM_FullTextSearch)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace mivrel
