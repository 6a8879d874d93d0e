#include "render/page_temp_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <random>

#include "base/files.h"

namespace mivrel {

std::string CreatePageTempFolder() {
  std::random_device entropy;
  std::mt19937_64 random((static_cast<uint64_t>(entropy()) << 32) ^ entropy());
  const std::string root = TempRoot();
  // mkdir fails on an existing name (also a planted link), so a folder this
  // call returns is always a new one that only this user can write into.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string folder = root + "tk" + std::to_string(random() % 10000000000ULL) + "/";
    if (mkdir(NativePath(folder).c_str(), 0700) == 0) return folder;
    if (errno != EEXIST) return std::string();
  }
  return std::string();
}

void RemovePageTempFolder(const std::string& gb_folder) {
  if (!gb_folder.empty()) RemoveTree(gb_folder);
}

}  // namespace mivrel
