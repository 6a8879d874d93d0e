#include "store/backup_texts.h"

#include <cstdio>

#include "store/backups.h"
#include "store/library_files.h"

namespace mivrel {

std::string DateTimeText(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::string GroupedSize(std::uint64_t bytes) {
  std::string digits = std::to_string(bytes);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string RestoreMenuText(int n, const std::optional<FileFacts>& backup) {
  std::string text = "备份" + std::to_string(n) + ": ";
  if (!backup) return text + kNoBackupText;
  return text + DateTimeText(backup->last_write) + " ，" + GroupedSize(backup->size) + " Byte";
}

std::array<std::string, kBackupCount> RestoreMenuTexts(const std::string& folder, FileSteps& steps) {
  std::array<std::string, kBackupCount> texts;
  const BackupNames names = PresentBackupNames(folder, steps);
  for (int n = 1; n <= kBackupCount; ++n) {
    const std::string& name = names[n];
    texts[n - 1] = RestoreMenuText(n, name.empty() ? std::nullopt : steps.Facts(folder + name));
  }
  return texts;
}

DatabaseFileInfo DatabaseFileInfoTexts(const std::string& folder, FileSteps& steps) {
  DatabaseFileInfo info{"修改日期：", "文件大小："};
  if (const auto facts = steps.Facts(folder + kDatabaseFileName)) {
    info.modified += DateTimeText(facts->last_write);
    info.size += GroupedSize(facts->size) + " Byte";
  }
  return info;
}

}  // namespace mivrel
