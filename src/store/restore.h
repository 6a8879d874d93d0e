// Restoring backup n over the library's database, and the start-up repair of
// a restore that was cut short.
//
// Every file step goes through a temporary name: the database is set aside as
// "资料数据12.bak", the backup copied to "资料数据.sdb.part" and renamed into place,
// and only then does the old database become "资料数据11.bak".  When a step
// fails the old database is put back under "资料数据.sdb", so the program always
// has a database to reopen.
//
// REQUIRES for RestoreBackupFiles: the database connection is closed (the
// caller closes it before and reopens it after).  Any thread.
#pragma once

#include <string>

#include "store/file_steps.h"

namespace mivrel {

constexpr const char* kRestorePartName = "资料数据.sdb.part";

enum class RestoreStatus {
  Restored,      // the database is backup n's copy; the old one is backup 11
  NoSuchBackup,  // nothing was done
  Failed,        // the old database is back under its name (see error)
};

struct RestoreOutcome {
  RestoreStatus status = RestoreStatus::Restored;
  std::string error;  // the failed step's error text, GB18030
};

[[nodiscard]] RestoreOutcome RestoreBackupFiles(const std::string& folder, int n,
                                                FileSteps& steps = RealFileSteps());

// At start: when "资料数据.sdb" is missing and "资料数据12.bak" is there (a restore
// was cut short), the held database takes its name back.  True when it did.
bool RecoverInterruptedRestore(const std::string& folder, FileSteps& steps = RealFileSteps());

}  // namespace mivrel
