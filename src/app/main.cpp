// Process entry: take the start tick, then settle the single-instance
// question before the toolkit starts, so that a second start hands over its
// command line and ends quickly without a window and without the database.
#include <wx/app.h>

#include "app/instance_channel.h"
#include "app/launch_options.h"
#include "app/mivrel_app.h"
#include "base/clock.h"

wxIMPLEMENT_APP_NO_MAIN(mivrel::MivrelApp);

int main(int argc, char** argv) {
  mivrel::StartContext start;
  start.start_tick = mivrel::SystemClock().NowMs();
  start.options = mivrel::ParseLaunchOptions(argc, argv);

  mivrel::InstanceChannel channel(start.options.library_folder);
  if (channel.Claim() == mivrel::InstanceRole::Second) {
    // Sent also when empty: the running copy then just comes up.
    return channel.SendToRunning(start.options.keyword) ? 0 : 1;
  }
  start.channel = &channel;
  mivrel::MivrelApp::SetStartContext(&start);
  return wxEntry(argc, argv);
}
