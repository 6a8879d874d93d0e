// Opening a library folder at start, for the program and the tool: the
// store's decision, and its failure shown to the user with the stop icon in
// the message box that has no owner (no window exists yet).
// User-interface thread only.
#pragma once

#include <string>

#include "store/library_files.h"

namespace mivrel {

class Database;
class Ui;

OpenResult OpenLibrary(Database& db, const std::string& folder, Ui& ui);

}  // namespace mivrel
