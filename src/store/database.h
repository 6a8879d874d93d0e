// The one connection to the reference library and the operations every part of
// the program uses on it: run a statement, query into a grid, last error text,
// rows changed, and prepared statements for bound writes and image reads.
//
// Statement texts are GB18030; they are converted to UTF-8 before SQLite sees
// them, and grid cells are converted back.  Values bound to prepared statements
// are passed as the exact bytes to store (callers convert the texts that the
// schema keeps in UTF-8; `网页名` is bound as the bytes the program holds).
//
// Not thread-safe: one thread at a time (the user-interface thread, or a
// background job while the windows that could start database work are
// disabled).  No exception leaves this layer, and it never talks to the
// user: it returns codes and texts, and the caller reports them.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "store/result_grid.h"

struct sqlite3;
struct sqlite3_stmt;

namespace mivrel {

// SQLite result codes the callers test.
constexpr int kSqliteOk = 0;
constexpr int kSqliteError = 1;
constexpr int kSqliteRow = 100;
constexpr int kSqliteDone = 101;

enum class OpenMode { ReadWrite, ReadWriteCreate };

// How long a statement waits for another program's lock before it fails.
constexpr int kDefaultBusyTimeoutMs = 2000;

class Database {
 public:
  Database();
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens the file (path in GB18030).  ReadWrite never creates a file; a file
  // that cannot be written is opened read-only.  Returns the SQLite result code.
  [[nodiscard]] int Open(const std::string& gb_path, OpenMode mode = OpenMode::ReadWrite);
  void Close();
  // Sets how long statements wait for another connection's lock.
  void SetBusyTimeout(int ms);
  bool IsOpen() const { return db_ != nullptr; }
  bool IsReadOnly() const;

  // Runs one or more statements; the SQLite result code, 0 = success.
  int Run(std::string_view gb_sql);
  // Runs a query into `grid` (emptied first).  Returns N, the number of data
  // rows; 0 on failure or when there are no rows (the grid then stays empty).
  int Query(std::string_view gb_sql, ResultGrid& grid);
  // SQLite's error text of the last call, GB18030; empty when there is none.
  std::string LastError() const;
  int Changes() const;
  // Makes the statement running on another thread stop with SQLITE_INTERRUPT
  // ("停止" of a console statement).  The one call that any thread may make
  // while a job uses the connection.
  void Interrupt();
  long long LastInsertId() const;

  // What the user is told of the last failure: "执行失败，原因见下面信息："
  // (or `first_line`) + CR LF + LastError().  The caller shows it, on the
  // user-interface thread, with the stop icon.
  std::string FailureText(const std::string& first_line = "执行失败，原因见下面信息：") const;

  sqlite3* Handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

// A prepared statement that finalises itself.  Bound texts and blobs are copied
// by SQLite, so they need not outlive the call.
class Statement {
 public:
  Statement(Database& db, std::string_view gb_sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // SQLite's result code of the prepare; 0 = usable.
  int PrepareResult() const { return prepare_result_; }
  bool Ok() const { return stmt_ != nullptr; }

  // Parameters count from 1.  Each returns the SQLite result code.
  int BindInt(int index, long long value);
  int BindText(int index, std::string_view bytes);
  int BindBlob(int index, std::string_view bytes);
  int BindNull(int index);
  // kSqliteRow, kSqliteDone or an error code.
  int Step();
  int Reset();

  // Columns count from 0.  Raw bytes as stored (no conversion); empty for NULL.
  std::string ColumnBytes(int column) const;
  // The same bytes where SQLite holds them, without a copy: valid until the
  // next Step, Reset or the statement's end.
  std::string_view ColumnView(int column) const;
  // The text converted from UTF-8 to GB18030.
  std::string ColumnGb(int column) const;
  long long ColumnInt(int column) const;
  bool ColumnIsNull(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int prepare_result_ = 0;
};

// Brackets a multi-statement write: "BEGIN TRANSACTION" at construction and
// always "END TRANSACTION" at destruction, committing whatever succeeded.
class TransactionBracket {
 public:
  explicit TransactionBracket(Database& db) : db_(db) { db_.Run("BEGIN TRANSACTION"); }
  ~TransactionBracket() { db_.Run("END TRANSACTION"); }
  TransactionBracket(const TransactionBracket&) = delete;
  TransactionBracket& operator=(const TransactionBracket&) = delete;

 private:
  Database& db_;
};

}  // namespace mivrel
