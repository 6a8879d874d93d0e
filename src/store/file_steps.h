// The file operations of backups and restores (rename, remove, copy, look at a
// file), behind one small interface so that a test can make any step fail as
// a full disk or a read-only folder would.  Paths are GB18030.
//
// Thread rules: the real steps may be used from any thread.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace mivrel {

// What the backup texts show of a file.
struct FileFacts {
  std::uint64_t size = 0;
  std::time_t last_write = 0;
};

class FileSteps {
 public:
  virtual ~FileSteps() = default;
  // Replaces `to` when it exists.
  [[nodiscard]] virtual std::error_code Rename(const std::string& from, const std::string& to) = 0;
  // Removing a file that is not there is not an error.
  [[nodiscard]] virtual std::error_code Remove(const std::string& path) = 0;
  // Copies the bytes, replacing `to`; a failed copy may leave part of `to`.
  [[nodiscard]] virtual std::error_code Copy(const std::string& from, const std::string& to) = 0;
  // Size and last-write time; empty when there is no such regular file.
  virtual std::optional<FileFacts> Facts(const std::string& path) = 0;
  // Bytes free for this user on the folder's file system; empty when unknown.
  virtual std::optional<std::uint64_t> FreeSpace(const std::string& folder) = 0;
  // File names in the folder (GB18030).
  virtual std::vector<std::string> Names(const std::string& folder) = 0;
};

// The file system.
FileSteps& RealFileSteps();

// The error text of a failed step for the user (GB18030).
std::string FileErrorText(const std::error_code& error);

}  // namespace mivrel
