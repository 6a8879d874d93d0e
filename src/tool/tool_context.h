// What every mivrel-tool command gets: the library folder chosen by the global
// options and the command's own arguments, plus the shared ways of opening the
// library and reporting on standard error.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ports/ui.h"

namespace mivrel {

class Database;

struct ToolContext {
  std::string library_folder;       // GB18030, ends with a separator
  std::vector<std::string> args;    // after the command name, GB18030
};

// A Ui that writes messages and status texts to standard error (as UTF-8) and
// answers every question with No.
class StderrUi final : public Ui {
 public:
  MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                            MessageOwner owner) override;
  void SetBusyCursor(bool) override {}
  void SetStatusText(const std::string& text) override;
  void Beep() override {}
};

// Opens the library's database as the program does at start (backup taken in
// place of a missing file, indexes ensured).  Reports on standard error and
// returns false when it cannot.
bool OpenToolLibrary(const ToolContext& context, Database& db, Ui& ui);
// Opens the library as OpenToolLibrary does and runs `body` on it with a
// StderrUi; returns what `body` returns, or 1 when the library cannot be opened.
int RunOnToolLibrary(const ToolContext& context, const std::function<int(Database& db, Ui& ui)>& body);
// True when the command got `count` arguments; otherwise prints
// "<usage>" as the error and returns false (exit code 2 follows).
bool HasArguments(const ToolContext& context, size_t count, const std::string& usage);

// A whole decimal number that fits an id; false for anything else.
bool ParseId(const std::string& text, int& id);

// A whole decimal number that fits an id; false for anything else.
bool ParseId(const std::string& text, int& id);

// Writes bytes to standard output unchanged.
void WriteStdout(const std::string& bytes);
// Prints "mivrel-tool: " + message (GB18030, shown as UTF-8) on standard error.
void PrintError(const std::string& gb_message);

}  // namespace mivrel
