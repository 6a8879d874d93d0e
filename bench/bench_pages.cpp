// Page building and showing speed on the 200,000-entry library: an entry page with 1 MB
// of content, and a category page listing 600 entries, built and from the cache.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "base/clock.h"
#include "base/text.h"
#include "bench_library.h"
#include "ports/memory_screen.h"
#include "render/page_temp_folder.h"
#include "settings/settings.h"
#include "shell/session.h"
#include "store/database.h"
#include "shell/open_library.h"

namespace mivrel {
namespace {

// About 1 MB (UTF-8) of the code and notes entries hold: declarations,
// comments, strings, numbers, symbols, headings and Chinese text.
std::string MegabyteOfContent() {
  static const char* const kLines[] = {
      "【VB声名】\r\n",
      "Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n",
      "Dim hWnd As Long, x As Integer ' 窗口句柄与坐标\r\n",
      "If x = 3.14 * (y + 2) Then MsgBox \"完成\" Else x = x - 1\r\n",
      "【参数】 hWnd：窗口句柄，取得方法见  FindWindow 的说明。\r\n",
      "Rem 这一行是注释 & <标记> 不会被当成 HTML\r\n",
      "result = SendMessage(hWnd, WM_SETTEXT, 0, ByVal \"标题\")\r\n",
      "asm mov eax, 1 ; 汇编行\r\n",
  };
  std::string content;
  for (size_t i = 0; GbToUtf8(content).size() < (1u << 20); ++i) {
    for (int k = 0; k < 64; ++k) content += kLines[(i + k) % (sizeof kLines / sizeof *kLines)];
  }
  return content;
}

int AddEntry(Database& db, int category, const std::string& name, const std::string& content) {
  Statement st(db,
               "INSERT INTO [fun] ([类别],[类别2],[类别3],[名字],[简介],[注解],[图标],[优先],"
               "[关键词],[网页名]) VALUES(?,-1,-1,?,?,?,0,100,0,'')");
  st.BindInt(1, category);
  st.BindText(2, GbToUtf8(name));
  st.BindText(3, GbToUtf8("简介：" + name));
  st.BindText(4, GbToUtf8(content));
  if (st.Step() != kSqliteDone) std::abort();
  return static_cast<int>(db.LastInsertId());
}

// A private copy of the bench library with the rows these benchmarks need,
// and a session over a screen in memory set up as the program sets it up at
// start.
struct PageBench {
  PageBench() {
    folder = CopyBenchLibrary("pages");
    if (OpenLibrary(db, folder, ui) != OpenResult::Opened) std::abort();
    settings = DefaultSettings();
    {
      TransactionBracket bracket(db);
      big_entry = AddEntry(db, 0, "一兆字节的资料", MegabyteOfContent());
      if (db.Run("INSERT INTO [class] ([类别名],[父类别],[图标],[优先]) VALUES('六百篇',0,0,100)") !=
          kSqliteOk)
        std::abort();
      big_category = static_cast<int>(db.LastInsertId());
      for (int i = 0; i < 600; ++i)
        AddEntry(db, big_category, "资料" + std::to_string(1000 + i), "Dim x As Long");
    }
    temp_folder = CreatePageTempFolder();
    session = std::make_unique<Session>(db, settings, folder, MemoryPorts(screen, ui, SystemClock()));
    session->pages().LoadKeywordSets();
    session->pages().SetPageTempFolder(temp_folder);
  }
  ~PageBench() {
    session.reset();
    db.Close();
    RemovePageTempFolder(temp_folder);
  }

  std::string folder;
  BenchUi ui;
  Database db;
  Settings settings;
  MemoryScreen screen;
  std::string temp_folder;
  std::unique_ptr<Session> session;
  int big_entry = 0;
  int big_category = 0;
};

PageBench& Bench() {
  static PageBench bench;
  return bench;
}

void BM_EntryPage1MB(benchmark::State& state) {
  PageBench& bench = Bench();
  for (auto _ : state) {
    bench.session->opener().ShowEntryPage(bench.big_entry, std::string(), Record::No, SyncTree::No,
                                  std::string());
    benchmark::DoNotOptimize(bench.screen.pane.page.data());
  }
  state.counters["page_bytes"] = static_cast<double>(bench.screen.pane.page.size());
}
BENCHMARK(BM_EntryPage1MB)->Unit(benchmark::kMillisecond);

void BM_CategoryPage600(benchmark::State& state) {
  PageBench& bench = Bench();
  for (auto _ : state) {
    bench.session->pages().ClearPageCache();
    bench.session->opener().ShowCategoryPage(bench.big_category, Record::No, SyncTree::No);
    benchmark::DoNotOptimize(bench.screen.pane.page.data());
  }
  state.counters["page_bytes"] = static_cast<double>(bench.screen.pane.page.size());
}
BENCHMARK(BM_CategoryPage600)->Unit(benchmark::kMillisecond);

void BM_CategoryPage600Cached(benchmark::State& state) {
  PageBench& bench = Bench();
  bench.session->pages().ClearPageCache();
  bench.session->opener().ShowCategoryPage(bench.big_category, Record::No, SyncTree::No);
  for (auto _ : state) {
    bench.session->opener().ShowCategoryPage(bench.big_category, Record::No, SyncTree::No);
    benchmark::DoNotOptimize(bench.screen.pane.page.data());
  }
}
BENCHMARK(BM_CategoryPage600Cached)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mivrel
