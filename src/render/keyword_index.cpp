#include "render/keyword_index.h"

#include <algorithm>
#include <cstring>

namespace mivrel {
namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "names are read as little-endian numbers, the first byte lowest");

constexpr size_t kChunk = sizeof(uint64_t);

size_t ChunkCount(size_t length) { return (length + kChunk - 1) / kChunk; }

// Bytes [0, count) of `p` as one number, 0-padded, reading no byte outside
// them: a word may end at the last byte of its buffer.  REQUIRES: 1 <= count <= 8.
uint64_t LoadBytes(const char* p, size_t count) {
  if (count == kChunk) {
    uint64_t all;
    std::memcpy(&all, p, kChunk);
    return all;
  }
  if (count >= 4) {
    uint32_t head;
    uint32_t tail;
    std::memcpy(&head, p, 4);
    std::memcpy(&tail, p + count - 4, 4);
    // The overlapping bytes are the same in both halves.
    return head | (static_cast<uint64_t>(tail) << (8 * (count - 4)));
  }
  const auto byte = [p](size_t i) { return static_cast<uint64_t>(static_cast<unsigned char>(p[i])); };
  return byte(0) | byte(count / 2) << (8 * (count / 2)) | byte(count - 1) << (8 * (count - 1));
}

// The k-th eight bytes of `text`, 0-padded.  REQUIRES: k < ChunkCount(text.size()).
uint64_t ChunkOf(std::string_view text, size_t k) {
  const size_t at = k * kChunk;
  return LoadBytes(text.data() + at, std::min(kChunk, text.size() - at));
}

// Few multiplications: words are short, and the hash must cost less than the
// look-up it serves.
// The first two bytes of a word, 0-padded.  REQUIRES: !text.empty().
uint64_t FirstTwo(std::string_view text) {
  return LoadBytes(text.data(), std::min<size_t>(2, text.size()));
}

uint64_t HashStart(size_t length) { return (length + 1) * 0x9e3779b97f4a7c15ull; }
uint64_t HashStep(uint64_t h, uint64_t chunk) { return (h ^ chunk) * 0xff51afd7ed558ccdull; }
uint64_t HashEnd(uint64_t h) {
  h ^= h >> 32;
  h *= 0xc4ceb9fe1a85ec53ull;
  return h ^ (h >> 29);
}

}  // namespace

void KeywordIndex::Build(const KeywordSetArray& sets) {
  size_t names = 0;
  for (int k = 0; k < 4; ++k) names += sets[k].size();
  // At most two thirds full, so that a probe for an absent word soon meets a
  // free slot.
  size_t capacity = 16;
  while (capacity < names + names / 2) capacity *= 2;
  slots_.assign(capacity, Slot());
  filter_.assign(kFilterBits / 64, 0);
  rest_.clear();
  mask_ = capacity - 1;
  for (int k = 0; k < 4; ++k) {
    for (const std::string& name : sets[k]) {
      if (name.size() >= kLengthLimit) continue;
      if (!name.empty()) {
        const size_t bit = FilterBit(FirstTwo(name), name.size());
        filter_[bit / 64] |= uint64_t{1} << (bit % 64);
      }
      const size_t count = ChunkCount(name.size());
      uint64_t chunks[kInline] = {};
      uint64_t h = HashStart(name.size());
      for (size_t c = 0; c < count; ++c) {
        const uint64_t chunk = ChunkOf(name, c);
        if (c < kInline) chunks[c] = chunk;
        h = HashStep(h, chunk);
      }
      const uint32_t length = static_cast<uint32_t>(name.size()) << 4;
      size_t at = HashEnd(h) & mask_;
      for (; slots_[at].length_sets != 0; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        if ((slot.length_sets & ~0xFu) != length || !std::equal(chunks, chunks + kInline, slot.chunks))
          continue;
        size_t c = kInline;
        while (c < count && rest_[slot.rest + c - kInline] == ChunkOf(name, c)) ++c;
        if (c >= count) break;  // the same name, held by an earlier set too
      }
      Slot& slot = slots_[at];
      if (slot.length_sets == 0) {
        std::copy(chunks, chunks + kInline, slot.chunks);
        slot.length_sets = length;
        slot.rest = static_cast<uint32_t>(rest_.size());
        for (size_t c = kInline; c < count; ++c) rest_.push_back(ChunkOf(name, c));
      }
      slot.length_sets |= 1u << k;
    }
  }
}

inline uint64_t KeywordIndex::HashOf(std::string_view word, uint64_t (&chunks)[kInline]) {
  const size_t count = ChunkCount(word.size());
  uint64_t h = HashStart(word.size());
  for (size_t c = 0; c < count; ++c) {
    const uint64_t chunk = UpperBytes(ChunkOf(word, c));
    if (c < kInline) chunks[c] = chunk;
    h = HashStep(h, chunk);
  }
  return HashEnd(h);
}

unsigned KeywordIndex::Probe(std::string_view word) const {
  if (word.size() >= kLengthLimit) return 0;
  const size_t count = ChunkCount(word.size());
  uint64_t chunks[kInline] = {};
  const uint64_t hash = HashOf(word, chunks);
  const uint32_t length = static_cast<uint32_t>(word.size()) << 4;
  for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
    const Slot& slot = slots_[at];
    if (slot.length_sets == 0) return 0;
    if ((slot.length_sets & ~0xFu) != length || slot.chunks[0] != chunks[0] ||
        slot.chunks[1] != chunks[1] || slot.chunks[2] != chunks[2])
      continue;
    size_t c = kInline;
    while (c < count && rest_[slot.rest + c - kInline] == UpperBytes(ChunkOf(word, c))) ++c;
    if (c >= count) return slot.length_sets & 0xFu;
  }
}

}  // namespace mivrel
