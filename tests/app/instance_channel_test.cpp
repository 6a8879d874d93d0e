// The single-instance rule and the hand-over between two copies, in one
// process: each InstanceChannel object plays one copy.
#include "app/instance_channel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <fcntl.h>
#include <sys/file.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>
#include <thread>

#include <gtest/gtest.h>

#include "base/files.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using testing::TempFolder;

// Collects messages for up to `ms`, until `count` have arrived.
std::vector<std::string> ReceiveSome(InstanceChannel& channel, size_t count, int ms = 2000) {
  std::vector<std::string> all;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (all.size() < count && std::chrono::steady_clock::now() < deadline) {
    for (std::string& message : channel.Receive()) all.push_back(std::move(message));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return all;
}

TEST(InstanceChannel, FirstCopyClaimsAndSecondFindsIt) {
  TempFolder library;
  InstanceChannel first(library.Path());
  EXPECT_EQ(first.Claim(), InstanceRole::First);
  InstanceChannel second(library.Path());
  EXPECT_EQ(second.Claim(), InstanceRole::Second);
}

TEST(InstanceChannel, DifferentLibrariesDoNotShareAChannel) {
  TempFolder one;
  TempFolder two;
  InstanceChannel first(one.Path());
  InstanceChannel other(two.Path());
  EXPECT_NE(first.SocketPath(), other.SocketPath());
  EXPECT_EQ(first.Claim(), InstanceRole::First);
  EXPECT_EQ(other.Claim(), InstanceRole::First);
}

TEST(InstanceChannel, TextsCrossExactlyIncludingChineseAndEmpty) {
  TempFolder library;
  InstanceChannel first(library.Path());
  ASSERT_EQ(first.Claim(), InstanceRole::First);
  InstanceChannel second(library.Path());
  ASSERT_EQ(second.Claim(), InstanceRole::Second);

  const std::string chinese = "创建窗口 std::vector<int> a#b%20?c";
  std::string binary("a\0b\r\n", 5);
  const std::string large(200000, 'x');
  ASSERT_TRUE(second.SendToRunning(chinese));
  ASSERT_TRUE(second.SendToRunning(""));
  ASSERT_TRUE(second.SendToRunning(binary));
  ASSERT_TRUE(second.SendToRunning(large));

  const std::vector<std::string> got = ReceiveSome(first, 4);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0], chinese);
  EXPECT_EQ(got[1], "");
  EXPECT_EQ(got[2], binary);
  EXPECT_EQ(got[3], large);
  EXPECT_TRUE(first.Receive().empty());
}

TEST(InstanceChannel, ReceiveReturnsAtOnceWhenNothingWaits) {
  TempFolder library;
  InstanceChannel first(library.Path());
  ASSERT_EQ(first.Claim(), InstanceRole::First);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(first.Receive().empty());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

TEST(InstanceChannel, ReleasedLockAndStaleSocketDoNotBlockTheNextStart) {
  TempFolder library;
  std::string socket_path;
  {
    InstanceChannel crashed(library.Path());
    ASSERT_EQ(crashed.Claim(), InstanceRole::First);
    socket_path = crashed.SocketPath();
  }
  // A copy killed with -9 leaves its socket file behind; simulate it with a
  // bound socket that nobody listens on.
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket_path.c_str());
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(fd);

  InstanceChannel next(library.Path());
  ASSERT_EQ(next.Claim(), InstanceRole::First);
  InstanceChannel second(library.Path());
  ASSERT_EQ(second.Claim(), InstanceRole::Second);
  ASSERT_TRUE(second.SendToRunning("after crash"));
  const std::vector<std::string> got = ReceiveSome(next, 1);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0], "after crash");
}

