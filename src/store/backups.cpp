#include "store/backups.h"

#include "base/files.h"
#include "base/text.h"
#include "store/database.h"
#include "store/database_copy.h"
#include "store/library_files.h"
#include "store/result_grid.h"

namespace mivrel {
namespace {

constexpr long long kSecondsPerDay = 24 * 60 * 60;
constexpr long long kBackupDueDays = 2;

// The local wall-clock time as a count of seconds, so that differences follow
// the calendar the user sees (a daylight-saving change does not move a day).
long long LocalSeconds(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return static_cast<long long>(timegm(&local));
}

}  // namespace

std::string BackupFileName(int n) { return "资料数据" + std::to_string(n) + ".bak"; }

BackupNames PresentBackupNames(const std::string& folder, FileSteps& steps) {
  BackupNames names;
  std::array<std::string, kRestoreHoldNumber + 1> lowered;
  for (int n = 1; n <= kRestoreHoldNumber; ++n) lowered[n] = LowerAscii(BackupFileName(n));
  for (const std::string& name : steps.Names(folder)) {
    const std::string lower = LowerAscii(name);
    for (int n = 1; n <= kRestoreHoldNumber; ++n) {
      // An exact spelling wins over a variant in letter case.
      if (lower == lowered[n] && (names[n].empty() || name == BackupFileName(n))) names[n] = name;
    }
  }
  return names;
}

std::string FindBackupFile(const std::string& folder, int n, FileSteps& steps) {
  const std::string exact = BackupFileName(n);
  // The exact spelling is the common case and costs one look at the file.
  if (steps.Facts(folder + exact)) return exact;
  return PresentBackupNames(folder, steps)[n];
}

long long WholeDaysBetween(std::time_t earlier, std::time_t later) {
  const long long seconds = LocalSeconds(later) - LocalSeconds(earlier);
  return seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
}

LibraryBackups::LibraryBackups(Database& db, std::string folder, FileSteps& steps)
    : db_(db), folder_(std::move(folder)), steps_(steps) {}

std::string LibraryBackups::QuickCheck() {
  ResultGrid grid;
  if (db_.Query("PRAGMA quick_check", grid) == 0) {
    const std::string error = db_.LastError();
    return error.empty() ? std::string("quick_check") : error;
  }
  return grid.At(1, 0);
}

BackupOutcome LibraryBackups::Fail(const std::string& text) {
  (void)steps_.Remove(folder_ + kBackupPartName);
  return {BackupStatus::Failed, text};
}

std::string LibraryBackups::DamagedText() {
  std::string text =
      "数据库文件可能已经损坏（完整性检查没有通过），这次没有备份，原有的备份都保留着：";
  int present = 0;
  for (const std::string& line : RestoreMenuTexts(folder_, steps_)) {
    if (line.find(kNoBackupText) != std::string::npos) continue;
    text += "\r\n" + line;
    ++present;
  }
  if (present == 0) text += "\r\n（没有备份）";
  return text;
}

BackupOutcome LibraryBackups::RotateAndBackUp() {
  if (QuickCheck() != "ok") {
    return {BackupStatus::Damaged, DamagedText()};
  }
  const std::string part = folder_ + kBackupPartName;
  if (const auto ec = steps_.Remove(part)) return Fail(FileErrorText(ec));
  std::string copy_error;
  if (CopyOpenDatabase(db_, part, copy_error) != kSqliteOk) return Fail(copy_error);

  // The copy is complete before the oldest backup is given up.
  BackupNames names = PresentBackupNames(folder_, steps_);
  if (!names[kBackupCount].empty()) {
    if (const auto ec = steps_.Remove(folder_ + names[kBackupCount])) return Fail(FileErrorText(ec));
  }
  for (int n = kBackupCount - 1; n >= 1; --n) {
    if (names[n].empty()) continue;
    if (const auto ec = steps_.Rename(folder_ + names[n], folder_ + BackupFileName(n + 1))) {
      return Fail(FileErrorText(ec));
    }
  }
  if (const auto ec = steps_.Rename(part, folder_ + BackupFileName(1))) return Fail(FileErrorText(ec));
  automatic_paused_ = false;
  return {BackupStatus::Done, {}};
}

BackupOutcome LibraryBackups::AutomaticBackupCheck(std::time_t now) {
  if (automatic_paused_) return {BackupStatus::NotDue, {}};
  const std::string newest = FindBackupFile(folder_, 1, steps_);
  if (!newest.empty()) {
    const auto facts = steps_.Facts(folder_ + newest);
    if (facts && WholeDaysBetween(facts->last_write, now) < kBackupDueDays) {
      return {BackupStatus::NotDue, {}};
    }
  }
  BackupOutcome outcome = RotateAndBackUp();
  if (outcome.status == BackupStatus::Damaged || outcome.status == BackupStatus::Failed) {
    automatic_paused_ = true;
  }
  return outcome;
}

}  // namespace mivrel
