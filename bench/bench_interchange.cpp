// Interchange speed: importing the 20 MB marked-text file of the shared
// generator (20,000 entries in 20 categories, 400 images) into an empty
// library (target: under 1.5 s, peak memory under 3x the file), exporting the
// whole 200,000-entry library (category 0) to a file (target: under 2 s, peak
// under 100 MB), and importing a 2,000-page help book.  Peak memory is the
// process's resident high-water mark over the timed part, reset before each
// run, so run these benchmarks alone (--benchmark_filter) to read it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "bench_library.h"
#include "interchange/import_file.h"
#include "interchange/marked_text_export.h"
#include "ports/quiet_job.h"
#include "store/database.h"
#include "store/schema.h"

namespace mivrel {
namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "mivrel-bench: %s\n", GbToUtf8(what).c_str());
  std::abort();
}

// Resets the resident high-water mark (Linux: "5" into clear_refs).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double FileMb(const std::string& path) {
  std::ifstream file(NativePath(path), std::ios::binary | std::ios::ate);
  return file ? static_cast<double>(file.tellg()) / (1024.0 * 1024.0) : 0;
}

double PeakMemoryMb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return 0;
}

// A folder under the temporary root, made by `command` (a shared generator
// run) unless `marker` is already in it.
std::string Generated(const std::string& name, const std::string& marker, const std::string& args) {
  const std::string folder = TempRoot() + name + "/";
  if (IsRegularFile(folder + marker)) return folder;
  const std::string command = "python3 " + args + " > /dev/null";
  if (std::system(command.c_str()) != 0 || !IsRegularFile(folder + marker))
    Fail("cannot generate " + folder);
  return folder;
}

std::string MarkedTextCorpus() {
  const std::string folder = TempRoot() + "mivrel-bench-marked/";
  return Generated("mivrel-bench-marked", "big_20mb_20000_entries.xml",
                   ShellQuoted(NativePath(SharedToolsFolder() + "mkmarked.py")) + " --adversarial " +
                       ShellQuoted(NativePath(folder)));
}

std::string HelpBook() {
  const std::string folder = TempRoot() + "mivrel-bench-book/";
  return Generated("mivrel-bench-book", "book.hhc",
                   ShellQuoted(NativePath(SharedToolsFolder() + "mkbook.py")) + " --out " +
                       ShellQuoted(NativePath(folder)) + " --pages 2000 --depth 4 --seed 1");
}

// An empty library file (the three tables, the program's indexes).
void OpenEmptyLibrary(Database& db, const std::string& path) {
  RemoveFile(path);
  if (db.Open(path, OpenMode::ReadWriteCreate) != kSqliteOk || CreateLibrarySchema(db) != kSqliteOk)
    Fail("cannot create " + path);
  EnsureSpeedIndexes(db);
}

// Imports `path` into a fresh empty library per iteration.
void TimeImport(benchmark::State& state, const std::string& path, long long expected_entries) {
  const std::string library = TempRoot() + "mivrel-bench-import-" + std::to_string(getpid()) + ".sdb";
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Database db;
    OpenEmptyLibrary(db, library);
    ResetPeakMemory();
    state.ResumeTiming();
    const PreparedImport prepared = PrepareImport(path);
    ClashMode clash = ClashMode::Skip;
    QuietJob job;
    const ImportReport report = RunImport(db, prepared, 0, clash, PageScope::ThisPage, job);
    state.PauseTiming();
    peak = std::max(peak, PeakMemoryMb());
    if (report.outcome != ImportOutcome::Completed || report.counts.entries < expected_entries)
      Fail("import of " + path + " ended early: " + ImportNotice(report));
    state.counters["entries"] = static_cast<double>(report.counts.entries);
    state.counters["images"] = static_cast<double>(report.counts.images);
    db.Close();
    state.ResumeTiming();
  }
  RemoveFile(library);
  state.counters["peak_MB"] = peak;
}

void BM_ImportMarkedText(benchmark::State& state) {
  const std::string path = MarkedTextCorpus() + "big_20mb_20000_entries.xml";
  state.counters["file_MB"] = FileMb(path);
  TimeImport(state, path, 20000);
}
BENCHMARK(BM_ImportMarkedText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportCategory(benchmark::State& state) {
  const std::string folder = CopyBenchLibrary("export");
  Database db;
  if (db.Open(folder + "资料数据.sdb") != kSqliteOk) Fail("cannot open " + folder);
  EnsureSpeedIndexes(db);
  const std::string path = folder + "导出.xml";
  double peak = 0;
  for (auto _ : state) {
    ResetPeakMemory();
    QuietJob job;
    if (ExportCategory(db, 0, path, job) != ExportOutcome::Written) Fail("export failed");
    state.PauseTiming();
    peak = std::max(peak, PeakMemoryMb());
    state.counters["file_MB"] = FileMb(path);
    state.ResumeTiming();
  }
  state.counters["peak_MB"] = peak;
  RemoveFile(path);
}
BENCHMARK(BM_ExportCategory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportHelpBook(benchmark::State& state) {
  TimeImport(state, HelpBook() + "book.hhc", 2000);
}
BENCHMARK(BM_ImportHelpBook)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace mivrel
