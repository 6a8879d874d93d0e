#include "app/test_report.h"

#include <cstdio>
#include <cstdlib>

#include "base/text.h"

namespace mivrel {
namespace {

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

std::unique_ptr<ReportFile> ReportFile::FromEnvironment() {
  const char* value = std::getenv("MIVREL_TEST_REPORT");
  if (value == nullptr || *value == '\0') return nullptr;
  return std::unique_ptr<ReportFile>(new ReportFile(value));
}

void ReportFile::Observe(const std::string& kind, const std::string& gb_text) {
  // Opened per event so that a reader sees every line at once and a crash
  // loses nothing.
  std::FILE* file = std::fopen(path_.c_str(), "ab");
  if (file == nullptr) return;
  const std::string line = kind + "\t" + EscapeLineBreaks(GbToUtf8(gb_text)) + "\n";
  std::fwrite(line.data(), 1, line.size(), file);
  std::fclose(file);
}

}  // namespace mivrel
