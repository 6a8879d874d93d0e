#include "store/restore.h"

#include "store/backups.h"
#include "store/library_files.h"

namespace mivrel {
namespace {

class RestoreSteps {
 public:
  RestoreSteps(const std::string& folder, FileSteps& steps)
      : folder_(folder), steps_(steps), database_(folder + kDatabaseFileName),
        hold_(folder + BackupFileName(kRestoreHoldNumber)), part_(folder + kRestorePartName) {}

  RestoreOutcome Run(const std::string& backup) {
    const std::string old_hold = FindBackupFile(folder_, kRestoreHoldNumber, steps_);
    if (!old_hold.empty()) {
      if (const auto ec = steps_.Remove(folder_ + old_hold)) return Failed(ec, Held::No);
    }
    if (const auto ec = steps_.Rename(database_, hold_)) return Failed(ec, Held::No);
    (void)steps_.Remove(part_);
    if (const auto ec = steps_.Copy(folder_ + backup, part_)) return Failed(ec, Held::Yes);
    if (const auto ec = steps_.Rename(part_, database_)) return Failed(ec, Held::Yes);
    const std::string eleven = FindBackupFile(folder_, kBackupCount, steps_);
    if (!eleven.empty()) {
      if (const auto ec = steps_.Remove(folder_ + eleven)) return Failed(ec, Held::Yes);
    }
    if (const auto ec = steps_.Rename(hold_, folder_ + BackupFileName(kBackupCount))) {
      return Failed(ec, Held::Yes);
    }
    return {RestoreStatus::Restored, {}};
  }

 private:
  enum class Held { No, Yes };

  // The held database goes back under its name, replacing whatever copy of
  // the backup got there.
  RestoreOutcome Failed(const std::error_code& error, Held held) {
    (void)steps_.Remove(part_);
    if (held == Held::Yes) (void)steps_.Rename(hold_, database_);
    return {RestoreStatus::Failed, FileErrorText(error)};
  }

  const std::string& folder_;
  FileSteps& steps_;
  const std::string database_;
  const std::string hold_;
  const std::string part_;
};

}  // namespace

RestoreOutcome RestoreBackupFiles(const std::string& folder, int n, FileSteps& steps) {
  if (n < 1 || n > kBackupCount) return {RestoreStatus::NoSuchBackup, {}};
  const std::string backup = FindBackupFile(folder, n, steps);
  if (backup.empty()) return {RestoreStatus::NoSuchBackup, {}};
  return RestoreSteps(folder, steps).Run(backup);
}

bool RecoverInterruptedRestore(const std::string& folder, FileSteps& steps) {
  if (steps.Facts(folder + kDatabaseFileName)) return false;
  const std::string held = FindBackupFile(folder, kRestoreHoldNumber, steps);
  if (held.empty()) return false;
  return !steps.Rename(folder + held, folder + kDatabaseFileName);
}

}  // namespace mivrel
