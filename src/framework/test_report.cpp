#include "framework/test_report.h"

#include <cstdio>
#include <cstdlib>

#include "base/text.h"

namespace mivrel {
namespace {

const char* ReportPath() {
  static const char* const path = [] {
    const char* value = std::getenv("MIVREL_TEST_REPORT");
    return (value != nullptr && *value != '\0') ? value : nullptr;
  }();
  return path;
}

std::string EscapeLineBreaks(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

bool TestReportEnabled() { return ReportPath() != nullptr; }

void TestReport(const std::string& kind, const std::string& gb_text) {
  const char* path = ReportPath();
  if (path == nullptr) return;
  // Opened per event so that a reader sees every line at once and a crash
  // loses nothing.
  std::FILE* file = std::fopen(path, "ab");
  if (file == nullptr) return;
  const std::string line = kind + "\t" + EscapeLineBreaks(GbToUtf8(gb_text)) + "\n";
  std::fwrite(line.data(), 1, line.size(), file);
  std::fclose(file);
}

}  // namespace mivrel
