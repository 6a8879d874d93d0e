// A look-up index over the four keyword sets for the code colouring, which
// asks for every word of an entry which sets hold it.  It answers exactly what
// FindKeyword would answer for each set, with one probe of a compact hash
// table instead of up to four bisections: colouring a large entry looks up
// millions of words, and with tens of thousands of names every step of a
// bisection is a cache miss.
//
// The index keeps its own copy of the names, packed in one array next to the
// table, so that a probe touches two nearby blocks of memory and no string of
// the sets.  It must be rebuilt whenever a set changes.  Const members may be
// called from any thread.
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
  unsigned SetsHolding(std::string_view word) const;

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

  // The hash of the word upper-cased; its first chunks go to `chunks`.
  static uint64_t HashOf(std::string_view word, uint64_t (&chunks)[kInline]);

  // Open addressing with linear probing; the size is a power of two.
  std::vector<Slot> slots_;
  // The chunks of long names past the inline ones.
  std::vector<uint64_t> rest_;
  size_t mask_ = 0;
};

}  // namespace mivrel
