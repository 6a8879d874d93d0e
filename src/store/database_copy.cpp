#include "store/database_copy.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/files.h"
#include "base/text.h"
#include "store/database.h"

namespace mivrel {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting a failed close (a late write error).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string ErrnoText() { return Utf8ToGb(std::strerror(errno)); }

// Kernel-side copy of the whole file, then a flush to the disk: a backup that
// a power cut can truncate after its rename is no backup.
bool CopyFileBytes(const std::string& from, const std::string& to, std::string& error) {
  FileDescriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return error = ErrnoText(), false;
  FileDescriptor out(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (out.get() < 0) return error = ErrnoText(), false;
  struct stat info {};
  if (::fstat(in.get(), &info) != 0) return error = ErrnoText(), false;
  off_t left = info.st_size;
  while (left > 0) {
    ssize_t copied = ::copy_file_range(in.get(), nullptr, out.get(), nullptr, static_cast<size_t>(left), 0);
    if (copied < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL)) {
      char buffer[1 << 16];
      copied = ::read(in.get(), buffer, sizeof buffer);
      if (copied > 0 && ::write(out.get(), buffer, static_cast<size_t>(copied)) != copied) copied = -1;
    }
    if (copied < 0) return error = ErrnoText(), false;
    if (copied == 0) return error = "short read", false;
    left -= copied;
  }
  if (::fdatasync(out.get()) != 0 || !out.Close()) return error = ErrnoText(), false;
  return true;
}

int OnlineBackup(sqlite3* source, const std::string& to, std::string& error) {
  sqlite3* target = nullptr;
  int rc = sqlite3_open_v2(to.c_str(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc == SQLITE_OK) {
    // The copy is renamed into place only when complete: a rollback journal
    // for it would only double the writing.
    sqlite3_exec(target, "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (backup != nullptr) {
      sqlite3_backup_step(backup, -1);
      sqlite3_backup_finish(backup);
    }
    rc = sqlite3_errcode(target);
  }
  if (rc != SQLITE_OK) error = Utf8ToGb(target != nullptr ? sqlite3_errmsg(target) : sqlite3_errstr(rc));
  sqlite3_close(target);
  return rc;
}

bool InWalMode(Database& db) {
  ResultGrid grid;
  return db.Query("PRAGMA journal_mode", grid) == 1 && LowerAscii(grid.At(1, 0)) == "wal";
}

}  // namespace

int CopyOpenDatabase(Database& db, const std::string& gb_target, std::string& error) {
  sqlite3* source = db.Handle();
  if (source == nullptr) return error = "database closed", SQLITE_MISUSE;
  const std::string target = NativePath(gb_target);
  const char* file = sqlite3_db_filename(source, "main");
  if (file == nullptr || *file == '\0' || sqlite3_get_autocommit(source) == 0 || InWalMode(db)) {
    return OnlineBackup(source, target, error);
  }
  // The read keeps the shared lock until COMMIT; any hot journal has been
  // rolled back by then.
  if (db.Run("BEGIN") != kSqliteOk) return error = db.LastError(), sqlite3_errcode(source);
  int rc = db.Run("SELECT COUNT(*) FROM sqlite_master");
  if (rc != kSqliteOk) {
    error = db.LastError();
  } else if (!CopyFileBytes(file, target, error)) {
    rc = SQLITE_IOERR;
  }
  db.Run("COMMIT");
  return rc;
}

}  // namespace mivrel
