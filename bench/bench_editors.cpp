// Writing the library on the 200,000-entry library with 5,000 categories:
// opening the entry editor (lists of 5,000 categories, the 256/16/5-item
// lists, the content; target under 30 ms for the logic), saving an entry with
// the tree reload and the page shown after it, and permanently deleting a
// category that holds 20,000 entries with an image each (target under 1 s).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/clock.h"
#include "base/text.h"
#include "ports/ui.h"
#include "bench_library.h"
#include "editors/entry_editor.h"
#include "ports/quiet_job.h"
#include "ports/memory_screen.h"
#include "ports/page_kinds.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "shell/memory_session.h"
#include "store/database.h"
#include "store/deletion.h"
#include "store/library_files.h"
#include "store/records.h"

namespace mivrel {
namespace {

// A copy of the bench library, open as the program opens it (speed indexes
// included), shared by the benchmarks of this file.
Database& LibraryCopy(BenchUi& ui) {
  static Database db;
  if (!db.IsOpen()) {
    const std::string folder = CopyBenchLibrary("editors");
    std::string failure;
    if (OpenReferenceDatabase(db, folder, failure) != OpenResult::Opened) std::abort();
  }
  return db;
}

// An entry from the middle of the library.
long long MiddleEntry(Database& db) {
  Statement st(db, "Select [id] From [fun] ORDER BY [id] LIMIT 1 OFFSET 100000");
  if (st.Step() != kSqliteRow) std::abort();
  return st.ColumnInt(0);
}

void BM_EditorLoad(benchmark::State& state) {
  BenchUi ui;
  Database& db = LibraryCopy(ui);
  const PageTemplate page_template = BuildPageTemplate(DefaultSettings());
  const EditorPage page{PageKind::Entry, static_cast<int>(MiddleEntry(db))};
  size_t categories = 0;
  for (auto _ : state) {
    EntryEditor editor(db, page_template, EditorMode::Edit, page);
    EntryForm form;
    if (!editor.Load(form, 0)) std::abort();
    categories = form.main_category.items.size();
    benchmark::DoNotOptimize(form.web_document.data());
  }
  state.counters["category_items"] = static_cast<double>(categories);
}
BENCHMARK(BM_EditorLoad)->Unit(benchmark::kMillisecond);

// One save in edit mode, then what the program does after it: the full tree
// reload and the saved entry's page.
void BM_EditorSave(benchmark::State& state) {
  BenchUi ui;
  Database& db = LibraryCopy(ui);
  const Settings settings = DefaultSettings();
  MemoryScreen screen;
  Session session(db, settings, BenchLibraryFolder(), MemoryPorts(screen, ui, SystemClock()));
  PageBuilder& pages = session.pages();
  DirectoryTree& tree = session.tree();
  const EditorPage page{PageKind::Entry, static_cast<int>(MiddleEntry(db))};
  double save_s = 0, reload_s = 0, page_s = 0;
  const auto seconds = [](auto start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (auto _ : state) {
    EntryEditor editor(db, pages.Template(), EditorMode::Edit, page);
    EntryForm form;
    if (!editor.Load(form, 0)) std::abort();
    const EntryValues values = EntryEditor::Collect(form, std::string());
    auto start = std::chrono::steady_clock::now();
    if (!editor.Save(values, UnifyIcon::No, UnifyKeyword::No).saved) std::abort();
    save_s += seconds(start);
    start = std::chrono::steady_clock::now();
    tree.LoadDirectoryTree();
    reload_s += seconds(start);
    start = std::chrono::steady_clock::now();
    const EditorPage shown = editor.PageAfterSave(values);
    session.opener().ShowEntryPage(shown.id, std::string(), Record::Yes, SyncTree::Yes, std::string());
    page_s += seconds(start);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["save_ms"] = 1000 * save_s / n;
  state.counters["tree_reload_ms"] = 1000 * reload_s / n;
  state.counters["page_ms"] = 1000 * page_s / n;
}
BENCHMARK(BM_EditorSave)->Unit(benchmark::kMillisecond);

// Gathers 20,000 entries under a new top-level category and gives each a
// small image; returns the category.
int PrepareFullCategory(Database& db) {
  CategoryRecord category;
  category.name = "待删除";
  category.icon = 1;
  category.priority = 100;
  if (InsertCategory(db, category) != kSqliteDone) std::abort();
  const std::string id = std::to_string(db.LastInsertId());
  const std::string chosen =
      "Select [id] From [fun] where [类别]<>" + id + " ORDER BY [id] LIMIT 20000";
  if (db.Run("BEGIN TRANSACTION") != kSqliteOk ||
      db.Run("INSERT INTO img ([文件名],[资料ID],[数据]) Select 'x.png',[id],zeroblob(600) From [fun] "
             "where [id] IN (" + chosen + ")") != kSqliteOk ||
      db.Run("UPDATE fun SET [类别]=" + id + " WHERE [id] IN (" + chosen + ")") != kSqliteOk ||
      db.Run("END TRANSACTION") != kSqliteOk)
    std::abort();
  return std::stoi(id);
}

void BM_DeleteCategory(benchmark::State& state) {
  BenchUi ui;
  Database& db = LibraryCopy(ui);
  QuietJob job;
  DeletionCounts counts;
  for (auto _ : state) {
    state.PauseTiming();
    const int category = PrepareFullCategory(db);
    state.ResumeTiming();
    StoreFailure failure;
    if (!DeleteCategoryForGood(db, category, job, counts, failure)) std::abort();
  }
  state.counters["entries"] = counts.entries;
  state.counters["categories"] = counts.categories;
}
BENCHMARK(BM_DeleteCategory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace mivrel
