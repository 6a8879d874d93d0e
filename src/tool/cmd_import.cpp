// mivrel-tool import: imports a marked-text file, a help book's table of
// contents or a web page as the program's import command does, with the
// questions answered by options, and prints the closing notice and the counts.
//
//   import FILE [--into ID] [--on-clash replace|skip|stop] [--all-pages]
//
// --into defaults to 0 (the top level); clashes default to skip; --all-pages
// answers Yes to the folder question of a web page (asked only below a
// category, as in the program).
#include <string>

#include "base/text.h"
#include "interchange/import_file.h"
#include "jobs/backup_commands.h"
#include "store/backups.h"
#include "store/database.h"
#include "store/records.h"
#include "tool/commands.h"
#include "tool/terminal_jobs.h"

namespace mivrel {
namespace {

constexpr const char* kImportUsage =
    "usage: import FILE [--into ID] [--on-clash replace|skip|stop] [--all-pages]";

struct ImportOptions {
  std::string path;
  int target = 0;
  ClashMode clash = ClashMode::Skip;
  bool all_pages = false;
};

bool ParseClash(const std::string& text, ClashMode& mode) {
  if (text == "replace") {
    mode = ClashMode::Replace;
  } else if (text == "skip") {
    mode = ClashMode::Skip;
  } else if (text == "stop") {
    mode = ClashMode::Stop;
  } else {
    return false;
  }
  return true;
}

bool ParseImportOptions(const std::vector<std::string>& args, ImportOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--into" && has_value) {
      if (!ParseId(args[++i], options.target) || options.target < 0) return false;
    } else if (arg == "--on-clash" && has_value) {
      if (!ParseClash(args[++i], options.clash)) return false;
    } else if (arg == "--all-pages") {
      options.all_pages = true;
    } else if (options.path.empty() && !StartsWith(arg, "--")) {
      options.path = arg;
    } else {
      return false;
    }
  }
  return !options.path.empty();
}

void PrintNotice(const std::string& gb_text) {
  WriteStdout(GbToUtf8(ReplacedAll(gb_text, "\r\n", "\n")) + "\n");
}

}  // namespace

int RunImportCommand(const ToolContext& context) {
  ImportOptions options;
  if (!ParseImportOptions(context.args, options)) {
    PrintError(kImportUsage);
    return 2;
  }
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  if (options.target != 0 && !ReadCategory(db, options.target)) {
    PrintError("import: no category " + std::to_string(options.target));
    return 1;
  }
  const PreparedImport prepared = PrepareImport(options.path);
  if (!prepared.refusal.empty()) {
    PrintNotice(prepared.refusal);
    return 1;
  }
  if (prepared.nothing_to_do) return 0;
  const PageScope scope = options.all_pages && AsksFolderQuestion(options.target)
                              ? PageScope::WholeFolder
                              : PageScope::ThisPage;
  // As in the program: a change is preceded by the automatic backup check.
  LibraryBackups backups(db, context.library_folder);
  CheckBackupsBeforeChange(backups, ui);
  ImportReport report;
  TerminalJobRunner runner;
  JobSpec request;
  request.caption = ImportCaption(prepared.kind, std::to_string(options.target));
  runner.Run(request, [&](JobContext& job) {
    report = RunImport(db, prepared, options.target, options.clash, scope, job);
    return 0;
  });
  PrintNotice(ImportNotice(report));
  if (report.outcome != ImportOutcome::Stopped) PrintNotice(DescribeCounts(report.counts));
  return report.outcome == ImportOutcome::Completed ? 0 : 1;
}

}  // namespace mivrel
