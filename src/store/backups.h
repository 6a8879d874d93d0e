// The rotation of eleven backups beside the library ("资料数据1.bak", the newest,
// … "资料数据11.bak"), the automatic backup check that runs before every change,
// and the names of those files.  Backup names match without regard to ASCII
// letter case ("资料数据3.Bak" is backup 3).
//
// A backup is a consistent copy of the open database (store/database_copy.h),
// written under a temporary name and renamed to "资料数据1.bak" only
// when complete, so a crash or a full disk never leaves a truncated file in the
// rotation.  A database that fails SQLite's quick check is not backed up: good
// backups are not pushed out by a damaged copy.
//
// Returns codes and texts; the caller tells the user.  One per open library
// (it remembers a refusal for damage).  Thread rules: the thread that may use
// the database connection.
#pragma once

#include <array>
#include <ctime>
#include <string>

#include "store/backup_texts.h"
#include "store/file_steps.h"

namespace mivrel {

class Database;

// "资料数据" + n + ".bak" (n without leading zeros).
std::string BackupFileName(int n);
// The database kept aside during a restore.
constexpr int kRestoreHoldNumber = 12;
// Where the fresh backup is written before it takes the name of backup 1.
constexpr const char* kBackupPartName = "资料数据1.bak.part";

// The file names present in the folder for backups 1..12 (index = number; empty
// when absent), from one listing.
using BackupNames = std::array<std::string, kRestoreHoldNumber + 1>;
BackupNames PresentBackupNames(const std::string& folder, FileSteps& steps = RealFileSteps());
// The name of backup n as it is on disk, or empty.
std::string FindBackupFile(const std::string& folder, int n, FileSteps& steps = RealFileSteps());

// Whole days from `earlier` to `later`, both taken as local wall-clock times
// to the second.
long long WholeDaysBetween(std::time_t earlier, std::time_t later);

enum class BackupStatus {
  Done,     // a fresh 资料数据1.bak is there, the older ones shifted
  NotDue,   // the automatic check found a backup less than two days old
  Damaged,  // the database failed its quick check; nothing changed
  Failed,   // a file step failed; see text (files already shifted keep their numbers)
};

struct BackupOutcome {
  BackupStatus status = BackupStatus::Done;
  // Damaged: the message for the user (which backups are there);
  // Failed: the error text.  GB18030.
  std::string text;
};

class LibraryBackups {
 public:
  // Borrows the connection (open on folder + "资料数据.sdb") and the steps.
  LibraryBackups(Database& db, std::string folder, FileSteps& steps = RealFileSteps());

  // Checks the database, copies it into 资料数据1.bak.part, drops backup 11,
  // shifts 10..1 to 11..2 and renames the copy to backup 1.
  [[nodiscard]] BackupOutcome RotateAndBackUp();
  // Rotates when there is no backup 1 or it is two or more whole days older
  // than `now`; otherwise NotDue, in well under a millisecond.  After a
  // Damaged or Failed outcome the automatic check stays quiet (NotDue) until
  // a rotation succeeds or Resume is called: the user is told once, and a
  // folder that cannot take a backup does not cost a full copy before every
  // change.
  [[nodiscard]] BackupOutcome AutomaticBackupCheck(std::time_t now);

  // Lets the automatic check try again (after a restore replaced the database).
  void Resume() { automatic_paused_ = false; }
  const std::string& Folder() const { return folder_; }
  FileSteps& Steps() const { return steps_; }

  // "ok", or the first problem SQLite's quick check names (GB18030).
  std::string QuickCheck();

 private:
  BackupOutcome Fail(const std::string& text);
  std::string DamagedText();

  Database& db_;
  std::string folder_;
  FileSteps& steps_;
  bool automatic_paused_ = false;
};

}  // namespace mivrel
