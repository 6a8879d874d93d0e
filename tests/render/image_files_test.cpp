#include "render/image_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/files.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

using namespace std::string_literals;

TEST(PlainImageFileNameTest, KeepsPlainNames) {
  EXPECT_EQ(PlainImageFileName("x.png"), "x.png");
  EXPECT_EQ(PlainImageFileName("图 1.png"), "图 1.png");
  EXPECT_EQ(PlainImageFileName(".hidden.png"), ".hidden.png");
}

TEST(PlainImageFileNameTest, DropsFolderAndDrivePrefixes) {
  EXPECT_EQ(PlainImageFileName("../x.png"), "x.png");
  EXPECT_EQ(PlainImageFileName("..\\..\\x.png"), "x.png");
  EXPECT_EQ(PlainImageFileName("/etc/passwd"), "passwd");
  EXPECT_EQ(PlainImageFileName("C:\\Windows\\x.png"), "x.png");
  EXPECT_EQ(PlainImageFileName("C:x.png"), "x.png");
  EXPECT_EQ(PlainImageFileName("a/b\\c/d.png"), "d.png");
}

TEST(PlainImageFileNameTest, SkipsNamesThatAreNoFile) {
  EXPECT_EQ(PlainImageFileName(""), "");
  EXPECT_EQ(PlainImageFileName("."), "");
  EXPECT_EQ(PlainImageFileName(".."), "");
  EXPECT_EQ(PlainImageFileName("sub/"), "");
  EXPECT_EQ(PlainImageFileName("../.."), "");
}

TEST(PlainImageFileNameTest, ControlBytesBecomeUnderscores) {
  EXPECT_EQ(PlainImageFileName("a\0b.png"s), "a_b.png");
  EXPECT_EQ(PlainImageFileName("a\r\nb\x7f.png"), "a__b_.png");
}

TEST(PlainImageFileNameTest, SecondByteBackslashIsNoSeparator) {
  // 乗 is 0x81 0x5C in GB18030: its second byte is a backslash.
  const std::string name = "乗.png";
  ASSERT_EQ(name.substr(0, 2), "\x81\x5c");
  EXPECT_EQ(PlainImageFileName(name), name);
  EXPECT_EQ(PlainImageFileName("dir\\乗乗.png"), "乗乗.png");
  // A lone lead byte at the end is one byte, not half of a character.
  EXPECT_EQ(PlainImageFileName("a/\x81"), "\x81");
}

class WriteEntryImagesTest : public ::testing::Test {
 protected:
  WriteEntryImagesTest() : folder(outside.Path() + "tk1/") { MakeDirectories(folder); }

  std::string Read(const std::string& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) ? bytes : "<missing>";
  }

  TestLibrary library;
  TempFolder outside;
  std::string folder;
};

TEST_F(WriteEntryImagesTest, WritesEveryImageOfTheEntryAndNoOther) {
  const int entry = library.AddEntry("甲", 0);
  const int other = library.AddEntry("乙", 0);
  library.AddImage(entry, "a.png", "PNG\0a"s);
  library.AddImage(entry, "乗.png", "b");
  library.AddImage(other, "c.png", "c");
  const auto written = WriteEntryImages(library.Db(), entry, folder);
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(Read(folder + "a.png"), "PNG\0a"s);
  EXPECT_EQ(Read(folder + "乗.png"), "b");
  EXPECT_FALSE(PathExists(folder + "c.png"));
}

TEST_F(WriteEntryImagesTest, RewritesAnExistingFile) {
  const int entry = library.AddEntry("甲", 0);
  library.AddImage(entry, "a.png", "new");
  ASSERT_TRUE(WriteWholeFile(folder + "a.png", "old and longer"));
  WriteEntryImages(library.Db(), entry, folder);
  EXPECT_EQ(Read(folder + "a.png"), "new");
}

TEST_F(WriteEntryImagesTest, TraversalNamesStayInsideTheFolder) {
  const int entry = library.AddEntry("甲", 0);
  library.AddImage(entry, "../escape1.png", "1");
  library.AddImage(entry, "..\\escape2.png", "2");
  library.AddImage(entry, outside.Path() + "escape3.png", "3");
  library.AddImage(entry, "", "4");
  library.AddImage(entry, "..", "5");
  const auto written = WriteEntryImages(library.Db(), entry, folder);

  std::vector<std::string> outside_names = ListFolder(outside.Path(), false);
  EXPECT_EQ(outside_names, std::vector<std::string>{"tk1"});
  std::vector<std::string> inside = ListFolder(folder, false);
  std::sort(inside.begin(), inside.end());
  EXPECT_EQ(inside, (std::vector<std::string>{"escape1.png", "escape2.png", "escape3.png"}));
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[0].stored_name, "../escape1.png");
  EXPECT_EQ(written[0].file_name, "escape1.png");
}

TEST_F(WriteEntryImagesTest, NoFolderWritesNothing) {
  const int entry = library.AddEntry("甲", 0);
  library.AddImage(entry, "nowhere.png", "x");
  EXPECT_TRUE(WriteEntryImages(library.Db(), entry, "").empty());
  EXPECT_FALSE(PathExists("nowhere.png"));
}

TEST_F(WriteEntryImagesTest, UnwritableFolderIsIgnored) {
  const int entry = library.AddEntry("甲", 0);
  library.AddImage(entry, "a.png", "x");
  EXPECT_TRUE(WriteEntryImages(library.Db(), entry, outside.Path() + "missing/").empty());
}

}  // namespace
}  // namespace mivrel::testing
