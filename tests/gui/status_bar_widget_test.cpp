// The main window's status bar on a real display: a message written before
// the window has been laid out is kept and costs no drawing-library error.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include "desktop/status_bar_window.h"

namespace mivrel {
namespace {

TEST(MainStatusBarTest, AMessageBeforeLayoutIsKeptWithoutAnInvalidRectangle) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, L"test", wxDefaultPosition, wxSize(400, 300));
  auto* bar = new MainStatusBar(frame);
  frame->SetStatusBar(bar);
  frame->Show();
  for (int i = 0; i < 200 && !frame->IsShownOnScreen(); ++i) {
    wxYield();
    wxMilliSleep(10);
  }
  wxYield();
  // The height the bar has while the toolkit has not yet given it its own.
  bar->SetSize(0, 0, 400, 1);

  ::testing::internal::CaptureStderr();
  bar->SetStatusText(L"开启数据库: 3毫秒", 5);
  const std::string noise = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(noise.find("Invalid rectangle"), std::string::npos) << noise;
  EXPECT_EQ(bar->GetStatusText(5), L"开启数据库: 3毫秒");
  frame->Destroy();
}

}  // namespace
}  // namespace mivrel
