#include "app/launch_options.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"

namespace mivrel {
namespace {

class LaunchOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* home = std::getenv("MIVREL_HOME");
    if (home != nullptr) saved_ = home, had_ = true;
    unsetenv("MIVREL_HOME");
  }
  void TearDown() override {
    if (had_) {
      setenv("MIVREL_HOME", saved_.c_str(), 1);
    } else {
      unsetenv("MIVREL_HOME");
    }
  }
  std::string saved_;
  bool had_ = false;
};

TEST_F(LaunchOptionsTest, WithoutArgumentsTheExecutableFolderHoldsTheLibrary) {
  const char* argv[] = {"mivrel"};
  const LaunchOptions options = ParseLaunchOptions(1, argv);
  EXPECT_EQ(options.library_folder, ExecutableFolder());
  EXPECT_EQ(options.keyword, "");
}

TEST_F(LaunchOptionsTest, EnvironmentNamesTheLibraryAndArgumentsFormTheKeyword) {
  setenv("MIVREL_HOME", u8"/data/库", 1);
  const char* argv[] = {"mivrel", "Create", u8"窗口", "a#b"};
  const LaunchOptions options = ParseLaunchOptions(4, argv);
  EXPECT_EQ(options.library_folder, Utf8ToGb(u8"/data/库/"));
  EXPECT_EQ(options.keyword, "Create 窗口 a#b");  // GB18030, as the program holds texts
}

TEST_F(LaunchOptionsTest, LibraryOptionComesFirstAndWinsOverTheEnvironment) {
  setenv("MIVREL_HOME", "/elsewhere", 1);
  const char* argv[] = {"mivrel", "--library", "/lib/", "GetTickCount"};
  const LaunchOptions options = ParseLaunchOptions(4, argv);
  EXPECT_EQ(options.library_folder, "/lib/");
  EXPECT_EQ(options.keyword, "GetTickCount");
}

TEST_F(LaunchOptionsTest, LibraryOptionLaterIsPartOfTheKeyword) {
  const char* argv[] = {"mivrel", "word", "--library", "x"};
  const LaunchOptions options = ParseLaunchOptions(4, argv);
  EXPECT_EQ(options.keyword, "word --library x");
}

}  // namespace
}  // namespace mivrel
