// Sets a flag for the life of a scope and puts back the value it had, however
// the scope ends (nested scopes keep the outer one's setting).  The one way
// the program marks "this is our own doing" or "busy" while something runs.
#pragma once

namespace mivrel {

class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = saved_; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace mivrel
