// Runs the built mivrel-tool as a child process for the tool tests:
// standard output captured (GB18030 bytes), standard error dropped.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "base/files.h"
#include "base/text.h"

namespace mivrel::testing {

struct ToolRun {
  int exit_code = -1;
  std::string out;  // GB18030
};

// One shell word for a GB18030 text (converted to UTF-8, single-quoted).
inline std::string ShellQuoted(const std::string& gb_text) {
  std::string quoted = "'";
  for (char c : GbToUtf8(gb_text)) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// `binary` --library `library` `arguments` (shell words, already quoted);
// the output goes through a file in `scratch`.
inline ToolRun RunToolCommand(const std::string& binary, const std::string& library,
                              const std::string& arguments, const std::string& scratch) {
  const std::string out = scratch + "tool.out";
  const std::string command = ShellQuoted(binary) + " --library " + ShellQuoted(library) + " " + arguments +
                              " >" + ShellQuoted(out) + " 2>/dev/null";
  ToolRun run;
  const int status = std::system(command.c_str());
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  ReadWholeFile(out, run.out);
  return run;
}

}  // namespace mivrel::testing
