#include "store/library_create.h"

#include <optional>
#include <string>

#include "base/files.h"
#include "store/database.h"
#include "store/library_files.h"
#include "store/records.h"
#include "store/schema.h"

namespace mivrel {
namespace {

// Beside the database, so that the final rename stays on one file system.
constexpr const char* kBuildSuffix = ".new";

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

// Gives every [img] row of the content the bytes of its file.
bool FillImages(Database& db, const LibraryContent& content, std::string& error) {
  for (const LibraryContent::Image& image : content.images) {
    if (SetImageData(db, image.file_name, std::string(image.bytes)) != kSqliteDone) {
      error = db.LastError();
      return false;
    }
    if (db.Changes() == 0) {
      error = "no entry shows the image " + image.file_name;
      return false;
    }
  }
  if (const std::optional<std::string> missing = FirstImageWithoutData(db)) {
    error = "no image file for " + *missing;
    return false;
  }
  return true;
}

bool FillContent(Database& db, const LibraryContent& content, std::string& error) {
  if (db.Run(content.statements) != kSqliteOk) {
    error = db.LastError();
    return false;
  }
  return FillImages(db, content, error);
}

// Creates the database file at `path` (which must not exist) with the schema
// and the requested content; the file is closed on return.
bool BuildLibraryFile(const std::string& path, const LibraryContent& content, std::string& error) {
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
  if (!content.statements.empty() && !FillContent(db, content, error)) return false;
  if (db.Run("COMMIT TRANSACTION") != kSqliteOk) {
    error = db.LastError();
    return false;
  }
  return true;
}

}  // namespace

CreateOutcome CreateLibrary(const std::string& folder, const LibraryContent& content) {
  if (PathExists(folder) && !IsDirectory(folder)) return {CreateResult::NotAFolder, std::string()};
  if (!IsDirectory(folder) && !MakeDirectories(folder)) return {CreateResult::CannotMakeFolder, std::string()};
  std::string existing = ExistingLibraryFile(folder);
  if (!existing.empty()) return {CreateResult::AlreadyExists, existing};

  const std::string final_path = folder + kDatabaseFileName;
  const std::string build_path = final_path + kBuildSuffix;
  RemoveBuildFiles(build_path);  // left over from an interrupted run
  std::string error;
  if (!BuildLibraryFile(build_path, content, error)) {
    RemoveBuildFiles(build_path);
    return {CreateResult::BuildFailed, error};
  }
  // A library may have appeared while this one was built; it still wins.
  existing = ExistingLibraryFile(folder);
  if (!existing.empty()) {
    RemoveBuildFiles(build_path);
    return {CreateResult::AlreadyExists, existing};
  }
  if (!RenameFile(build_path, final_path)) {
    RemoveBuildFiles(build_path);
    return {CreateResult::CannotMoveIntoPlace, std::string()};
  }
  return {CreateResult::Created, std::string()};
}

}  // namespace mivrel
