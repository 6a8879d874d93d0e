// Page building and showing speed on the 200,000-entry library: entry pages with 1 MB
// and 10 MB of content, and a category page listing 600 entries, built and from the cache.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "base/clock.h"
#include "base/text.h"
#include "bench_library.h"
#include "render/page_temp_folder.h"
#include "settings/settings.h"
#include "shell/memory_session.h"
#include "store/database.h"
#include "shell/open_library.h"

namespace mivrel {
namespace {

// At least `utf8_bytes` (UTF-8) of the code and notes entries hold:
// declarations, comments, strings, numbers, symbols, headings and Chinese text.
std::string ContentOf(size_t utf8_bytes) {
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
  constexpr size_t kLineCount = sizeof kLines / sizeof *kLines;
  size_t utf8_size[kLineCount];
  for (size_t k = 0; k < kLineCount; ++k) utf8_size[k] = GbToUtf8(kLines[k]).size();
  std::string content;
  size_t size = 0;  // of the content in UTF-8: lines end in ASCII, so sizes add up
  for (size_t i = 0; size < utf8_bytes; ++i) {
    for (size_t k = 0; k < 64; ++k) {
      content += kLines[(i + k) % kLineCount];
      size += utf8_size[(i + k) % kLineCount];
    }
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
      big_entry = AddEntry(db, 0, "一兆字节的资料", ContentOf(1u << 20));
      big_entry10 = AddEntry(db, 0, "十兆字节的资料", ContentOf(10u << 20));
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
  int big_entry10 = 0;
  int big_category = 0;
};

PageBench& Bench() {
  static PageBench bench;
  return bench;
}

void ShowEntryPageOf(benchmark::State& state, int entry) {
  PageBench& bench = Bench();
  for (auto _ : state) {
    bench.session->opener().ShowEntryPage(entry, std::string(), Record::No, SyncTree::No, std::string());
    benchmark::DoNotOptimize(bench.screen.pane.page.data());
  }
  state.counters["page_bytes"] = static_cast<double>(bench.screen.pane.page.size());
}

void BM_EntryPage1MB(benchmark::State& state) { ShowEntryPageOf(state, Bench().big_entry); }
BENCHMARK(BM_EntryPage1MB)->Unit(benchmark::kMillisecond);

// The same lines, ten times as many: compare with bench/highlight_10mb.sh.
void BM_EntryPage10MB(benchmark::State& state) { ShowEntryPageOf(state, Bench().big_entry10); }
BENCHMARK(BM_EntryPage10MB)->Unit(benchmark::kMillisecond);

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
