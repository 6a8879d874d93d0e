// The observation log of the GUI tests.  When the environment variable
// MIVREL_TEST_REPORT names a file, the application observes the program
// through a ReportFile, which appends one line per event:
//   <kind> TAB <text in UTF-8, CR and LF written as \r and \n> LF
// Unset (the normal case), no observer exists.  User-interface thread.
#pragma once

#include <memory>
#include <string>

#include "ports/event_observer.h"

namespace mivrel {

class ReportFile final : public EventObserver {
 public:
  // The log named by MIVREL_TEST_REPORT; null when the variable is unset.
  static std::unique_ptr<ReportFile> FromEnvironment();
  void Observe(const std::string& kind, const std::string& gb_text) override;

 private:
  explicit ReportFile(std::string path) : path_(std::move(path)) {}
  std::string path_;  // native
};

}  // namespace mivrel
