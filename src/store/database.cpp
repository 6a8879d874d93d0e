#include "store/database.h"

#include <sqlite3.h>

#include "base/text.h"
#include "store/contains_function.h"

namespace mivrel {

long long ResultGrid::Number(int row, int column) const { return LeadingNumber(At(row, column)); }

Database::Database() = default;

Database::~Database() { Close(); }

int Database::Open(const std::string& gb_path, OpenMode mode) {
  Close();
  int flags = SQLITE_OPEN_READWRITE;
  if (mode == OpenMode::ReadWriteCreate) flags |= SQLITE_OPEN_CREATE;
  const std::string utf8_path = GbToUtf8(gb_path);
  int rc = sqlite3_open_v2(utf8_path.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    // A failed open still allocates a handle; it is of no further use.
    sqlite3_close_v2(db_);
    db_ = nullptr;
    return rc;
  }
  // A second program touching the file briefly must not fail a statement at once.
  SetBusyTimeout(kDefaultBusyTimeoutMs);
  // The search's text match belongs to every connection (fails only when out
  // of memory, and then the connection is of no use either).
  rc = RegisterContainsFunction(*this);
  if (rc != SQLITE_OK) Close();
  return rc;
}

void Database::SetBusyTimeout(int ms) {
  if (db_ != nullptr) sqlite3_busy_timeout(db_, ms);
}

void Database::Close() {
  if (db_ != nullptr) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
}

bool Database::IsReadOnly() const { return db_ != nullptr && sqlite3_db_readonly(db_, "main") == 1; }

int Database::Run(std::string_view gb_sql) {
  if (db_ == nullptr) return SQLITE_MISUSE;
  const std::string sql = GbToUtf8(gb_sql);
  return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

int Database::Query(std::string_view gb_sql, ResultGrid& grid) {
  grid.Clear();
  if (db_ == nullptr) return 0;
  const std::string sql = GbToUtf8(gb_sql);
  sqlite3_stmt* stmt = nullptr;
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail) !=
          SQLITE_OK ||
      stmt == nullptr)
    return 0;
  // Collected row by row like a table query: header row first, NULL as empty text.
  const int columns = sqlite3_column_count(stmt);
  std::vector<std::string> cells;
  for (int c = 0; c < columns; ++c) {
    const char* name = sqlite3_column_name(stmt, c);
    cells.push_back(name != nullptr ? Utf8ToGb(name) : std::string());
  }
  int rows = 0;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    for (int c = 0; c < columns; ++c) {
      const unsigned char* text = sqlite3_column_text(stmt, c);
      const int bytes = sqlite3_column_bytes(stmt, c);
      if (text == nullptr) {
        cells.emplace_back();
      } else {
        cells.push_back(Utf8ToGb(std::string_view(reinterpret_cast<const char*>(text),
                                                  static_cast<size_t>(bytes))));
      }
    }
    ++rows;
  }
  sqlite3_finalize(stmt);
  if (rc != SQLITE_DONE || rows == 0 || columns == 0) return 0;
  grid.Adopt(rows + 1, columns, std::move(cells));
  return rows;
}

std::string Database::LastError() const {
  if (db_ == nullptr) return std::string();
  const char* message = sqlite3_errmsg(db_);
  return message != nullptr ? Utf8ToGb(message) : std::string();
}

int Database::Changes() const { return db_ != nullptr ? sqlite3_changes(db_) : 0; }

void Database::Interrupt() {
  if (db_ != nullptr) sqlite3_interrupt(db_);
}

long long Database::LastInsertId() const {
  return db_ != nullptr ? sqlite3_last_insert_rowid(db_) : 0;
}

std::string Database::FailureText(const std::string& first_line) const {
  return first_line + "\r\n" + LastError();
}

Statement::Statement(Database& db, std::string_view gb_sql) {
  if (db.Handle() == nullptr) {
    prepare_result_ = SQLITE_MISUSE;
    return;
  }
  const std::string sql = GbToUtf8(gb_sql);
  prepare_result_ = sqlite3_prepare_v2(db.Handle(), sql.c_str(), -1, &stmt_, nullptr);
  if (prepare_result_ != SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  } else if (stmt_ == nullptr) {
    prepare_result_ = SQLITE_MISUSE;  // an empty statement text
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

int Statement::BindInt(int index, long long value) {
  return stmt_ ? sqlite3_bind_int64(stmt_, index, value) : SQLITE_MISUSE;
}

int Statement::BindText(int index, std::string_view bytes) {
  return stmt_ ? sqlite3_bind_text(stmt_, index, bytes.data(), static_cast<int>(bytes.size()),
                                   SQLITE_TRANSIENT)
               : SQLITE_MISUSE;
}

int Statement::BindBlob(int index, std::string_view bytes) {
  return stmt_ ? sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()),
                                   SQLITE_TRANSIENT)
               : SQLITE_MISUSE;
}

int Statement::BindNull(int index) { return stmt_ ? sqlite3_bind_null(stmt_, index) : SQLITE_MISUSE; }

int Statement::Step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_MISUSE; }

int Statement::Reset() { return stmt_ ? sqlite3_reset(stmt_) : SQLITE_MISUSE; }

std::string Statement::ColumnBytes(int column) const { return std::string(ColumnView(column)); }

std::string_view Statement::ColumnView(int column) const {
  if (stmt_ == nullptr) return std::string_view();
  const void* data = sqlite3_column_blob(stmt_, column);
  const int bytes = sqlite3_column_bytes(stmt_, column);
  if (data == nullptr || bytes <= 0) return std::string_view();
  return std::string_view(static_cast<const char*>(data), static_cast<size_t>(bytes));
}

std::string Statement::ColumnGb(int column) const { return Utf8ToGb(ColumnView(column)); }

long long Statement::ColumnInt(int column) const {
  return stmt_ ? sqlite3_column_int64(stmt_, column) : 0;
}

bool Statement::ColumnIsNull(int column) const {
  return stmt_ == nullptr || sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

}  // namespace mivrel
