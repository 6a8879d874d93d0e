#include "jobs/backup_commands.h"

#include "ports/ui.h"
#include "store/backups.h"
#include "store/database.h"
#include "store/library_files.h"
#include "store/restore.h"

namespace mivrel {

void CheckBackupsBeforeChange(LibraryBackups& backups, Ui& ui, std::time_t now) {
  const BackupOutcome outcome = backups.AutomaticBackupCheck(now);
  if (outcome.status == BackupStatus::Damaged) ui.ShowMessage(outcome.text, MessageIcon::Stop);
}

MaintenanceOutcome BackUpNow(LibraryBackups& backups) {
  const BackupOutcome outcome = backups.RotateAndBackUp();
  switch (outcome.status) {
    case BackupStatus::Done:
    case BackupStatus::NotDue:
      return {MaintenanceStatus::Succeeded, kBackupDoneText, MessageIcon::Information};
    case BackupStatus::Damaged:
      return {MaintenanceStatus::Failed, outcome.text, MessageIcon::Stop};
    case BackupStatus::Failed:
      break;
  }
  return {MaintenanceStatus::Failed, std::string(kBackupFailedFirstLine) + "\r\n" + outcome.text,
          MessageIcon::Stop};
}

RestoreReport RestoreLibrary(Database& db, LibraryBackups& backups, int n, Ui& ui) {
  const std::string& folder = backups.Folder();
  if (n < 1 || n > kBackupCount || FindBackupFile(folder, n, backups.Steps()).empty()) return {RestoreEnd::Nothing, {}};
  db.Close();
  const RestoreOutcome outcome = RestoreBackupFiles(folder, n, backups.Steps());
  std::string failure;
  if (OpenReferenceDatabase(db, folder, failure) != OpenResult::Opened) {
    ui.ShowMessage(failure, MessageIcon::Stop, MessageButtons::Ok, MessageOwner::None);
    return {RestoreEnd::NoDatabase, {}};
  }
  backups.Resume();
  if (outcome.status == RestoreStatus::Failed) {
    return {RestoreEnd::Failed, std::string(kRestoreFailedFirstLine) + "\r\n" + outcome.error};
  }
  return {RestoreEnd::Restored, {}};
}

}  // namespace mivrel
