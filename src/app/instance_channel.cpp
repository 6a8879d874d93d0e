#include "app/instance_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "base/files.h"

namespace mivrel {
namespace {

constexpr size_t kMaxMessageBytes = 1 << 20;
constexpr int kReadTimeoutMs = 500;
constexpr int kRetryPauseMs = 20;

// A short, stable name for a folder: socket paths are limited to ~108 bytes,
// library folders are not.
std::string FolderKey(const std::string& native_folder) {
  char* resolved = realpath(native_folder.c_str(), nullptr);
  const std::string canonical = resolved != nullptr ? std::string(resolved) : native_folder;
  std::free(resolved);
  uint64_t hash = 1469598103934665603ULL;  // FNV-1a
  for (unsigned char c : canonical) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

bool FillAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Reads until the peer closes its end, waiting at most kReadTimeoutMs for
// each piece, so a client that never finishes cannot stall the program.
bool ReadMessage(int fd, std::string& message) {
  char buffer[4096];
  for (;;) {
    pollfd ready{fd, POLLIN, 0};
    const int polled = poll(&ready, 1, kReadTimeoutMs);
    if (polled < 0 && errno == EINTR) continue;
    if (polled <= 0) return false;
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return true;
    message.append(buffer, static_cast<size_t>(n));
    if (message.size() > kMaxMessageBytes) return false;
  }
}

}  // namespace

namespace {

// A folder the channel may live in: created private when missing, and taken
// only when it is a real folder (no link) of this user that nobody else can
// enter.  A folder someone else made first, in a shared place like the
// temporary folder, would let that user receive the hand-over text and keep
// this user's program from starting.
bool IsPrivateFolder(const std::string& folder) {
  if (folder.empty()) return false;
  mkdir(folder.c_str(), 0700);
  struct stat info {};
  return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
         (info.st_mode & 077) == 0;
}

}  // namespace

std::string InstanceRuntimeFolder() {
  const std::string uid = std::to_string(getuid());
  std::vector<std::string> candidates;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0' && access(runtime, W_OK) == 0)
    candidates.push_back(WithTrailingSeparator(runtime));
  candidates.push_back(NativePath(TempRoot()) + "mivrel-" + uid + "/");
  // The home folder is the user's own: nobody else can plant a folder there.
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') candidates.push_back(WithTrailingSeparator(home) + ".mivrel-" + uid + "/");
  for (const std::string& folder : candidates) {
    if (IsPrivateFolder(folder.substr(0, folder.size() - 1))) return folder;
  }
  return std::string();
}

InstanceChannel::InstanceChannel(const std::string& gb_library_folder) {
  runtime_folder_ = InstanceRuntimeFolder();
  if (runtime_folder_.empty()) return;
  const std::string key = "mivrel-" + FolderKey(NativePath(gb_library_folder));
  lock_path_ = runtime_folder_ + key + ".lock";
  socket_path_ = runtime_folder_ + key + ".sock";
}

InstanceChannel::~InstanceChannel() {
  if (listen_fd_ >= 0) {
    close(listen_fd_);
    unlink(socket_path_.c_str());
  }
  if (lock_fd_ >= 0) close(lock_fd_);  // releases the lock
}

InstanceRole InstanceChannel::Claim() {
  // No safe folder: this copy runs alone rather than trust an unsafe one.
  if (runtime_folder_.empty()) return InstanceRole::First;
  lock_fd_ = open(lock_path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock_fd_ < 0) return InstanceRole::First;
  if (flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
    close(lock_fd_);
    lock_fd_ = -1;
    return InstanceRole::Second;
  }
  // We hold the lock, so any socket file left is a dead copy's.
  unlink(socket_path_.c_str());
  sockaddr_un address{};
  if (!FillAddress(socket_path_, address)) return InstanceRole::First;
  listen_fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listen_fd_ < 0) return InstanceRole::First;
  const mode_t old_mask = umask(0077);
  const bool bound = bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  umask(old_mask);
  if (!bound || listen(listen_fd_, 8) != 0) {
    close(listen_fd_);
    listen_fd_ = -1;
  }
  return InstanceRole::First;
}

bool InstanceChannel::SendToRunning(const std::string& bytes, int timeout_ms) const {
  sockaddr_un address{};
  if (!FillAddress(socket_path_, address)) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
      const bool sent = WriteAll(fd, bytes);
      shutdown(fd, SHUT_WR);
      close(fd);
      return sent;
    }
    close(fd);
    // The running copy may hold the lock but not listen yet.
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(kRetryPauseMs));
  }
}

std::vector<std::string> InstanceChannel::Receive() {
  std::vector<std::string> messages;
  if (listen_fd_ < 0) return messages;
  for (;;) {
    const int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR) continue;
      break;  // EAGAIN: nobody waiting
    }
    std::string message;
    if (ReadMessage(fd, message)) messages.push_back(std::move(message));
    close(fd);
  }
  return messages;
}

}  // namespace mivrel
