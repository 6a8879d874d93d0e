// An observation log for the GUI tests.  When the environment variable
// MIVREL_TEST_REPORT names a file, the program appends one line per observable
// event (status texts, pages shown, link addresses resolved, index texts, ...):
//   <kind> TAB <text in UTF-8, CR and LF written as \r and \n> LF
// Unset (the normal case), every call is a cheap no-op.  User-interface thread.
#pragma once

#include <string>

namespace mivrel {

// True when the log is switched on for this process.
bool TestReportEnabled();
// While the log is on, message boxes are recorded and answered with their
// default button instead of waiting for a user (see WxUi).
// Appends one event; `gb_text` is GB18030 and is written as UTF-8.
void TestReport(const std::string& kind, const std::string& gb_text);

}  // namespace mivrel
