#include "render/keyword_index.h"

#include <algorithm>
#include <cstring>

namespace mivrel {
namespace {

constexpr size_t kChunk = sizeof(uint64_t);
constexpr size_t kKeyBytes = 2 * kChunk;

// Up to eight bytes from `at` as one number (0-padded), read as they lie.
uint64_t Chunk(std::string_view text, size_t at) {
  if (at >= text.size()) return 0;
  uint64_t chunk = 0;
  std::memcpy(&chunk, text.data() + at, std::min(kChunk, text.size() - at));
  return chunk;
}

// The eight bytes with ASCII a-z made A-Z and every other byte unchanged, all
// at once: a byte is a lower-case letter when its low seven bits lie in
// 'a'..'z' and its high bit is clear.
uint64_t UpperBytes(uint64_t x) {
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  constexpr uint64_t kHigh = 0x8080808080808080ull;
  const uint64_t low7 = x & kLow7;
  const uint64_t from_a = low7 + 0x1F1F1F1F1F1F1F1Full;   // high bit set from 'a' on
  const uint64_t after_z = low7 + 0x0505050505050505ull;  // high bit set after 'z'
  const uint64_t lower = from_a & ~after_z & ~x & kHigh;
  return x - (lower >> 2);  // 0x80 >> 2 is the case bit 0x20
}

uint64_t UpperChunk(std::string_view text, size_t at) { return UpperBytes(Chunk(text, at)); }

uint64_t Mix(uint64_t x) {
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdull;
  x ^= x >> 33;
  return x;
}

// Never 0, which marks a free slot.
uint8_t TagOf(uint64_t hash) { return static_cast<uint8_t>(1 + (hash >> 56) % 255); }

}  // namespace

KeywordProbe::KeywordProbe(std::string_view text)
    : word(text), high(UpperChunk(text, 0)), low(UpperChunk(text, kChunk)) {
  // Eight bytes at a time and few multiplications: words are short, and the
  // hash must cost less than the look-up it serves.
  uint64_t h = high * 0x9e3779b97f4a7c15ull + text.size();
  if (text.size() > kChunk) h ^= low * 0xc2b2ae3d27d4eb4full;
  for (size_t at = kKeyBytes; at < text.size(); at += kChunk)
    h = (h ^ UpperChunk(text, at)) * 0x9e3779b97f4a7c15ull;
  hash = Mix(h);
}

void KeywordIndex::Build(const KeywordSetArray& sets) {
  size_t names = 0;
  for (int k = 0; k < 4; ++k) names += sets[k].size();
  // At most half full, so that a probe rarely looks past its first slot.
  size_t capacity = 16;
  while (capacity < 2 * names) capacity *= 2;
  tags_.assign(capacity, 0);
  slots_.assign(capacity, Slot());
  mask_ = capacity - 1;
  for (int k = 0; k < 4; ++k) {
    for (size_t position = 0; position < sets[k].size(); ++position) {
      const KeywordProbe probe(sets[k][position]);
      size_t at = probe.hash & mask_;
      while (tags_[at] != 0 && !SameName(slots_[at], sets, probe)) at = (at + 1) & mask_;
      Slot& slot = slots_[at];
      if (tags_[at] == 0) {
        tags_[at] = TagOf(probe.hash);
        slot.high = probe.high;
        slot.low = probe.low;
        slot.size = static_cast<uint32_t>(probe.word.size());
        slot.set = static_cast<uint16_t>(k);
        slot.position = static_cast<uint32_t>(position);
      }
      slot.sets = static_cast<uint16_t>(slot.sets | (1u << k));
    }
  }
}

unsigned KeywordIndex::SetsHolding(const KeywordSetArray& sets, const KeywordProbe& probe) const {
  if (tags_.empty()) return 0;
  const uint8_t tag = TagOf(probe.hash);
  for (size_t at = probe.hash & mask_; tags_[at] != 0; at = (at + 1) & mask_) {
    if (tags_[at] == tag && SameName(slots_[at], sets, probe)) return slots_[at].sets;
  }
  return 0;
}

bool KeywordIndex::SameName(const Slot& slot, const KeywordSetArray& sets,
                            const KeywordProbe& probe) const {
  if (slot.size != probe.word.size() || slot.high != probe.high || slot.low != probe.low) return false;
  if (slot.size <= kKeyBytes) return true;
  const std::string& name = sets[slot.set][slot.position];
  for (size_t at = kKeyBytes; at < name.size(); at += kChunk) {
    if (Chunk(name, at) != UpperChunk(probe.word, at)) return false;
  }
  return true;
}

}  // namespace mivrel
