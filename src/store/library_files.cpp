#include "store/library_files.h"

#include "base/files.h"
#include "ports/ui.h"
#include "store/database.h"
#include "store/restore.h"
#include "store/schema.h"

namespace mivrel {
namespace {

constexpr const char* kReinstallHint = "请确保软件的完整性，重新下载一下试试。";

void ReportStartFailure(Ui& ui, const std::string& first_line, const std::string& path) {
  ui.ShowMessage(first_line + "\r\n" + path + kReinstallHint, MessageIcon::Stop, MessageButtons::Ok,
                 MessageOwner::None);
}

}  // namespace

OpenResult OpenReferenceDatabase(Database& db, const std::string& folder, Ui& ui) {
  const std::string path = folder + kDatabaseFileName;
  // A restore cut short left the database under its holding name.
  RecoverInterruptedRestore(folder);
  if (!IsRegularFile(path)) {
    const std::string fallback = folder + kDatabaseFallbackName;
    if (!IsRegularFile(fallback) || !RenameFile(fallback, path)) {
      ReportStartFailure(ui, "数据库文件丢失！！！！", path);
      return OpenResult::Missing;
    }
  }
  // Opening never creates a file, and nothing is written before the file has
  // shown itself to be a library: a damaged or foreign file stays untouched.
  if (db.Open(path, OpenMode::ReadWrite) != kSqliteOk || !HasLibraryTables(db)) {
    db.Close();
    ReportStartFailure(ui, "无法打开数据库文件", path);
    return OpenResult::CannotOpen;
  }
  EnsureSpeedIndexes(db);
  return OpenResult::Opened;
}

}  // namespace mivrel
