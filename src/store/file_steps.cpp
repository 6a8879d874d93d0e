#include "store/file_steps.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <filesystem>

#include "base/files.h"
#include "base/text.h"

namespace fs = std::filesystem;

namespace mivrel {
namespace {

class DiskFileSteps final : public FileSteps {
 public:
  std::error_code Rename(const std::string& from, const std::string& to) override {
    std::error_code ec;
    fs::rename(NativePath(from), NativePath(to), ec);
    return ec;
  }
  std::error_code Remove(const std::string& path) override {
    std::error_code ec;
    fs::remove(NativePath(path), ec);
    return ec;
  }
  std::error_code Copy(const std::string& from, const std::string& to) override {
    std::error_code ec;
    fs::copy_file(NativePath(from), NativePath(to), fs::copy_options::overwrite_existing, ec);
    return ec;
  }
  std::optional<FileFacts> Facts(const std::string& path) override {
    struct stat info {};
    if (::stat(NativePath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileFacts{static_cast<std::uint64_t>(info.st_size), info.st_mtime};
  }
  std::optional<std::uint64_t> FreeSpace(const std::string& folder) override {
    struct statvfs info {};
    if (::statvfs(NativePath(folder).c_str(), &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
  }
  std::vector<std::string> Names(const std::string& folder) override {
    return ListFolder(folder, false);
  }
};

}  // namespace

FileSteps& RealFileSteps() {
  static DiskFileSteps steps;
  return steps;
}

std::string FileErrorText(const std::error_code& error) {
  return std::to_string(error.value()) + " " + Utf8ToGb(error.message());
}

}  // namespace mivrel
