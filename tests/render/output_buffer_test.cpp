#include "render/output_buffer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/text.h"

namespace mivrel {
namespace {

// Pieces of every short length and some long ones, from a one-byte reserve
// past the size where the buffer moves to memory of its own and grows there.
TEST(OutputBufferTest, KeepsEveryByteWhileGrowingFromATinyReserveToMegabytes) {
  std::mt19937 random(3);
  std::string source(200000, '\0');
  for (char& c : source) c = static_cast<char>(random());
  OutputBuffer out(1);
  std::string expected;
  while (expected.size() < (3u << 20)) {
    const size_t length = random() % 8 == 0 ? random() % source.size() : random() % 40;
    const size_t from = random() % (source.size() - length + 1);
    const std::string_view piece(source.data() + from, length);
    if (random() % 3 == 0) {
      char* to = out.Claim(2 * length + 1);
      to = OutputBuffer::Write(to, piece);
      *to++ = '|';
      out.Commit(OutputBuffer::Write(to, piece));
      expected.append(piece).append("|").append(piece);
    } else {
      out.Put(piece);
      expected.append(piece);
    }
    if (random() % 50 == 0) {
      const size_t keep = expected.size() - random() % (expected.size() + 1) / 8;
      out.Truncate(keep);
      expected.resize(keep);
    }
    ASSERT_EQ(out.Size(), expected.size());
  }
  EXPECT_EQ(out.View(), expected);
  EXPECT_GE(out.Capacity(), out.Size());
  OutputBuffer moved = std::move(out);
  EXPECT_EQ(moved.View(), expected);
}

TEST(OutputBufferTest, EraseAllRemovesLeftToRightAsReplaceAllDoes) {
  std::mt19937 random(4);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (size_t n = random() % 30; n > 0; --n) text += "ab"[random() % 2];
    OutputBuffer out(1);
    out.Put(text);
    out.EraseAll("aba");
    ASSERT_EQ(out.View(), ReplacedAll(text, "aba", "")) << text;
    out.EraseByte('b');
    ASSERT_EQ(out.View(), ReplacedAll(ReplacedAll(text, "aba", ""), "b", "")) << text;
  }
}

}  // namespace
}  // namespace mivrel
