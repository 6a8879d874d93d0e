// Entry of the widget tests: the toolkit is started once (under Xvfb) with a
// plain application object, and warnings go to standard error instead of
// modal boxes.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/log.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) return 2;
  delete wxLog::SetActiveTarget(new wxLogStderr);
  const int result = RUN_ALL_TESTS();
  wxEntryCleanup();
  return result;
}
