// The file:// addresses: each escapes what its reader would misread.
#include "base/file_urls.h"

#include <gtest/gtest.h>

namespace mivrel {
namespace {

TEST(FolderFileAddressTest, DriveColonAndBackslashesAreRewritten) {
  EXPECT_EQ(FolderFileAddress("C:\\Temp\\tk1\\"), "file:///C|/Temp/tk1/");
}

TEST(FolderFileAddressTest, BytesThatEndAPathInAnAddressAreEncoded) {
  EXPECT_EQ(FolderFileAddress("/t#1/a?b/%/\"/"), "file:///t%231/a%3Fb/%25/%22/");
}

TEST(FolderFileAddressTest, SecondByteBackslashStaysInItsCharacter) {
  EXPECT_EQ(FolderFileAddress("/tmp/乗/"), "file:///tmp/乗/");
}

TEST(FolderFileUrl, EncodesEverythingButPlainCharacters) {
  EXPECT_EQ(FolderFileUrl("/tmp/tk0.5/"), "file:///tmp/tk0.5/");
  EXPECT_EQ(FolderFileUrl("/tmp/a b#/"), "file:///tmp/a%20b%23/");
  EXPECT_EQ(FolderFileUrl("/库/"), "file:///%E5%BA%93/");
}

TEST(FileUrl, TheFolderIsEscapedAndTheLocalPathKeptWithItsAnchor) {
  EXPECT_EQ(FileUrl("/a%b#c?/htm/书/", "p.htm#top"), "file:///a%25b%23c%3F/htm/书/p.htm#top");
  EXPECT_EQ(FileUrl("rel/", "p.htm"), "file:///rel/p.htm");
}

}  // namespace
}  // namespace mivrel
