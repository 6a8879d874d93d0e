// Opening a library at start: a failure is shown once, in the stop box that
// has no owner, since no window exists yet.
#include "shell/open_library.h"

#include <gtest/gtest.h>

#include "store/database.h"
#include "support/recording_ui.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

TEST(OpenLibraryTest, AMissingLibraryIsShownInTheOwnerlessStopBox) {
  TempFolder folder;
  Database db;
  RecordingUi ui;
  EXPECT_EQ(OpenLibrary(db, folder.Path(), ui), OpenResult::Missing);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("数据库文件丢失！！！！\r\n", 0), 0u);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(ui.messages[0].owner, MessageOwner::None);

  TestLibrary lib;
  RecordingUi quiet;
  Database opened;
  EXPECT_EQ(OpenLibrary(opened, lib.Folder(), quiet), OpenResult::Opened);
  EXPECT_TRUE(quiet.messages.empty());
}

}  // namespace
}  // namespace mivrel::testing
