// File dialogs answered from a script, for tests and headless runs: each call
// records its request and returns the next scripted path (empty: cancelled).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ports/file_dialogs.h"

namespace mivrel {

class MemoryFileDialogs final : public FileDialogs {
 public:
  std::string ChooseSavePath(const FileDialogRequest& request) override { return Answer(request); }
  std::string ChooseOpenPath(const FileDialogRequest& request) override { return Answer(request); }

  std::deque<std::string> answers;
  std::vector<FileDialogRequest> requests;

 private:
  std::string Answer(const FileDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) return std::string();
    std::string path = answers.front();
    answers.pop_front();
    return path;
  }
};

}  // namespace mivrel
