// mivrel-tool vacuum | sql TEXT | info: compaction and console statements run
// as the options dialog runs them (on a worker, progress on standard error
// when it is a terminal; the tool asks nothing, its caller typed the
// statement), and the database file information.  Results on standard output.
#include <string>

#include "base/text.h"
#include "jobs/maintenance.h"
#include "store/backup_texts.h"
#include "store/database.h"
#include "store/file_steps.h"
#include "tool/commands.h"
#include "tool/terminal_jobs.h"

namespace mivrel {
namespace {

int Report(const MaintenanceOutcome& outcome) {
  WriteStdout(ReplacedAll(outcome.text, "\r\n", "\n") + "\n");
  return outcome.status == MaintenanceStatus::Succeeded ? 0 : 1;
}

}  // namespace

int RunVacuumCommand(const ToolContext& context) {
  if (!context.args.empty()) {
    PrintError("vacuum: takes no arguments");
    return 2;
  }
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  TerminalJobRunner runner;
  return Report(CompactLibrary(db, context.library_folder, runner, RealFileSteps()));
}

int RunSqlCommand(const ToolContext& context) {
  if (context.args.size() != 1) {
    PrintError("sql: needs the statement text as one argument");
    return 2;
  }
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  TerminalJobRunner runner;
  return Report(RunConsoleStatements(db, context.args[0], runner));
}

int RunInfoCommand(const ToolContext& context) {
  if (!context.args.empty()) {
    PrintError("info: takes no arguments");
    return 2;
  }
  const DatabaseFileInfo info = DatabaseFileInfoTexts(context.library_folder);
  WriteStdout(info.modified + "\n" + info.size + "\n");
  return 0;
}

}  // namespace mivrel
