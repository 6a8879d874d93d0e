#include "render/output_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace mivrel {
namespace {

#if defined(__linux__)
// A buffer is written once and then freed, so the cost of its memory is
// mostly the first touch: one fault per 4 KB page.  Below this size the C
// library's heap hands the memory of the last large buffer to the next
// (glibc maps blocks of its own only above a threshold that follows the
// largest block freed, up to 32 MB), so pages shown one after another touch
// no fresh memory.  From this size on a buffer is mapped on its own, asked
// for 2 MB pages (one fault instead of 512) and given back at once.
constexpr size_t kMappedFrom = size_t{32} << 20;
constexpr size_t kMapUnit = size_t{2} << 20;

size_t MappedSize(size_t bytes) { return (bytes + kMapUnit - 1) / kMapUnit * kMapUnit; }

char* MapBytes(size_t bytes) {
  void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  // Only advice: without large pages the buffer works the same.
  (void)madvise(p, bytes, MADV_HUGEPAGE);
  return static_cast<char*>(p);
}
#endif

}  // namespace

OutputBuffer::OutputBuffer(size_t expected) { Grow(std::max<size_t>(expected, 64)); }

OutputBuffer::~OutputBuffer() { Release(); }

OutputBuffer::OutputBuffer(OutputBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

OutputBuffer& OutputBuffer::operator=(OutputBuffer&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

void OutputBuffer::Release() {
  if (data_ == nullptr) return;
#if defined(__linux__)
  if (capacity_ >= kMappedFrom) {
    munmap(data_, capacity_);
    data_ = nullptr;
    return;
  }
#endif
  std::free(data_);
  data_ = nullptr;
}

void OutputBuffer::Grow(size_t more) {
  const size_t wanted = std::max(size_ + more, capacity_ * 2);
#if defined(__linux__)
  if (wanted >= kMappedFrom) {
    const size_t mapped = MappedSize(wanted);
    char* bigger = nullptr;
    if (capacity_ >= kMappedFrom) {
      // The kernel moves the pages; nothing is copied.
      void* p = mremap(data_, capacity_, mapped, MREMAP_MAYMOVE);
      if (p == MAP_FAILED) throw std::bad_alloc();
      bigger = static_cast<char*>(p);
      (void)madvise(bigger, mapped, MADV_HUGEPAGE);
    } else {
      bigger = MapBytes(mapped);
      if (size_ != 0) std::memcpy(bigger, data_, size_);
      std::free(data_);
    }
    data_ = bigger;
    capacity_ = mapped;
    return;
  }
#endif
  void* p = std::realloc(data_, wanted);
  if (p == nullptr) throw std::bad_alloc();
  data_ = static_cast<char*>(p);
  capacity_ = wanted;
}

void OutputBuffer::EraseAll(std::string_view pattern) {
  const std::string_view text = View();
  size_t hit = text.find(pattern);
  if (hit == std::string_view::npos) return;
  size_t kept = hit;
  size_t from = hit + pattern.size();
  while ((hit = text.find(pattern, from)) != std::string_view::npos) {
    std::memmove(data_ + kept, data_ + from, hit - from);
    kept += hit - from;
    from = hit + pattern.size();
  }
  std::memmove(data_ + kept, data_ + from, size_ - from);
  size_ = kept + (size_ - from);
}

void OutputBuffer::EraseByte(char b) {
  size_ = static_cast<size_t>(std::remove(data_, data_ + size_, b) - data_);
}

}  // namespace mivrel
