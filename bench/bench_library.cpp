#include "bench_library.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "store/library_files.h"

namespace mivrel {
namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "mivrel-bench: %s\n", GbToUtf8(what).c_str());
  std::abort();
}

std::string EnvText(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : Utf8ToGb(value);
}

// Holds an exclusive lock on a file for the lifetime of the object, so that two
// benchmark runs never generate the same library at once.
class FolderLock {
 public:
  explicit FolderLock(const std::string& gb_lock_path)
      : fd_(open(NativePath(gb_lock_path).c_str(), O_CREAT | O_RDWR, 0644)) {
    if (fd_ < 0 || flock(fd_, LOCK_EX) != 0) Fail("cannot lock " + gb_lock_path);
  }
  ~FolderLock() { close(fd_); }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
};

// The generated library's shape: the ordinary large library, or on request
// the very large one that every interactive step must also handle.
struct LibraryShape {
  const char* folder_name;
  const char* generator_arguments;
};

LibraryShape RequestedShape() {
  const std::string size = EnvText("MIVREL_BENCH_SIZE");
  if (size == "1m" || size == "1M")
    return {"mivrel-bench-lib-1m/", " --categories 20000 --depth 6 --entries 1000000 --images 500"};
  if (!size.empty() && size != "200k" && size != "200K")
    Fail("MIVREL_BENCH_SIZE is 200k or 1m, not " + size);
  return {"mivrel-bench-lib-200k/", " --categories 5000 --depth 6 --entries 200000 --images 500"};
}

void BuildLibrary(const std::string& folder, const LibraryShape& shape) {
  const std::string database = folder + kDatabaseFileName;
  // The generator writes into a side file that takes the real name only when
  // complete, so an interrupted build is never mistaken for a library.
  const std::string partial = database + ".part";
  const std::string command = "python3 " + ShellQuoted(NativePath(SharedToolsFolder() + "mklib.py")) +
                              " --out " + ShellQuoted(NativePath(partial)) +
                              shape.generator_arguments + " --seed 1 --recycle-bin 1>&2";
  std::fprintf(stderr, "mivrel-bench: building the bench library (once) ...\n");
  if (std::system(command.c_str()) != 0 || !IsRegularFile(partial))
    Fail("the library generator failed: " + command);
  if (!RenameFile(partial, database)) Fail("cannot rename " + partial);
}

std::string PrepareCachedLibrary() {
  const LibraryShape shape = RequestedShape();
  const std::string folder = TempRoot() + shape.folder_name;
  if (!MakeDirectories(folder)) Fail("cannot create " + folder);
  FolderLock lock(folder + "build.lock");
  if (!IsRegularFile(folder + kDatabaseFileName)) BuildLibrary(folder, shape);
  return folder;
}

struct CopiesToRemove {
  std::vector<std::string> folders;
  ~CopiesToRemove() {
    for (const std::string& folder : folders) RemoveTree(folder);
  }
};

CopiesToRemove& Copies() {
  static CopiesToRemove copies;
  return copies;
}

void CopyFileTo(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::copy_file(NativePath(from), NativePath(to),
                             std::filesystem::copy_options::overwrite_existing, error);
  if (error) Fail("cannot copy " + from + " to " + to + ": " + Utf8ToGb(error.message()));
}

}  // namespace

MessageAnswer BenchUi::ShowMessage(const std::string& text, MessageIcon, MessageButtons, MessageOwner) {
  std::fprintf(stderr, "mivrel-bench: %s\n", GbToUtf8(text).c_str());
  return MessageAnswer::No;
}


std::string ShellQuoted(const std::string& native) {
  std::string quoted = "'";
  for (char c : native) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

std::string SharedToolsFolder() {
  std::string folder = EnvText("MIVREL_SHARED_TOOLS");
  if (folder.empty()) folder = MIVREL_SHARED_TOOLS;
  return WithTrailingSeparator(folder);
}


const std::string& BenchLibraryFolder() {
  static const std::string folder = [] {
    const std::string given = EnvText("MIVREL_BENCH_LIBRARY");
    if (given.empty()) return PrepareCachedLibrary();
    const std::string named = WithTrailingSeparator(given);
    if (!IsRegularFile(named + kDatabaseFileName))
      Fail("MIVREL_BENCH_LIBRARY holds no " + std::string(kDatabaseFileName) + ": " + named);
    return named;
  }();
  return folder;
}

std::string CopyBenchLibrary(const std::string& suffix) {
  const std::string& source = BenchLibraryFolder();
  const std::string folder =
      TempRoot() + "mivrel-bench-copy-" + suffix + "-" + std::to_string(getpid()) + "/";
  RemoveTree(folder);
  if (!MakeDirectories(folder)) Fail("cannot create " + folder);
  Copies().folders.push_back(folder);
  CopyFileTo(source + kDatabaseFileName, folder + kDatabaseFileName);
  if (IsRegularFile(source + kSettingsFileName))
    CopyFileTo(source + kSettingsFileName, folder + kSettingsFileName);
  return folder;
}

}  // namespace mivrel
