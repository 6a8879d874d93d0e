#include "render/page_temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

// Points TEMP at a private folder for the test and puts it back afterwards.
class PageTempFolderTest : public ::testing::Test {
 protected:
  PageTempFolderTest() {
    const char* old = std::getenv("TEMP");
    had_temp_ = old != nullptr;
    if (had_temp_) old_temp_ = old;
    setenv("TEMP", NativePath(root.Path()).c_str(), 1);
  }
  ~PageTempFolderTest() override {
    if (had_temp_) setenv("TEMP", old_temp_.c_str(), 1);
    else unsetenv("TEMP");
  }
  TempFolder root;

 private:
  bool had_temp_ = false;
  std::string old_temp_;
};

TEST_F(PageTempFolderTest, CreatesPrivateTkFolderUnderTheTempRoot) {
  const std::string folder = CreatePageTempFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(StartsWith(folder, root.Path() + "tk"));
  EXPECT_TRUE(EndsWith(folder, "/"));
  const std::string digits = folder.substr(root.Path().size() + 2, folder.size() - root.Path().size() - 3);
  EXPECT_FALSE(digits.empty());
  EXPECT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << digits;
  ASSERT_TRUE(IsDirectory(folder));
  struct stat info;
  ASSERT_EQ(stat(NativePath(folder).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(PageTempFolderTest, RemovingDeletesTheFolderWithItsFiles) {
  const std::string folder = CreatePageTempFolder();
  ASSERT_TRUE(WriteWholeFile(folder + "x.png", "PNG"));
  RemovePageTempFolder(folder);
  EXPECT_FALSE(PathExists(folder));
  RemovePageTempFolder("");  // nothing to remove, nothing removed
  EXPECT_TRUE(IsDirectory(root.Path()));
}

TEST_F(PageTempFolderTest, MissingTempRootGivesNoFolder) {
  setenv("TEMP", (NativePath(root.Path()) + "absent/").c_str(), 1);
  EXPECT_EQ(CreatePageTempFolder(), "");
}

}  // namespace
}  // namespace mivrel::testing
