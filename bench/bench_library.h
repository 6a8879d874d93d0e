// The library every benchmark runs against: 5,000 categories six levels deep,
// 200,000 entries and 500 images, built once by the shared generator and kept
// in the temporary folder between runs.  With MIVREL_BENCH_SIZE=1m it is the
// large one instead: 20,000 categories and 1,000,000 entries.  Benchmarks that add rows work on a
// private copy.  Paths are GB18030 and end with a separator.  Not thread-safe:
// call from the benchmark's setup, not from concurrent benchmark threads.
#pragma once

#include <string>

#include "ports/ui.h"

namespace mivrel {

// The benchmarks' Ui: messages go to standard error (a benchmark that meets
// one has gone wrong), the last status text is kept, everything else ignored.
class BenchUi final : public Ui {
 public:
  MessageAnswer ShowMessage(const std::string& text, MessageIcon, MessageButtons, MessageOwner) override;
  void SetBusyCursor(bool) override {}
  void SetStatusText(const std::string& text) override { status = text; }
  void Beep() override {}
  std::string status;
};

// $MIVREL_BENCH_LIBRARY when set; otherwise TempRoot() + "mivrel-bench-lib-200k/"
// (or "mivrel-bench-lib-1m/" with MIVREL_BENCH_SIZE=1m), generated on first use (seed 1, with a recycle bin) when its 资料数据.sdb is
// missing.  Concurrent runs wait for one another while the library is built.
// Aborts the process when the library cannot be built: no benchmark can run.
const std::string& BenchLibraryFolder();

// A fresh copy of the bench library's files (资料数据.sdb and, when present,
// 配置.INI) in a folder of its own, named after `suffix` and this process.
// The copy is removed when the process exits.  Aborts when it cannot be made.
std::string CopyBenchLibrary(const std::string& suffix);

// The shared generators' folder ($MIVREL_SHARED_TOOLS, else the one beside the
// sources), ending with a separator.
std::string SharedToolsFolder();
// A native path or argument in single quotes, every byte kept for the shell.
std::string ShellQuoted(const std::string& native);

}  // namespace mivrel
