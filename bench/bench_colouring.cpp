// Code colouring over a large entry and loading of the keyword sets.
//
// BM_ColourCode: ColourCode on 10 MB of BASIC- and C-like code prepared as the
// entry page prepares plain text (escaped, string quotes as marks, lines ending
// in "<br>" CR LF), with 20,000 names in the keyword sets.
// BM_LoadKeywordSets: Load from the bench library (see bench_library.h).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "bench_library.h"
#include "render/colouring.h"
#include "render/keyword_sets.h"
#include "render/output_buffer.h"
#include "render/page_template.h"
#include "settings/settings.h"
#include "store/database.h"
#include "store/library_files.h"
#include "store/schema.h"

namespace mivrel {
namespace {

constexpr size_t kCodeBytes = 10u << 20;
constexpr int kNamesPerKind = 5000;  // 20,000 names in the four sets

constexpr KeywordKind kKinds[] = {KeywordKind::Api, KeywordKind::Type, KeywordKind::Constant,
                                  KeywordKind::Statement};

// Identifier-like names built from syllables, e.g. "GetWndTextEx".
class NameMaker {
 public:
  explicit NameMaker(unsigned seed) : random_(seed) {}

  std::string Name() {
    static const char* const kParts[] = {"Get", "Set", "Wnd", "Text", "Ex",   "Create", "File",
                                         "Reg", "Key", "Open", "Close", "Msg", "Box",   "Long",
                                         "Int", "Ptr", "Max", "Path", "Dc",  "Brush", "Pen"};
    std::string name;
    const int parts = 2 + static_cast<int>(random_() % 3);
    for (int i = 0; i < parts; ++i) name += kParts[random_() % (sizeof kParts / sizeof *kParts)];
    return name + std::to_string(random_() % 100);
  }
  unsigned Below(unsigned n) { return random_() % n; }

 private:
  std::mt19937 random_;
};

struct ColouringInput {
  KeywordSets keywords;
  std::vector<std::string> names[4];  // the names as written in code, per kind
  std::string text;
};

void FillKeywordSets(ColouringInput& input, NameMaker& maker) {
  static const char* const kStatements[] = {"Declare", "Function", "Lib", "ByVal", "As",
                                            "Dim",     "If",       "Then", "For", "Return"};
  for (const char* statement : kStatements) input.names[3].push_back(statement);
  for (int k = 0; k < 4; ++k) {
    while (input.names[k].size() < kNamesPerKind) input.names[k].push_back(maker.Name());
    for (const std::string& name : input.names[k])
      input.keywords.MutableSet(kKinds[k]).push_back(UpperAscii(name));
  }
  input.keywords.SortAll();
}

std::string CodeLine(ColouringInput& input, NameMaker& maker) {
  auto pick = [&](int kind) -> const std::string& {
    const std::vector<std::string>& names = input.names[kind];
    return names[maker.Below(static_cast<unsigned>(names.size()))];
  };
  const std::string plain = "value" + std::to_string(maker.Below(1000));
  switch (maker.Below(6)) {
    case 0:
      return "Declare Function " + pick(0) + " Lib \"user32\" (ByVal " + plain + " As " + pick(1) +
             ") As " + pick(1);
    case 1:
      return "    Dim " + plain + " As " + pick(1) + " ' keeps the " + pick(2) + " value";
    case 2:
      return "    " + plain + " = " + pick(0) + "(" + plain + ", " + pick(2) + ") + 3.14 * 2";
    case 3:
      return "int " + plain + " = " + pick(0) + "(hwnd, \"" + pick(0) + "\", 0x10); // " + pick(1);
    case 4:
      return "    for (i = 0; i < " + pick(2) + "; i++) { buf[i] = (" + plain + " ^ 255) / 7; }";
    default:
      return "If " + plain + " > 10 Then Return " + pick(2) + " - 1";
  }
}

// The text as the entry page hands plain text to the colouring.
std::string PreparedLikeAnEntryPage(std::string plain) {
  ReplaceAll(plain, "&", "&amp;");
  ReplaceAll(plain, "<", "&lt;");
  ReplaceAll(plain, ">", "&gt;");
  ReplaceAll(plain, "\"", std::string(1, kStringMark));
  ReplaceAll(plain, "  ", "&nbsp;&nbsp;");
  ReplaceAll(plain, "\r\n", "<br>\r\n");
  return plain;
}

const ColouringInput& Input() {
  static const ColouringInput input = [] {
    ColouringInput made;
    NameMaker maker(1);
    FillKeywordSets(made, maker);
    std::string plain;
    while (plain.size() < kCodeBytes) plain += CodeLine(made, maker) + "\r\n";
    made.text = PreparedLikeAnEntryPage(std::move(plain));
    return made;
  }();
  return input;
}

void BM_ColourCode(benchmark::State& state) {
  const ColouringInput& input = Input();
  const PageTemplate page_template = BuildPageTemplate(DefaultSettings());
  size_t output_size = 0;
  // As the entry page colours: into a fresh buffer, which is then freed.
  for (auto _ : state) {
    OutputBuffer out(ColouredSizeGuess(input.text.size()));
    ColourCode(std::string_view(input.text), input.keywords, page_template, SymbolColouring::On, out);
    output_size = out.Size();
    benchmark::DoNotOptimize(out.View().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(input.text.size()));
  state.counters["output_MB"] = static_cast<double>(output_size) / (1 << 20);
}
BENCHMARK(BM_ColourCode)->Unit(benchmark::kMillisecond);

void BM_LoadKeywordSets(benchmark::State& state) {
  Database db;
  if (db.Open(BenchLibraryFolder() + kDatabaseFileName, OpenMode::ReadWrite) != kSqliteOk) {
    std::fprintf(stderr, "mivrel-bench: cannot open the bench library\n");
    std::abort();
  }
  // As at start-up: the program's look-up indexes are in place.
  EnsureSpeedIndexes(db);
  size_t names = 0;
  for (auto _ : state) {
    KeywordSets sets;
    sets.Load(db);
    names = 0;
    for (KeywordKind kind : kKinds) names += sets.Set(kind).size();
    benchmark::DoNotOptimize(names);
  }
  state.counters["names"] = static_cast<double>(names);
}
BENCHMARK(BM_LoadKeywordSets)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mivrel
