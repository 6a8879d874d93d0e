// Runs the real desktop program for a test: a child process on a given
// library folder (MIVREL_HOME) with the test report switched on, plus the
// means to wait for reported events, send test commands through the
// hand-over channel and wait for the end.  Needs a display (run under
// xvfb-run).
#pragma once

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace mivrel::testing {

struct ReportLine {
  std::string kind;
  std::string text;  // UTF-8 as written by the program
};

class ProgramDriver {
 public:
  // `gb_library` is the library folder (GB18030, ends with a separator).
  explicit ProgramDriver(const std::string& gb_library);
  ~ProgramDriver();  // kills a program still running

  // Sets (or, with an empty value, clears) a variable of the environment the
  // program starts with; call before Start.
  void SetEnvironment(const std::string& name, const std::string& value);
  // Starts the program with `args` after the program name.
  void Start(const std::vector<std::string>& args = {});
  // Runs another copy to its end, returning its exit code and how long it
  // took in milliseconds.  The copy shares this driver's report file.
  int RunSecondCopy(const std::vector<std::string>& args, int& elapsed_ms);

  // All report lines so far.
  std::vector<ReportLine> Report() const;
  // Waits until a line of `kind` (whose text contains `part`) is reported
  // after the first `skip` lines; returns its text, or "<timeout>".
  std::string WaitFor(const std::string& kind, const std::string& part = "", int timeout_ms = 20000,
                      size_t skip = 0) const;
  size_t LineCount() const { return Report().size(); }
  // What the program (and every copy started by this driver) wrote to
  // standard error so far.
  std::string ErrorOutput() const;
  // The lines of ErrorOutput() that the toolkit and the libraries below it
  // write when they are misused (GLib criticals and warnings, pixman's
  // invalid rectangles), each ending in a newline; empty when there are none.
  std::string ToolkitComplaints() const;

  // Sends a test command (see app/test_commands.h) and returns at once.
  bool Command(const std::string& utf8_command) const;
  // Runs a script in the browser pane and waits for its reported result.
  std::string Script(const std::string& utf8_script, int timeout_ms = 10000) const;

  // Waits for the program to end; its exit code, or -1 on timeout.
  int WaitForExit(int timeout_ms = 20000);
  bool Running() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  const std::string& ReportPath() const { return report_path_; }

 private:
  pid_t Spawn(const std::vector<std::string>& args) const;

  std::string library_;       // GB18030
  std::string report_path_;   // native
  std::string error_path_;    // native
  std::vector<std::pair<std::string, std::string>> environment_;  // name, value
  pid_t pid_ = -1;
};

}  // namespace mivrel::testing
