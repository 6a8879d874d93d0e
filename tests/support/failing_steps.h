// File steps that fail on purpose: the n-th rename, the copy half-way, or a
// folder with little room, as a full disk or a read-only folder would.
#pragma once

#include <optional>
#include <string>

#include "base/files.h"
#include "store/file_steps.h"

namespace mivrel::testing {

class FailingSteps final : public FileSteps {
 public:
  // 0 = never fail; n = fail the n-th call of that kind.
  int fail_rename = 0;
  bool fail_copy_half_way = false;
  std::optional<std::uint64_t> free_space;

  std::error_code Rename(const std::string& from, const std::string& to) override {
    if (++renames_ == fail_rename) return std::make_error_code(std::errc::read_only_file_system);
    return RealFileSteps().Rename(from, to);
  }
  std::error_code Remove(const std::string& path) override { return RealFileSteps().Remove(path); }
  std::error_code Copy(const std::string& from, const std::string& to) override {
    if (!fail_copy_half_way) return RealFileSteps().Copy(from, to);
    std::string bytes;
    ReadWholeFile(from, bytes);
    WriteWholeFile(to, bytes.substr(0, bytes.size() / 2));
    return std::make_error_code(std::errc::no_space_on_device);
  }
  std::optional<FileFacts> Facts(const std::string& path) override { return RealFileSteps().Facts(path); }
  std::optional<std::uint64_t> FreeSpace(const std::string& folder) override {
    return free_space ? free_space : RealFileSteps().FreeSpace(folder);
  }
  std::vector<std::string> Names(const std::string& folder) override {
    return RealFileSteps().Names(folder);
  }

 private:
  int renames_ = 0;
};

}  // namespace mivrel::testing
