// mivrel-tool page: prints a generated page exactly as the program would hand
// it to the browser pane (GB18030 on standard output) and the status-bar text
// on standard error.
//
//   page home | category ID | entry ID | entry --name NAME
//        [--highlight TEXT] [--temp DIR]
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/files.h"
#include "ports/memory_screen.h"
#include "render/page_temp_folder.h"
#include "render/pages.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "shell/session.h"
#include "store/database.h"
#include "store/library_files.h"
#include "tool/commands.h"

namespace mivrel {
namespace {

constexpr const char* kPageUsage =
    "usage: page home | category ID | entry ID | entry --name NAME "
    "[--highlight TEXT] [--temp DIR]";

enum class PageTarget { Home, Category, EntryById, EntryByName };

struct PageRequest {
  PageTarget target = PageTarget::Home;
  int id = 0;
  std::string name;
  bool highlight = false;
  std::string highlight_text;
  std::string temp_folder;  // empty: a fresh page temp folder for this run
};


bool UsageError(const std::string& problem) {
  PrintError("page: " + problem);
  PrintError(kPageUsage);
  return false;
}

bool ParseRequest(const std::vector<std::string>& args, PageRequest& request) {
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--highlight" || arg == "--temp" || arg == "--name") {
      if (i + 1 >= args.size()) return UsageError(arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--highlight") {
        request.highlight = true;
        request.highlight_text = value;
      } else if (arg == "--temp") {
        if (value.empty()) return UsageError("--temp needs a folder");
        // Image addresses are file URLs: a relative folder would root them at "/".
        request.temp_folder = WithTrailingSeparator(AbsolutePath(value));
      } else {
        if (!request.name.empty() || value.empty()) return UsageError("--name needs one non-empty name");
        request.name = value;
      }
    } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      return UsageError("unknown option " + arg);
    } else {
      words.push_back(arg);
    }
  }
  if (words.empty()) return UsageError("missing page kind");
  const std::string& kind = words[0];
  if (kind == "home" && words.size() == 1 && request.name.empty()) {
    request.target = PageTarget::Home;
  } else if (kind == "category" && words.size() == 2 && request.name.empty()) {
    request.target = PageTarget::Category;
    if (!ParseId(words[1], request.id)) return UsageError("not an id: " + words[1]);
  } else if (kind == "entry" && words.size() == 1 && !request.name.empty()) {
    request.target = PageTarget::EntryByName;
  } else if (kind == "entry" && words.size() == 2 && request.name.empty()) {
    request.target = PageTarget::EntryById;
    if (!ParseId(words[1], request.id)) return UsageError("not an id: " + words[1]);
  } else {
    return UsageError("unexpected arguments");
  }
  return true;
}

// The page temp folder of one command run: the folder asked for (kept), or a
// fresh one removed when the command ends.
class TempFolderForRun {
 public:
  explicit TempFolderForRun(const std::string& asked) : owned_(asked.empty()) {
    folder_ = owned_ ? CreatePageTempFolder() : asked;
    if (!owned_) MakeDirectories(folder_);
  }
  ~TempFolderForRun() {
    if (owned_) RemovePageTempFolder(folder_);
  }
  TempFolderForRun(const TempFolderForRun&) = delete;
  TempFolderForRun& operator=(const TempFolderForRun&) = delete;
  const std::string& Folder() const { return folder_; }

 private:
  bool owned_;
  std::string folder_;
};

}  // namespace

int RunPageCommand(const ToolContext& context) {
  PageRequest request;
  if (!ParseRequest(context.args, request)) return 2;

  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  const Settings settings =
      LoadSettings(IniFile(context.library_folder + kSettingsFileName), ScreenSize());

  TempFolderForRun temp(request.temp_folder);
  MemoryScreen screen;
  Clock& clock = SystemClock();
  Session session(db, settings, context.library_folder, MemoryPorts(screen, ui, clock));
  PageBuilder& pages = session.pages();
  pages.LoadKeywordSets();
  pages.SetPageTempFolder(temp.Folder());

  // The page as the program builds it while the 查找 tab shows the given
  // search text; nothing is recorded and no tree follows.
  const uint32_t start = clock.NowMs();
  const std::string highlight = request.highlight ? request.highlight_text : std::string();
  Page page;
  switch (request.target) {
    case PageTarget::Home:
      page = pages.BuildCategoryPage(0);
      break;
    case PageTarget::Category:
      page = pages.BuildCategoryPage(request.id);
      break;
    case PageTarget::EntryById:
      page = pages.BuildEntryPage(request.id, std::string(), std::string(), highlight);
      break;
    case PageTarget::EntryByName:
      page = pages.BuildEntryPage(0, request.name, std::string(), highlight);
      break;
  }
  ui.SetStatusText(PageStatusText(page, clock.NowMs() - start));
  WriteStdout(page.bytes);
  return 0;
}

}  // namespace mivrel
