// Running the built mivrel-tool binary from a test: arguments quoted for the
// shell, standard output kept as bytes, standard error converted from UTF-8.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"

namespace mivrel::testing {

struct ToolRun {
  int exit_code = -1;
  std::string out;  // the bytes written (GB18030 pages, UTF-8 notices)
  std::string err;  // converted from UTF-8
};

inline std::string ShellQuoted(const std::string& gb_text) {
  std::string quoted = "'";
  for (char c : GbToUtf8(gb_text)) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs `env mivrel-tool --library LIBRARY args...`, capturing into files of
// the scratch folder (GB18030 paths ending with a separator).
inline ToolRun RunTool(const std::string& library, const std::string& scratch,
                       const std::vector<std::string>& args, const std::string& env = "") {
  std::string command =
      env + " " + ShellQuoted(MIVREL_TOOL_BINARY) + " --library " + ShellQuoted(library);
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  command += " >" + ShellQuoted(scratch + "out") + " 2>" + ShellQuoted(scratch + "err");
  ToolRun run;
  const int status = std::system(command.c_str());
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  ReadWholeFile(scratch + "out", run.out);
  ReadWholeFile(scratch + "err", run.err);
  run.err = Utf8ToGb(run.err);
  return run;
}

}  // namespace mivrel::testing
