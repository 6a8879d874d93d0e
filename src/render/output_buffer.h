// A byte buffer for building a large text piece by piece.  Unlike a growing
// std::string it never zero-fills: room is reserved as raw memory, so each
// byte is written once, and memory the text never reaches is never touched.
// Small pieces are copied inline (code colouring writes millions of them).
// Owns its memory; move-only; single-threaded.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace mivrel {

class OutputBuffer {
 public:
  // Room for `expected` bytes is reserved up front; a good guess spares the
  // copies of growing.
  explicit OutputBuffer(size_t expected);
  ~OutputBuffer();
  OutputBuffer(OutputBuffer&& other) noexcept;
  OutputBuffer& operator=(OutputBuffer&& other) noexcept;
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  size_t Size() const { return size_; }
  size_t Capacity() const { return capacity_; }
  std::string_view View() const { return std::string_view(data_, size_); }
  // REQUIRES: Size() > 0.
  char Back() const { return data_[size_ - 1]; }
  bool EndsWith(std::string_view tail) const {
    if (size_ < tail.size()) return false;
    const char* end = data_ + size_ - tail.size();
    for (size_t i = 0; i < tail.size(); ++i)
      if (end[i] != tail[i]) return false;
    return true;
  }

  void Put(char b) {
    if (size_ == capacity_) Grow(1);
    data_[size_++] = b;
  }
  void Put(const char* piece, size_t length) {
    if (capacity_ - size_ < length) Grow(length);
    CopyBytes(data_ + size_, piece, length);
    size_ += length;
  }
  void Put(std::string_view piece) { Put(piece.data(), piece.size()); }

  // For several pieces in a row: Claim room for `length` bytes, write them
  // with Write (each call returns where the next piece goes), then Commit the
  // end.  REQUIRES: no more than `length` bytes written between the two.
  char* Claim(size_t length) {
    if (capacity_ - size_ < length) Grow(length);
    return data_ + size_;
  }
  static char* Write(char* to, std::string_view piece) {
    CopyBytes(to, piece.data(), piece.size());
    return to + piece.size();
  }
  void Commit(const char* end) { size_ = static_cast<size_t>(end - data_); }

  // Drops the bytes from `size` on.  REQUIRES: size <= Size().
  void Truncate(size_t size) { size_ = size; }
  // Removes every occurrence of `pattern` (found left to right, not overlapping).
  // REQUIRES: pattern is not empty.
  void EraseAll(std::string_view pattern);
  // Removes every byte `b`.
  void EraseByte(char b);

 private:
  // memcpy for the short pieces most appends are, without a call: two
  // overlapping loads and stores cover every length up to thirty-two.
  static void CopyBytes(char* to, const char* from, size_t length) {
    if (length > 16 && length <= 32) {
      CopyOverlapping<Bytes16>(to, from, length);
      return;
    }
    if (length <= 16) {
      if (length >= 8) {
        CopyOverlapping<uint64_t>(to, from, length);
      } else if (length >= 4) {
        CopyOverlapping<uint32_t>(to, from, length);
      } else if (length != 0) {
        to[0] = from[0];
        to[length / 2] = from[length / 2];
        to[length - 1] = from[length - 1];
      }
      return;
    }
    std::memcpy(to, from, length);
  }
  struct Bytes16 {
    uint64_t low;
    uint64_t high;
  };
  // REQUIRES: sizeof(Word) <= length <= 2 * sizeof(Word).
  template <typename Word>
  static void CopyOverlapping(char* to, const char* from, size_t length) {
    Word head;
    Word tail;
    std::memcpy(&head, from, sizeof(Word));
    std::memcpy(&tail, from + length - sizeof(Word), sizeof(Word));
    std::memcpy(to, &head, sizeof(Word));
    std::memcpy(to + length - sizeof(Word), &tail, sizeof(Word));
  }

  // Makes room for `more` bytes past Size(), at least doubling.
  void Grow(size_t more);
  void Release();

  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace mivrel
