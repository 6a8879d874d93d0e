// The user's side of backups: the automatic check before a change, the
// options dialog's "备份" button and restoring backup n, with the texts the
// user is told.
//
// User-interface thread (the connection is closed and reopened by a restore).
#pragma once

#include <ctime>
#include <string>

#include "jobs/maintenance.h"

namespace mivrel {

class Database;
class LibraryBackups;
class Ui;

constexpr const char* kBackupDoneText = "备份完成。";
constexpr const char* kBackupFailedFirstLine = "备份失败，原因见下面信息：";
constexpr const char* kRestoreFailedFirstLine = "执行失败，发生了错误：";

// Called before every change (deletions, imports, saving an editor): backs up
// when the newest backup is two or more days old.  A damaged database is
// reported once (stop icon, owned by the main window); a failing file step is
// not reported, as the rotation has always been silent.
void CheckBackupsBeforeChange(LibraryBackups& backups, Ui& ui, std::time_t now = std::time(nullptr));

// "备份": rotate and back up.  Succeeded: "备份完成。"; a damaged database or a
// failed step: Failed with its text (stop icon).
MaintenanceOutcome BackUpNow(LibraryBackups& backups);

enum class RestoreEnd {
  Restored,     // show "执行成功", reload the tree, show the home page
  Nothing,      // no such backup: nothing happened
  Failed,       // the old database is back and open; show `text`
  NoDatabase,   // the database could not be reopened (already reported): end the program
};

struct RestoreReport {
  RestoreEnd end = RestoreEnd::Restored;
  std::string text;  // for Failed: "执行失败，发生了错误：" + CR LF + the error
};

// Restores backup n (1-11) over the library open in `db`: closes the
// connection, replaces the file (see store/restore.h), reopens it as at start
// (reporting through `ui` when that fails).
RestoreReport RestoreLibrary(Database& db, LibraryBackups& backups, int n, Ui& ui);

}  // namespace mivrel
