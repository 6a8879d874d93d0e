#include "store/library_files.h"

#include "base/files.h"
#include "store/database.h"
#include "store/restore.h"
#include "store/schema.h"

namespace mivrel {
namespace {

constexpr const char* kReinstallHint = "请确保软件的完整性，重新下载一下试试。";
constexpr const char* kInUseHint = "请关闭正在使用它的程序后再试。";
constexpr int kStartBusyTimeoutMs = 300;

std::string StartFailure(const std::string& first_line, const std::string& path, const char* hint) {
  return first_line + "\r\n" + path + hint;
}

}  // namespace

OpenResult OpenReferenceDatabase(Database& db, const std::string& folder, std::string& failure_text) {
  const std::string path = folder + kDatabaseFileName;
  // A restore cut short left the database under its holding name.
  RecoverInterruptedRestore(folder);
  if (!IsRegularFile(path)) {
    const std::string fallback = folder + kDatabaseFallbackName;
    if (!IsRegularFile(fallback) || !RenameFile(fallback, path)) {
      failure_text = StartFailure("数据库文件丢失！！！！", path, kReinstallHint);
      return OpenResult::Missing;
    }
  }
  // Opening never creates a file, and nothing is written before the file has
  // shown itself to be a library: a damaged or foreign file stays untouched.
  if (db.Open(path, OpenMode::ReadWrite) != kSqliteOk) {
    failure_text = StartFailure("无法打开数据库文件", path, kReinstallHint);
    return OpenResult::CannotOpen;
  }
  // Another program holding the file is told at once, not after the long
  // wait that statements later allow for a brief touch.
  db.SetBusyTimeout(kStartBusyTimeoutMs);
  const SchemaCheck check = CheckLibrarySchema(db);
  db.SetBusyTimeout(kDefaultBusyTimeoutMs);
  if (check != SchemaCheck::Matches) {
    db.Close();
    if (check == SchemaCheck::Busy) {
      failure_text = StartFailure("数据库文件正被其他程序使用", path, kInUseHint);
      return OpenResult::InUse;
    }
    failure_text = StartFailure("无法打开数据库文件", path, kReinstallHint);
    return OpenResult::CannotOpen;
  }
  EnsureSpeedIndexes(db);
  return OpenResult::Opened;
}

}  // namespace mivrel
