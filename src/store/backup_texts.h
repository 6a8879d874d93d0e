// The texts the user sees about the library's files: the restore menu's lines
// and the options dialog's date and size labels.  Times are local.
//
// Pure functions apart from reading the folder; any thread.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "store/file_steps.h"

namespace mivrel {

constexpr int kBackupCount = 11;
constexpr const char* kNoBackupText = "无......";

// "2026-12-08 09:05:03": four-digit year, every later field two digits.
std::string DateTimeText(std::time_t time);
// The "0,000" pattern: at least four digits, a comma between thousands
// (5 -> "0,005", 1234567 -> "1,234,567").
std::string GroupedSize(std::uint64_t bytes);

// "备份" + n + ": " + date-time + " ，" + size + " Byte", or "备份" + n + ": 无......".
std::string RestoreMenuText(int n, const std::optional<FileFacts>& backup);
// The eleven lines of the restore menu for the library in `folder`.
std::array<std::string, kBackupCount> RestoreMenuTexts(const std::string& folder,
                                                       FileSteps& steps = RealFileSteps());

// The database file information: "修改日期：" + date-time and "文件大小：" + size
// + " Byte"; both empty texts after the prefixes when the file is missing.
struct DatabaseFileInfo {
  std::string modified;
  std::string size;
};
DatabaseFileInfo DatabaseFileInfoTexts(const std::string& folder, FileSteps& steps = RealFileSteps());

}  // namespace mivrel
