// mivrel-tool init [--starter] DIR: makes a new library folder, holding either
// an empty library (the three tables, no rows) or the starter library.
//
// An existing library in DIR is never touched.  The database is built under a
// temporary name inside DIR and takes its real name only when it is complete,
// so a failure leaves no half-built library behind.
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "store/database.h"
#include "store/library_files.h"
#include "store/records.h"
#include "store/schema.h"
#include "tool/commands.h"
#include "tool/starter_content.h"

namespace mivrel {
namespace {

constexpr const char* kInitUsage = "usage: mivrel-tool init [--starter] DIR";
// Beside the database, so that the final rename stays on one file system.
constexpr const char* kBuildSuffix = ".new";

enum class LibraryContent { Empty, Starter };

struct InitRequest {
  LibraryContent content = LibraryContent::Empty;
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
      request.content = LibraryContent::Starter;
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

// The name of a library file already in the folder, or empty when there is none.
// The fallback copy counts: the program opens it when the database is missing.
std::string ExistingLibraryFile(const std::string& folder) {
  for (const char* name : {kDatabaseFileName, kDatabaseFallbackName}) {
    if (PathExists(folder + name)) return folder + name;
  }
  return std::string();
}

void RemoveBuildFiles(const std::string& build_path) {
  RemoveFile(build_path);
  RemoveFile(build_path + "-journal");
}

// Gives every [img] row of the starter SQL the bytes of its file.  An image
// file that no row names, or a row without a file, is a fault of the starter
// content and fails the build rather than leaving a broken picture.
bool FillStarterImages(Database& db, std::string& error) {
  for (std::size_t i = 0; i < kStarterImageCount; ++i) {
    const StarterImage& image = kStarterImages[i];
    const std::string bytes(reinterpret_cast<const char*>(image.bytes), image.size);
    if (SetImageData(db, image.file_name, bytes) != kSqliteDone) {
      error = db.LastError();
      return false;
    }
    if (db.Changes() == 0) {
      error = std::string("no entry shows the image ") + image.file_name;
      return false;
    }
  }
  if (const std::optional<std::string> missing = FirstImageWithoutData(db)) {
    error = "no image file for " + *missing;
    return false;
  }
  return true;
}

bool FillStarterLibrary(Database& db, std::string& error) {
  if (db.Run(kStarterSql) != kSqliteOk) {
    error = db.LastError();
    return false;
  }
  return FillStarterImages(db, error);
}

// Creates the database file at `path` (which must not exist) with the schema
// and the requested content; the file is closed on return.
bool BuildLibraryFile(const std::string& path, LibraryContent content, std::string& error) {
  Database db;
  if (db.Open(path, OpenMode::ReadWriteCreate) != kSqliteOk) {
    error = "cannot create the file " + path;
    return false;
  }
  // One transaction: the starter's rows would otherwise cost a disk sync each.
  if (db.Run("BEGIN TRANSACTION") != kSqliteOk || CreateLibrarySchema(db) != kSqliteOk) {
    error = db.LastError();
    return false;
  }
  if (content == LibraryContent::Starter && !FillStarterLibrary(db, error)) return false;
  if (db.Run("COMMIT TRANSACTION") != kSqliteOk) {
    error = db.LastError();
    return false;
  }
  return true;
}

}  // namespace

int RunInitCommand(const ToolContext& context) {
  InitRequest request;
  const std::string problem = ParseRequest(context.args, request);
  if (!problem.empty()) return UsageError(problem);

  const std::string& folder = request.folder;
  if (PathExists(folder) && !IsDirectory(folder)) {
    PrintError("init: " + folder + " is not a folder");
    return 1;
  }
  if (!IsDirectory(folder) && !MakeDirectories(folder)) {
    PrintError("init: cannot create the folder " + folder);
    return 1;
  }
  std::string existing = ExistingLibraryFile(folder);
  if (!existing.empty()) {
    PrintError("init: " + existing + " already exists; it is left as it is");
    return 1;
  }

  const std::string final_path = folder + kDatabaseFileName;
  const std::string build_path = final_path + kBuildSuffix;
  RemoveBuildFiles(build_path);  // left over from an interrupted run
  std::string error;
  if (!BuildLibraryFile(build_path, request.content, error)) {
    RemoveBuildFiles(build_path);
    PrintError("init: cannot build the library in " + folder + ": " + error);
    return 1;
  }
  // A library may have appeared while this one was built; it still wins.
  existing = ExistingLibraryFile(folder);
  if (!existing.empty()) {
    RemoveBuildFiles(build_path);
    PrintError("init: " + existing + " already exists; it is left as it is");
    return 1;
  }
  if (!RenameFile(build_path, final_path)) {
    RemoveBuildFiles(build_path);
    PrintError("init: cannot move the new library into place as " + final_path);
    return 1;
  }
  return 0;
}

}  // namespace mivrel
