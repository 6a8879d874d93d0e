#include "base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/text.h"

namespace fs = std::filesystem;

namespace mivrel {
namespace {

fs::path PathOf(const std::string& gb_path) { return fs::path(NativePath(gb_path)); }

}  // namespace

std::string NativePath(const std::string& gb_path) { return GbToUtf8(gb_path); }

bool PathExists(const std::string& gb_path) {
  std::error_code ec;
  return fs::exists(PathOf(gb_path), ec);
}

bool IsDirectory(const std::string& gb_path) {
  std::error_code ec;
  return fs::is_directory(PathOf(gb_path), ec);
}

bool IsRegularFile(const std::string& gb_path) {
  std::error_code ec;
  return fs::is_regular_file(PathOf(gb_path), ec);
}

bool ReadWholeFile(const std::string& gb_path, std::string& bytes) {
  // Opened without blocking, so that a pipe of that name cannot hang the
  // caller, and read only when it is a regular file of a sane size: a folder
  // reports a "size" that is no size at all.
  const int fd = open(NativePath(gb_path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
            static_cast<unsigned long long>(info.st_size) <= kMaxWholeFileBytes;
  if (ok) {
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (ok && done < bytes.size()) {
      const ssize_t n = read(fd, &bytes[done], bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        // A file that shrank while being read gives what was there.
        ok = n == 0;
        bytes.resize(done);
        break;
      }
      done += static_cast<size_t>(n);
    }
  }
  close(fd);
  return ok;
}

bool WriteWholeFile(const std::string& gb_path, const std::string& bytes) {
  std::ofstream out(PathOf(gb_path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

bool RenameFile(const std::string& gb_from, const std::string& gb_to) {
  std::error_code ec;
  fs::rename(PathOf(gb_from), PathOf(gb_to), ec);
  return !ec;
}

bool RemoveFile(const std::string& gb_path) {
  std::error_code ec;
  return fs::remove(PathOf(gb_path), ec);
}

bool MakeDirectories(const std::string& gb_path) {
  std::error_code ec;
  fs::create_directories(PathOf(gb_path), ec);
  return fs::is_directory(PathOf(gb_path), ec);
}

bool RemoveTree(const std::string& gb_path) {
  std::error_code ec;
  fs::remove_all(PathOf(gb_path), ec);
  return !ec;
}

std::vector<std::string> ListFolder(const std::string& gb_path, bool folders_only) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(PathOf(gb_path), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (folders_only && !it->is_directory(type_ec)) continue;
    names.push_back(Utf8ToGb(it->path().filename().string()));
  }
  return names;
}

std::string AbsolutePath(const std::string& gb_path) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(PathOf(gb_path), ec);
  return ec ? gb_path : Utf8ToGb(absolute.string());
}

std::string ExecutableFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithTrailingSeparator(Utf8ToGb(fs::current_path(ec).string()));
  return WithTrailingSeparator(Utf8ToGb(exe.parent_path().string()));
}

std::string TempRoot() {
  for (const char* name : {"TEMP", "TMPDIR"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return WithTrailingSeparator(Utf8ToGb(value));
  }
  return "/tmp/";
}

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != kPathSeparator) folder.push_back(kPathSeparator);
  return folder;
}

}  // namespace mivrel
