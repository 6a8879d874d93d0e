#include "store/library_files.h"

#include "base/files.h"
#include "store/database.h"
#include "store/restore.h"
#include "store/schema.h"

namespace mivrel {
namespace {

constexpr const char* kReinstallHint = "请确保软件的完整性，重新下载一下试试。";

std::string StartFailure(const std::string& first_line, const std::string& path) {
  return first_line + "\r\n" + path + kReinstallHint;
}

}  // namespace

OpenResult OpenReferenceDatabase(Database& db, const std::string& folder, std::string& failure_text) {
  const std::string path = folder + kDatabaseFileName;
  // A restore cut short left the database under its holding name.
  RecoverInterruptedRestore(folder);
  if (!IsRegularFile(path)) {
    const std::string fallback = folder + kDatabaseFallbackName;
    if (!IsRegularFile(fallback) || !RenameFile(fallback, path)) {
      failure_text = StartFailure("数据库文件丢失！！！！", path);
      return OpenResult::Missing;
    }
  }
  // Opening never creates a file, and nothing is written before the file has
  // shown itself to be a library: a damaged or foreign file stays untouched.
  if (db.Open(path, OpenMode::ReadWrite) != kSqliteOk || !HasLibraryTables(db)) {
    db.Close();
    failure_text = StartFailure("无法打开数据库文件", path);
    return OpenResult::CannotOpen;
  }
  EnsureSpeedIndexes(db);
  return OpenResult::Opened;
}

}  // namespace mivrel