TEST(InstanceChannel, SecondGivesUpWithinTheTimeoutWhenTheRunningCopyDoesNotListen) {
  TempFolder library;
  InstanceChannel probe(library.Path());
  // Hold the lock by hand, as a copy that is still starting would.
  mkdir(InstanceRuntimeFolder().c_str(), 0700);
  const int lock = open(probe.LockPath().c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
  unlink(probe.SocketPath().c_str());

  InstanceChannel second(library.Path());
  ASSERT_EQ(second.Claim(), InstanceRole::Second);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(second.SendToRunning("lost", 300));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  EXPECT_LT(waited, std::chrono::milliseconds(1000));
  close(lock);
}

TEST(InstanceChannel, SecondRetriesUntilTheFirstListens) {
  TempFolder library;
  InstanceChannel first(library.Path());
  InstanceChannel second(library.Path());
  // The sender starts before anyone listens and succeeds once the first copy
  // has claimed the channel.
  std::thread sender([&] { EXPECT_TRUE(second.SendToRunning("late", 2000)); });
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  ASSERT_EQ(first.Claim(), InstanceRole::First);
  const std::vector<std::string> got = ReceiveSome(first, 1);
  sender.join();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0], "late");
}

TEST(InstanceChannel, SocketIsPrivateToTheUser) {
  TempFolder library;
  InstanceChannel first(library.Path());
  ASSERT_EQ(first.Claim(), InstanceRole::First);
  struct stat info {};
  ASSERT_EQ(stat(first.SocketPath().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 077, 0u);
}

// Points TEMP and HOME at fresh folders and hides XDG_RUNTIME_DIR for the
// test's lifetime, so that the fallback folders can be prepared by hand.
class ScopedRuntimeEnvironment {
 public:
  ScopedRuntimeEnvironment() {
    for (const char* name : {"TEMP", "HOME", "XDG_RUNTIME_DIR"}) {
      const char* value = std::getenv(name);
      saved_.push_back({name, value != nullptr, value != nullptr ? value : ""});
    }
    setenv("TEMP", NativePath(temp_.Path()).c_str(), 1);
    setenv("HOME", NativePath(home_.Path()).c_str(), 1);
    unsetenv("XDG_RUNTIME_DIR");
  }
  ~ScopedRuntimeEnvironment() {
    for (const Saved& saved : saved_) {
      if (saved.present) {
        setenv(saved.name, saved.value.c_str(), 1);
      } else {
        unsetenv(saved.name);
      }
    }
  }
  std::string SharedFolder() const {
    return NativePath(temp_.Path()) + "mivrel-" + std::to_string(getuid());
  }

 private:
  struct Saved {
    const char* name;
    bool present;
    std::string value;
  };
  TempFolder temp_, home_;
  std::vector<Saved> saved_;
};

TEST(InstanceChannel, AForeignOrOpenRuntimeFolderIsNeverUsed) {
  TempFolder library;
  for (const bool foreign : {true, false}) {
    ScopedRuntimeEnvironment environment;
    // Made first by someone else (or left open to everyone), before our start.
    const std::string planted = environment.SharedFolder();
    ASSERT_EQ(mkdir(planted.c_str(), 0777), 0);
    ASSERT_EQ(chmod(planted.c_str(), 0777), 0);
    if (foreign) {
      if (getuid() != 0) continue;  // only root can plant a folder for another user
      ASSERT_EQ(chown(planted.c_str(), 65534, 65534), 0);
    }

    InstanceChannel first(library.Path());
    ASSERT_EQ(first.Claim(), InstanceRole::First);
    EXPECT_NE(first.SocketPath().rfind(planted + "/", 0), 0u) << first.SocketPath();
    struct stat info {};
    ASSERT_EQ(lstat(planted.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0777u) << "the planted folder must be left alone";
    // The copy that fell back is still found by the next start.
    InstanceChannel second(library.Path());
    EXPECT_EQ(second.Claim(), InstanceRole::Second);
    EXPECT_TRUE(second.SendToRunning("keyword"));
    const std::vector<std::string> got = ReceiveSome(first, 1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], "keyword");
    // The folder actually used is private to the user.
    const std::string used = first.SocketPath().substr(0, first.SocketPath().rfind('/'));
    ASSERT_EQ(lstat(used.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, getuid());
    EXPECT_EQ(info.st_mode & 077, 0u);
  }
}

}  // namespace
}  // namespace mivrel
