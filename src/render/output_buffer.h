// A byte buffer for building a large text piece by piece: appends are inline
// and cheap, the buffer grows whenever a piece does not fit, and Take hands
// the bytes over as a std::string without copying them.  Single-threaded.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace mivrel {

class OutputBuffer {
 public:
  // Room for `expected` bytes is reserved up front; memory of the reserve is
  // only touched as the text reaches it.
  explicit OutputBuffer(size_t expected) { bytes_.reserve(expected); }

  size_t Size() const { return size_; }
  // REQUIRES: Size() > 0.
  char Back() const { return bytes_[size_ - 1]; }
  bool EndsWith(std::string_view tail) const {
    return size_ >= tail.size() &&
           std::memcmp(bytes_.data() + size_ - tail.size(), tail.data(), tail.size()) == 0;
  }

  void Put(char b) {
    if (size_ == bytes_.size()) MakeRoom(1);
    bytes_[size_++] = b;
  }
  void Put(std::string_view piece) {
    if (bytes_.size() - size_ < piece.size()) MakeRoom(piece.size());
    std::memcpy(&bytes_[size_], piece.data(), piece.size());
    size_ += piece.size();
  }
  // Drops the bytes from `size` on.  REQUIRES: size <= Size().
  void Truncate(size_t size) { size_ = size; }

  std::string Take() {
    bytes_.resize(size_);
    size_ = 0;
    return std::move(bytes_);
  }

 private:
  // The string's length runs a step ahead of the text, so that the zero fill
  // of resize happens once per step rather than once per piece.
  void MakeRoom(size_t more) { bytes_.resize(size_ + std::max(more, kStep)); }

  static constexpr size_t kStep = 1 << 16;
  std::string bytes_;
  size_t size_ = 0;  // bytes of text; bytes_.size() is the room
};

}  // namespace mivrel
