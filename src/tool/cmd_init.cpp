// mivrel-tool init [--starter] DIR: makes a new library folder, holding either
// an empty library (the three tables, no rows) or the starter library.  The
// store makes it (see store/library_create.h); an existing library in DIR is
// never touched.
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "store/library_create.h"
#include "store/library_files.h"
#include "tool/commands.h"
#include "tool/starter_content.h"

namespace mivrel {
namespace {

constexpr const char* kInitUsage = "usage: mivrel-tool init [--starter] DIR";
enum class InitContent { Empty, Starter };

struct InitRequest {
  InitContent content = InitContent::Empty;
  std::string folder;  // GB18030, ends with a separator
};

int UsageError(const std::string& problem) {
  PrintError("init: " + problem);
  PrintError(kInitUsage);
  return 2;
}

// Fills `request`; returns the empty text when the arguments are usable,
// otherwise what is wrong with them.
std::string ParseRequest(const std::vector<std::string>& args, InitRequest& request) {
  std::string folder;
  for (const std::string& arg : args) {
    if (arg == "--starter") {
      request.content = InitContent::Starter;
    } else if (StartsWith(arg, "--")) {
      return "unknown option " + arg;
    } else if (!folder.empty()) {
      return "more than one folder given";
    } else if (arg.empty()) {
      return "the folder name is empty";
    } else {
      folder = arg;
    }
  }
  if (folder.empty()) return "no folder given";
  request.folder = WithTrailingSeparator(folder);
  return std::string();
}

// The starter library as compiled into the tool.
LibraryContent StarterContent() {
  LibraryContent content;
  content.statements = kStarterSql;
  for (std::size_t i = 0; i < kStarterImageCount; ++i) {
    const StarterImage& image = kStarterImages[i];
    content.images.push_back(
        {image.file_name, std::string_view(reinterpret_cast<const char*>(image.bytes), image.size)});
  }
  return content;
}

}  // namespace

int RunInitCommand(const ToolContext& context) {
  InitRequest request;
  const std::string problem = ParseRequest(context.args, request);
  if (!problem.empty()) return UsageError(problem);

  const std::string& folder = request.folder;
  const CreateOutcome outcome = CreateLibrary(
      folder, request.content == InitContent::Starter ? StarterContent() : LibraryContent());
  switch (outcome.result) {
    case CreateResult::Created:
      return 0;
    case CreateResult::NotAFolder:
      PrintError("init: " + folder + " is not a folder");
      break;
    case CreateResult::CannotMakeFolder:
      PrintError("init: cannot create the folder " + folder);
      break;
    case CreateResult::AlreadyExists:
      PrintError("init: " + outcome.detail + " already exists; it is left as it is");
      break;
    case CreateResult::BuildFailed:
      PrintError("init: cannot build the library in " + folder + ": " + outcome.detail);
      break;
    case CreateResult::CannotMoveIntoPlace:
      PrintError("init: cannot move the new library into place as " + folder + kDatabaseFileName);
      break;
  }
  return 1;
}

}  // namespace mivrel
