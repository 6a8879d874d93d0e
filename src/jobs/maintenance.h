// Maintenance of the library on the worker under the progress window:
// compaction ("VACUUM") and the SQL console.  Each returns what to tell the
// user; the caller shows it (the options dialog in message boxes owned by
// itself, the tool on standard output).
//
// User-interface thread: the statements run on the job's worker thread while
// the runner keeps the user-interface thread handling events.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "ports/ui.h"

namespace mivrel {

class Database;
class FileSteps;
class JobRunner;

constexpr const char* kSuccessText = "执行成功";
constexpr const char* kFailureFirstLine = "执行失败，原因见下面信息：";
constexpr const char* kCompactionCaption = "整理中....请稍后....";
constexpr const char* kConsoleCaptionPrefix = "执行SQL:";
constexpr const char* kEmptyConsoleText = "没有命令，无法执行";
constexpr const char* kConsoleQuestion =
    "直接执行SQL，可能产生无法控制的问题\r\n建议先备份数据库后操作。\r\n你真的要执行SQL命令吗？";
// The console's statement templates, in list order.
extern const std::array<const char*, 5> kConsoleTemplates;

enum class MaintenanceStatus {
  Succeeded,  // text "执行成功"
  Failed,     // text: the failure and SQLite's message
  Refused,    // nothing ran: empty statement, no room on the disk
  Cancelled,  // the user said No; nothing to show
};

struct MaintenanceOutcome {
  MaintenanceStatus status = MaintenanceStatus::Succeeded;
  std::string text;  // GB18030; empty for Cancelled
  MessageIcon icon = MessageIcon::Information;
};

// Compacts the database of the library in `folder` (open in `db`).  Refuses
// when the folder's file system has less room than the database's size, since
// SQLite needs about that much while it rebuilds the file.
MaintenanceOutcome CompactLibrary(Database& db, const std::string& folder, JobRunner& runner,
                                  FileSteps& steps);

// Runs the console's text as typed (several statements separated by ";").
// An empty text is refused; otherwise `confirm` (when given) is asked first.
// "停止" interrupts the running statement; the database stays as SQLite
// leaves it.
MaintenanceOutcome RunConsoleStatements(Database& db, const std::string& sql, JobRunner& runner,
                                        const std::function<bool()>& confirm = {});

// "执行失败，原因见下面信息：" + CR LF + the connection's last error text.
std::string FailureText(const Database& db);

}  // namespace mivrel
