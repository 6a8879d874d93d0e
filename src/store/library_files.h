// Names of the files that make up a library folder, and the start-up decision
// of how to open its database.
#pragma once

#include <string>

namespace mivrel {

class Database;

constexpr const char* kDatabaseFileName = "资料数据.sdb";
constexpr const char* kDatabaseFallbackName = "资料数据.bak";
constexpr const char* kSettingsFileName = "配置.INI";
constexpr const char* kExternalBooksFolder = "htm";

enum class OpenResult { Opened, Missing, CannotOpen, InUse };

// Opens `folder` + "资料数据.sdb" (folder ends with a separator).  When the file
// is missing and "资料数据.bak" lies beside it, the backup takes the database's
// name first.  For a missing file, or one that is not a readable library (not
// SQLite, empty, without the three tables and their columns), nothing is
// written anywhere and `failure_text` receives what the user is told
// (GB18030); a file locked by another program gives InUse after a short wait.
// On success the speed indexes are ensured.
OpenResult OpenReferenceDatabase(Database& db, const std::string& folder, std::string& failure_text);

}  // namespace mivrel
