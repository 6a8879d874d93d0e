// mivrel-tool backup | backups | restore N: the rotation, the restore menu's
// eleven lines (GB18030, LF) and restoring backup N as the restore command of
// the options dialog does.
#include <string>

#include "base/text.h"
#include "jobs/backup_commands.h"
#include "store/backups.h"
#include "store/database.h"
#include "tool/commands.h"

namespace mivrel {
namespace {

void PrintMenu(const std::string& folder) {
  std::string lines;
  for (const std::string& line : RestoreMenuTexts(folder)) lines += line + "\n";
  WriteStdout(lines);
}

void PrintOutcome(const std::string& text) {
  WriteStdout(ReplacedAll(text, "\r\n", "\n") + "\n");
}

}  // namespace

int RunBackupCommand(const ToolContext& context) {
  if (!context.args.empty()) {
    PrintError("backup: takes no arguments");
    return 2;
  }
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  LibraryBackups backups(db, context.library_folder);
  const MaintenanceOutcome outcome = BackUpNow(backups);
  if (outcome.status != MaintenanceStatus::Succeeded) {
    PrintOutcome(outcome.text);
    return 1;
  }
  PrintMenu(context.library_folder);
  return 0;
}

int RunBackupsCommand(const ToolContext& context) {
  if (!context.args.empty()) {
    PrintError("backups: takes no arguments");
    return 2;
  }
  PrintMenu(context.library_folder);
  return 0;
}

int RunRestoreCommand(const ToolContext& context) {
  const long long n = context.args.size() == 1 ? LeadingNumber(context.args[0]) : 0;
  if (n < 1 || n > kBackupCount || std::to_string(n) != context.args[0]) {
    PrintError("restore: needs a backup number 1-11");
    return 2;
  }
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  LibraryBackups backups(db, context.library_folder);
  const RestoreReport report = RestoreLibrary(db, backups, static_cast<int>(n), ui);
  switch (report.end) {
    case RestoreEnd::Restored:
      PrintOutcome(kSuccessText);
      return 0;
    case RestoreEnd::Nothing:
      PrintError("没有备份" + std::to_string(n) + "（" + BackupFileName(static_cast<int>(n)) + "）");
      return 1;
    case RestoreEnd::Failed:
      PrintOutcome(report.text);
      return 1;
    case RestoreEnd::NoDatabase:
      break;
  }
  return 1;
}

}  // namespace mivrel
