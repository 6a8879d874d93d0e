// The program's start-up after the main window is up and its end, as ordered
// steps over the session, without the toolkit (so a test runs them):
//
//   start: 1 the page temp folder is made and given to the page builder and
//            to `use_temp_folder` (the browser pane resolves pages in it);
//          2 the keyword sets are loaded;  3 the directory tree is loaded;
//          4 the home page is shown (recorded, the tree follows);
//          5 the status bar tells the time of each step and the total, from
//            `start_tick` (taken first thing at start);
//          6 the command-line keyword goes to the name index.
//   end:   the session is gone; the database is closed, then the page temp
//          folder removed.
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace mivrel {

class Clock;
class Database;
class Session;
class Ui;

// Returns the page temp folder (empty when it could not be made).
std::string RunStartupSteps(Session& session, Ui& ui, Clock& clock, uint32_t start_tick,
                            const std::string& gb_keyword,
                            const std::function<void(const std::string&)>& use_temp_folder);

// REQUIRES: the session that used the database and the folder is destroyed.
void RunShutdownSteps(Database& db, const std::string& temp_folder);

}  // namespace mivrel
