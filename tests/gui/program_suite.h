// A GUI test suite that shares one library and one running program among its
// tests.  The suite's SetUpTestSuite fills `library_` (made fresh for it) and
// then calls StartProgram; the program is told to exit after the last test.
// `Suite` is the deriving class, so that every suite has statics of its own.
// At the end it checks that the program wrote no toolkit complaint.
#pragma once

#include <unistd.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "program_driver.h"
#include "support/test_library.h"

namespace mivrel::testing {

template <typename Suite>
class ProgramSuite : public ::testing::Test {
 protected:
  // Starts the program on `library_` and waits until its start-up has ended.
  static void StartProgram() {
    program_ = std::make_unique<ProgramDriver>(library_->Folder());
    program_->Start();
    ASSERT_NE(program_->WaitFor("started"), "<timeout>");
  }
  // Sends a test command and gives the program a moment to handle it.
  static void Send(const std::string& command) {
    ASSERT_TRUE(program_->Command(command));
    usleep(300 * 1000);
  }
  // Waits until the result of `js` in the main pane (by default the shown
  // page's text) contains `part` (UTF-8).
  static bool PaneShows(const std::string& part,
                        const std::string& js = "document.body ? document.body.innerText : ''",
                        int timeout_ms = 8000) {
    for (int waited = 0; waited < timeout_ms; waited += 150) {
      if (program_->Script(js).find(part) != std::string::npos) return true;
      usleep(150 * 1000);
    }
    return false;
  }
  static void TearDownTestSuite() {
    if (program_) {
      program_->Command("exit");
      program_->WaitForExit();
      // A normal run leaves no toolkit complaint on standard error.
      EXPECT_EQ(program_->ToolkitComplaints(), "");
    }
    program_.reset();
    library_.reset();
  }

  static inline std::unique_ptr<TestLibrary> library_;
  static inline std::unique_ptr<ProgramDriver> program_;
};

}  // namespace mivrel::testing
