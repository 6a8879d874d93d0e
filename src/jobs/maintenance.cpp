#include "jobs/maintenance.h"

#include "ports/job_runner.h"
#include "store/backup_texts.h"
#include "store/database.h"
#include "store/file_steps.h"
#include "store/library_files.h"

namespace mivrel {

const std::array<const char*, 5> kConsoleTemplates = {
    "UPDATE fun SET [注解]=replace([注解],'','') ",
    "UPDATE fun SET [简介]=replace([简介],'','') ",
    "UPDATE fun SET [名字]=replace([名字],'','') ",
    "INSERT INTO fun([名字]) VALUES('')",
    "DELETE FROM fun WHERE [图标]=1",
};

namespace {

MaintenanceOutcome StatementOutcome(const Database& db, int code) {
  if (code == kSqliteOk) return {MaintenanceStatus::Succeeded, kSuccessText, MessageIcon::Information};
  return {MaintenanceStatus::Failed, FailureText(db), MessageIcon::Stop};
}

// A statement on the worker; "停止" interrupts it, since SQLite reads no stop
// flag of ours.
MaintenanceOutcome RunOnWorker(Database& db, JobRunner& runner, const std::string& caption,
                               const std::string& sql) {
  const JobOutcome outcome = runner.Run(
      JobSpec{caption, 0}, [&db, &sql](JobContext&) { return db.Run(sql); },
      [&db] { db.Interrupt(); });
  return StatementOutcome(db, outcome.result);
}

}  // namespace

std::string FailureText(const Database& db) { return std::string(kFailureFirstLine) + "\r\n" + db.LastError(); }

MaintenanceOutcome CompactLibrary(Database& db, const std::string& folder, JobRunner& runner,
                                  FileSteps& steps) {
  const auto database = steps.Facts(folder + kDatabaseFileName);
  const auto room = steps.FreeSpace(folder);
  if (database && room && *room < database->size) {
    return {MaintenanceStatus::Refused,
            "磁盘空间不足，无法整理数据库。\r\n整理需要 " + GroupedSize(database->size) +
                " Byte 的剩余空间，现在只有 " + GroupedSize(*room) + " Byte。",
            MessageIcon::Exclamation};
  }
  return RunOnWorker(db, runner, kCompactionCaption, "VACUUM");
}

MaintenanceOutcome RunConsoleStatements(Database& db, const std::string& sql, JobRunner& runner,
                                        const std::function<bool()>& confirm) {
  if (sql.empty()) return {MaintenanceStatus::Refused, kEmptyConsoleText, MessageIcon::Stop};
  if (confirm && !confirm()) return {MaintenanceStatus::Cancelled, {}, MessageIcon::Information};
  return RunOnWorker(db, runner, kConsoleCaptionPrefix + sql, sql);
}

}  // namespace mivrel
