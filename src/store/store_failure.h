// A failed write as the user is told of it: the first line of the message
// (ending in "失败，原因见下面信息：") and the database's error text.  The store
// returns it; the caller shows it, on the user-interface thread.
#pragma once

#include <string>

namespace mivrel {

class Database;

constexpr const char* kStatementFailedLine = "执行失败，原因见下面信息：";

struct StoreFailure {
  std::string first_line;  // empty: nothing failed
  std::string error;
  bool Failed() const { return !first_line.empty(); }
  // first line + CR LF + error text.
  std::string Message() const { return first_line + "\r\n" + error; }
};

// "执行失败，原因见下面信息：" with the database's last error text.  Read it
// right after the failing call, before another statement replaces the text.
StoreFailure FailedStatement(const Database& db);

}  // namespace mivrel
