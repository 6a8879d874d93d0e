// mivrel-tool export: writes the marked-text file the program's export
// command writes, byte for byte, and prints the program's closing message.
//
//   export entry ID FILE | export category ID FILE
#include <string>

#include "base/text.h"
#include "interchange/marked_text_export.h"
#include "store/database.h"
#include "tool/commands.h"
#include "tool/terminal_jobs.h"

namespace mivrel {

int RunExportCommand(const ToolContext& context) {
  const std::vector<std::string>& args = context.args;
  int id = 0;
  if (args.size() != 3 || (args[0] != "entry" && args[0] != "category") || !ParseId(args[1], id)) {
    PrintError("usage: export entry ID FILE | export category ID FILE");
    return 2;
  }
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  const std::string& path = args[2];
  const bool entry = args[0] == "entry";
  ExportOutcome outcome = ExportOutcome::NotFound;
  TerminalJobRunner runner;
  JobSpec request;
  request.caption = entry ? "导出:" + path : "导出整个分类的所有资料";
  runner.Run(request, [&](JobContext& job) {
    outcome = entry ? ExportEntry(db, id, path, job) : ExportCategory(db, id, path, job);
    return 0;
  });
  if (outcome == ExportOutcome::NotFound) {
    PrintError("export: no entry " + args[1]);
    return 1;
  }
  WriteStdout(GbToUtf8(ReplacedAll(ExportMessage(outcome, path), "\r\n", "\n")) + "\n");
  return outcome == ExportOutcome::Written ? 0 : 1;
}

}  // namespace mivrel
