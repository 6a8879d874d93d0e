// The single-instance rule and the hand-over of a second start's command line.
//
// Per library folder there is one lock file and one Unix-domain socket in the
// user's runtime area: the first of $XDG_RUNTIME_DIR, TempRoot() +
// "mivrel-<uid>/" and $HOME + "/.mivrel-<uid>/" that is a folder of this user
// closed to everyone else (created with mode 0700 when missing; one made by
// another user or left open is never used).  The first copy holds the lock (flock, released
// by the kernel when the process ends, so a crashed copy never blocks the
// next start) and listens on the socket (a stale socket file is replaced).
// A second copy finds the lock taken, connects, writes its text and ends.
//
// One message is the bytes a client writes before closing its end; the
// running copy collects them with Receive(), which never blocks for long.
// No toolkit code: usable from tests and from the desktop program alike.
// Not thread-safe; one thread per object.
#pragma once

#include <string>
#include <vector>

namespace mivrel {

enum class InstanceRole { First, Second };

class InstanceChannel {
 public:
  // `gb_library_folder` identifies the library; two folders never share a
  // channel.  Picks (and creates) the runtime folder; nothing else is touched
  // until Claim().
  explicit InstanceChannel(const std::string& gb_library_folder);
  ~InstanceChannel();
  InstanceChannel(const InstanceChannel&) = delete;
  InstanceChannel& operator=(const InstanceChannel&) = delete;

  // Takes the lock and starts listening (First), or finds another copy
  // holding it (Second).  When the runtime area cannot be used at all (no
  // safe folder) the copy runs alone as First.
  InstanceRole Claim();

  // Second copy: hands `bytes` to the running copy, retrying while it is
  // still starting, for at most `timeout_ms`.  True when delivered.
  bool SendToRunning(const std::string& bytes, int timeout_ms = 1000) const;

  // First copy: the messages that arrived since the last call, oldest first.
  // Returns at once when none is waiting.
  std::vector<std::string> Receive();

  const std::string& SocketPath() const { return socket_path_; }
  const std::string& LockPath() const { return lock_path_; }

 private:
  std::string runtime_folder_;  // native (UTF-8) paths
  std::string lock_path_;
  std::string socket_path_;
  int lock_fd_ = -1;
  int listen_fd_ = -1;
};

// The folder of the channel files for this user (native path, ends with "/"),
// created when missing; empty when no candidate is safe.
std::string InstanceRuntimeFolder();

}  // namespace mivrel
