// A settings file comes from anyone: reading any bytes must not fail, and a
// key written into any file reads back as written while the other keys that
// could be read before still read the same.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

#include "base/files.h"
#include "fuzz_check.h"
#include "settings/ini_file.h"

namespace {

// A private folder for the file, in memory when the system has one.
const std::string& FuzzFolder() {
  static const std::string folder = [] {
    std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/mivrel-fuzz-XXXXXX" : "/tmp/mivrel-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) std::abort();
    return pattern + "/";
  }();
  return folder;
}

struct Name {
  const char* section;
  const char* key;
};
// Names of the program's own keys, and two whose trail bytes are letters.
constexpr Name kNames[] = {{"显示", "字体名"}, {"窗口", "W"}, {"分隔线", "w"}, {"节", "癆"}, {"节", "癮"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzFolder() + "配置.INI";
  if (!mivrel::WriteWholeFile(path, std::string(reinterpret_cast<const char*>(data), size))) std::abort();
  const mivrel::IniFile file(path);
  const size_t written = size == 0 ? 0 : data[0] % std::size(kNames);
  std::string before[std::size(kNames)];
  for (size_t i = 0; i < std::size(kNames); ++i) {
    before[i] = file.Read(kNames[i].section, kNames[i].key, "<none>");
    MIVREL_FUZZ_CHECK(before[i].size() <= 511 || before[i] == "<none>");
  }
  const std::string value = "值" + std::to_string(size);
  MIVREL_FUZZ_CHECK(file.Write(kNames[written].section, kNames[written].key, value));
  MIVREL_FUZZ_CHECK(file.Read(kNames[written].section, kNames[written].key, "<none>") == value);
  // The names are pairwise different keys (癆 and 癮 included).
  for (size_t i = 0; i < std::size(kNames); ++i) {
    if (i != written) MIVREL_FUZZ_CHECK(file.Read(kNames[i].section, kNames[i].key, "<none>") == before[i]);
  }
  return 0;
}
