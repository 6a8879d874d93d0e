// Helpers for GUI tests that need a window manager on the test's display:
// openbox for the object's lifetime, and what the manager made of a window,
// read with the X utilities (xwininfo, xprop).
#pragma once

#include <signal.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace mivrel::testing {

// With a window manager, a new window gets its real size only after the
// manager has placed it, and its title bar shows what the manager allows.
class WindowManager {
 public:
  WindowManager() {
    // A display that is busy starting other clients may refuse the first try.
    for (int attempt = 0; attempt < 5 && !Running(); ++attempt) {
      pid_ = fork();
      if (pid_ == 0) {
        execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
      }
      usleep(800 * 1000);
    }
  }
  ~WindowManager() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  bool Running() {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0) pid_ = -1;  // it has ended
    return pid_ > 0;
  }

 private:
  pid_t pid_ = -1;
};

// The standard output of a shell command (UTF-8 names: the X utilities
// print "failure in conversion" for them in the C locale).
inline std::string CommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(("LC_ALL=C.UTF-8 " + command).c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  size_t got = 0;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  pclose(pipe);
  return output;
}

// The id ("0x…") of the first top-level window whose title is `title`
// exactly, or "" when there is none.
inline std::string WindowIdByTitle(const std::string& title) {
  const std::string tree = CommandOutput("xwininfo -root -tree");
  const size_t at = tree.find(" \"" + title + "\":");
  if (at == std::string::npos) return "";
  const size_t start = tree.rfind("0x", at);
  return start == std::string::npos ? "" : tree.substr(start, at - start);
}

// The actions the window manager allows on a window (_NET_WM_ALLOWED_ACTIONS,
// as xprop prints them).
inline std::string AllowedActions(const std::string& window_id) {
  return CommandOutput("xprop -id " + window_id + " _NET_WM_ALLOWED_ACTIONS");
}

}  // namespace mivrel::testing
