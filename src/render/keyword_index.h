// A look-up index over the four keyword sets for the code colouring, which
// asks for every word of an entry which sets hold it.  It answers exactly what
// FindKeyword would answer for each set, with one probe of a compact hash
// table instead of up to four bisections: colouring a large entry looks up
// millions of words, and with tens of thousands of names every step of a
// bisection is a cache miss.
//
// The index keeps its own copy of the names, their first bytes in the table's
// slots, so that a probe reads one cache line and no string of the sets; a
// small bit filter in front turns away most words that are no keyword without
// reading the table at all.  It must be rebuilt whenever a set changes.  Const
// members may be called from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mivrel {

using KeywordSetArray = std::vector<std::string>[4];

class KeywordIndex {
 public:
  // Names are taken as they are stored: a set's name matches a word when it
  // equals the word upper-cased (ASCII a-z made A-Z), as in FindKeyword.
  void Build(const KeywordSetArray& sets);
  // Bit k set when sets[k] held the word (compared upper-cased) at the last Build.
  unsigned SetsHolding(std::string_view word) const {
    if (slots_.empty()) return 0;
    return word.empty() || MayHold(word) ? Probe(word) : 0;
  }

 private:
  // The first kInline eight-byte numbers of a name stand in its slot, so that
  // a probe for a name of up to kInline * 8 bytes reads one cache line.
  static constexpr size_t kInline = 3;
  // Names and words of this length or longer are never matched (no text of a
  // page comes near it).
  static constexpr size_t kLengthLimit = size_t{1} << 28;
  struct alignas(32) Slot {
    uint64_t chunks[kInline] = {};  // the name's first bytes, 0-padded
    uint32_t length_sets = 0;       // length << 4 | bit k: sets[k] holds the name; 0: a free slot
    uint32_t rest = 0;              // index in rest_ of the name's chunks past the inline ones
  };

  static constexpr size_t kFilterBits = size_t{1} << 17;

  // False when no name has the word's length and first two bytes (upper-cased).
  // REQUIRES: !word.empty().
  bool MayHold(std::string_view word) const {
    uint64_t first_two = static_cast<unsigned char>(word[0]);
    if (word.size() > 1) first_two |= static_cast<uint64_t>(static_cast<unsigned char>(word[1])) << 8;
    const size_t bit = FilterBit(UpperBytes(first_two), word.size());
    return (filter_[bit / 64] >> (bit % 64) & 1) != 0;
  }
  // The filter bit of a word of `length` bytes whose first two bytes,
  // upper-cased, are `first_two` (0-padded).
  static size_t FilterBit(uint64_t first_two, size_t length) {
    const uint64_t key = first_two * 0x9e3779b97f4a7c15ull + length * 0xc2b2ae3d27d4eb4full;
    return static_cast<size_t>(key >> 32) & (kFilterBits - 1);
  }
  unsigned Probe(std::string_view word) const;
  // The eight bytes with ASCII a-z made A-Z and every other byte unchanged, all
  // at once: a byte is a lower-case letter when its low seven bits lie in
  // 'a'..'z' and its high bit is clear.
  static uint64_t UpperBytes(uint64_t x) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    constexpr uint64_t kHigh = 0x8080808080808080ull;
    const uint64_t low7 = x & kLow7;
    const uint64_t from_a = low7 + 0x1F1F1F1F1F1F1F1Full;   // high bit set from 'a' on
    const uint64_t after_z = low7 + 0x0505050505050505ull;  // high bit set after 'z'
    const uint64_t lower = from_a & ~after_z & ~x & kHigh;
    return x - (lower >> 2);  // 0x80 >> 2 is the case bit 0x20
  }
  // The hash of the word upper-cased; its first chunks go to `chunks`.
  static uint64_t HashOf(std::string_view word, uint64_t (&chunks)[kInline]);

  // A bit per pair of first two bytes and length that some name has: most
  // words of code are no keyword, and this small array, which stays in the
  // nearest cache, turns nearly all of them away before the table is read.
  std::vector<uint64_t> filter_;

  // Open addressing with linear probing; the size is a power of two.
  std::vector<Slot> slots_;
  // The chunks of long names past the inline ones.
  std::vector<uint64_t> rest_;
  size_t mask_ = 0;
};

}  // namespace mivrel
