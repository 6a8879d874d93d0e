// mivrel-tool: the library's command-line companion, over the same core as the
// desktop program and without any window.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "tool/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: mivrel-tool [--library DIR] COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  init [--starter] DIR              create an empty (or the starter) library in DIR\n"
    "  page home                         print the home page\n"
    "  page category ID                  print a category page\n"
    "  page entry ID | entry --name NAME print an entry page\n"
    "       [--highlight TEXT] [--temp DIR]\n"
    "  tree                              print the directory tree\n"
    "  index PREFIX [--scope ROW]        print the name-index hits\n"
    "  search TEXT [--scope ROW]         print the full-text search hits\n"
    "  delete entry ID | category ID     move into the recycle bin (or remove for\n"
    "       [--permanent]                good: --permanent, the bin switched off in\n"
    "                                    the settings, or an item in the bin)\n"
    "  export entry ID FILE              write one entry as a marked-text file\n"
    "  export category ID FILE           write a category's content as a marked-text file\n"
    "  import FILE [--into ID]           import a marked-text file, a help book (.hhc)\n"
    "       [--on-clash replace|skip|stop] [--all-pages]   or a web page (.htm, .html)\n"
    "  backup                            rotate the backups and back up; print the backups\n"
    "  backups                           print the eleven backup lines\n"
    "  restore N                         restore backup N (1-11)\n"
    "  vacuum                            compact the database\n"
    "  sql TEXT                          run the SQL statement(s) in TEXT\n"
    "  info                              print the database file's date and size\n"
    "\n"
    "The library folder is --library DIR, else $MIVREL_HOME, else the folder of\n"
    "this program.  Texts on the command line and on standard error are UTF-8;\n"
    "pages and hit lists on standard output are GB18030.\n";

// Command-line texts arrive as UTF-8 and are held as GB18030 like every text.
std::string ArgumentText(const char* arg) { return mivrel::Utf8ToGb(arg); }

}  // namespace

int main(int argc, char** argv) {
  using namespace mivrel;
  ToolContext context;
  std::string library;
  int i = 1;
  while (i < argc && std::strncmp(argv[i], "--", 2) == 0) {
    if (std::strcmp(argv[i], "--library") == 0 && i + 1 < argc) {
      library = ArgumentText(argv[i + 1]);
      i += 2;
    } else if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fprintf(stderr, "mivrel-tool: unknown option %s\n\n%s", argv[i], kUsage);
      return 2;
    }
  }
  if (i >= argc) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (library.empty()) {
    const char* home = std::getenv("MIVREL_HOME");
    library = (home != nullptr && *home != '\0') ? ArgumentText(home) : ExecutableFolder();
  }
  context.library_folder = WithTrailingSeparator(library);
  const std::string command = argv[i++];
  for (; i < argc; ++i) context.args.push_back(ArgumentText(argv[i]));

  if (command == "init") return RunInitCommand(context);
  if (command == "page") return RunPageCommand(context);
  if (command == "tree") return RunTreeCommand(context);
  if (command == "index") return RunIndexCommand(context);
  if (command == "search") return RunSearchCommand(context);
  if (command == "delete") return RunDeleteCommand(context);
  if (command == "export") return RunExportCommand(context);
  if (command == "import") return RunImportCommand(context);
  if (command == "backup") return RunBackupCommand(context);
  if (command == "backups") return RunBackupsCommand(context);
  if (command == "restore") return RunRestoreCommand(context);
  if (command == "vacuum") return RunVacuumCommand(context);
  if (command == "sql") return RunSqlCommand(context);
  if (command == "info") return RunInfoCommand(context);
  std::fprintf(stderr, "mivrel-tool: unknown command %s\n\n%s", command.c_str(), kUsage);
  return 2;
}
