#include "program_driver.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/instance_channel.h"
#include "base/files.h"

extern char** environ;

namespace mivrel::testing {
namespace {

using Clock = std::chrono::steady_clock;

int MsSince(Clock::time_point start) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

}  // namespace

ProgramDriver::ProgramDriver(const std::string& gb_library) : library_(gb_library) {
  static int counter = 0;
  const std::string stem = NativePath(TempRoot()) + "mivrel-report-" + std::to_string(getpid()) + "-" +
                           std::to_string(++counter);
  report_path_ = stem + ".txt";
  error_path_ = stem + "-stderr.txt";
  std::remove(report_path_.c_str());
  std::remove(error_path_.c_str());
}

ProgramDriver::~ProgramDriver() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  std::remove(report_path_.c_str());
  std::remove(error_path_.c_str());
}

void ProgramDriver::SetEnvironment(const std::string& name, const std::string& value) {
  environment_.emplace_back(name, value);
}

pid_t ProgramDriver::Spawn(const std::vector<std::string>& args) const {
  std::vector<std::pair<std::string, std::string>> settings = environment_;
  settings.emplace_back("MIVREL_HOME", NativePath(library_));
  settings.emplace_back("MIVREL_TEST_REPORT", report_path_);
  std::vector<std::string> env_texts;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    bool overridden = false;
    for (const auto& [name, value] : settings) overridden = overridden || entry.rfind(name + "=", 0) == 0;
    if (!overridden) env_texts.push_back(entry);
  }
  for (const auto& [name, value] : settings) {
    if (!value.empty()) env_texts.push_back(name + "=" + value);
  }
  std::vector<char*> env;
  for (std::string& text : env_texts) env.push_back(text.data());
  env.push_back(nullptr);

  std::vector<std::string> argv_texts{MIVREL_PROGRAM};
  argv_texts.insert(argv_texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : argv_texts) argv.push_back(text.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, error_path_.c_str(),
                                   O_WRONLY | O_CREAT | O_APPEND, 0600);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, MIVREL_PROGRAM, &actions, nullptr, argv.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  return spawned == 0 ? pid : -1;
}

void ProgramDriver::Start(const std::vector<std::string>& args) { pid_ = Spawn(args); }

int ProgramDriver::RunSecondCopy(const std::vector<std::string>& args, int& elapsed_ms) {
  const auto start = Clock::now();
  const pid_t pid = Spawn(args);
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (MsSince(start) > 20000) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      elapsed_ms = MsSince(start);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  elapsed_ms = MsSince(start);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<ReportLine> ProgramDriver::Report() const {
  std::vector<ReportLine> lines;
  std::ifstream file(report_path_, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    lines.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return lines;
}

std::string ProgramDriver::WaitFor(const std::string& kind, const std::string& part, int timeout_ms,
                                   size_t skip) const {
  const auto start = Clock::now();
  do {
    const std::vector<ReportLine> lines = Report();
    for (size_t i = skip; i < lines.size(); ++i) {
      if (lines[i].kind == kind && lines[i].text.find(part) != std::string::npos) return lines[i].text;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  } while (MsSince(start) < timeout_ms);
  return "<timeout>";
}

std::string ProgramDriver::ErrorOutput() const {
  std::ifstream file(error_path_, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string ProgramDriver::ToolkitComplaints() const {
  std::istringstream lines(ErrorOutput());
  std::string line, complaints;
  while (std::getline(lines, line)) {
    for (const char* mark : {"-CRITICAL **", "-WARNING **", "Invalid rectangle"}) {
      if (line.find(mark) != std::string::npos) {
        complaints += line + "\n";
        break;
      }
    }
  }
  return complaints;
}

bool ProgramDriver::Command(const std::string& utf8_command) const {
  InstanceChannel channel(library_);
  return channel.SendToRunning(std::string(1, '\x01') + utf8_command, 2000);
}

std::string ProgramDriver::Script(const std::string& utf8_script, int timeout_ms) const {
  const size_t before = LineCount();
  if (!Command("script " + utf8_script)) return "<not sent>";
  return WaitFor("script", "", timeout_ms, before);
}

int ProgramDriver::WaitForExit(int timeout_ms) {
  if (pid_ <= 0) return -1;
  const auto start = Clock::now();
  int status = 0;
  while (MsSince(start) < timeout_ms) {
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

}  // namespace mivrel::testing
