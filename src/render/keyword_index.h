// A look-up index over the four keyword sets for the code colouring, which
// asks for every word of an entry which sets hold it.  It answers exactly what
// FindKeyword would answer for each set, with one probe of a hash table
// instead of up to four bisections: colouring a large entry looks up millions
// of words, and with tens of thousands of names every step of a bisection is
// a cache miss.
//
// The index refers to the names by set and position: it must be rebuilt
// whenever a set changes.  Const members may be called from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mivrel {

using KeywordSetArray = std::vector<std::string>[4];

// A word prepared for a look-up: its first sixteen bytes upper-cased as two
// numbers (0-padded), its length and its hash.
struct KeywordProbe {
  // REQUIRES: `word` outlives the probe.  ASCII letters count as upper case.
  explicit KeywordProbe(std::string_view word);

  std::string_view word;
  uint64_t high;  // bytes 0..7
  uint64_t low;   // bytes 8..15
  uint64_t hash;
};

class KeywordIndex {
 public:
  // REQUIRES: every name upper-cased.
  void Build(const KeywordSetArray& sets);
  // Bit k set when sets[k] holds the word (compared upper-cased).
  // REQUIRES: `sets` are those the index was last built from, unchanged.
  unsigned SetsHolding(const KeywordSetArray& sets, const KeywordProbe& probe) const;

 private:
  struct Slot {
    uint64_t high = 0;
    uint64_t low = 0;
    uint32_t size = 0;
    uint16_t set = 0;       // where the name stands, for names longer than the numbers
    uint16_t sets = 0;      // bit k: sets[k] holds the name
    uint32_t position = 0;
  };

  bool SameName(const Slot& slot, const KeywordSetArray& sets, const KeywordProbe& probe) const;

  // Open addressing with linear probing; the size is a power of two.  tags_[i]
  // holds 0 for a free slot, else eight bits of the name's hash: most probes
  // for absent words stop at the small tag array and never touch a slot.
  std::vector<uint8_t> tags_;
  std::vector<Slot> slots_;
  size_t mask_ = 0;
};

}  // namespace mivrel
