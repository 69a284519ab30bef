// The LZRW1/KH block coder: exact blocks, round trips over the chunk sizes,
// and damaged blocks refused before anything outside the buffers is touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/SysUtils.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

// The source sits in a buffer of exactly its size and the output in one of
// exactly size + 6, so the sanitizer sees any access past either.
Bytes Compress(const Bytes& source) {
  const Bytes exact(source);
  Bytes dest(source.size() + kLzrwSlack);
  const int length = LzrwCompress(exact.data(), dest.data(), std::uint16_t(exact.size()));
  dest.resize(size_t(length));
  return dest;
}

Bytes Decompress(const Bytes& block, int capacity = kLzrwChunkSize) {
  Bytes out(static_cast<size_t>(capacity));
  const int produced = LzrwDecompress(block.data(), out.data(), int(block.size()), capacity);
  out.resize(size_t(produced));
  return out;
}

struct ExactBlock {
  const char* name;
  Bytes source;
  Bytes block;
};

TEST(Lzrw, CoderWritesTheKnownBlocks) {
  const ExactBlock cases[] = {
      {"hundred equal bytes", Bytes(100, 0x07), {0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 0x07}},
      {"copy cut by the source end",
       FromText("abcabcabcabcabcabcab"),
       {0x40, 0x10, 0x00, 0x61, 0x62, 0x63, 0x00, 0x3E}},
      {"copy, literal, far copy",
       FromText("abcabcabcQabc"),
       {0x40, 0x14, 0x00, 0x61, 0x62, 0x63, 0x00, 0x33, 0x51, 0x00, 0x70}},
      {"run between copies",
       FromText("xyzxyz" + std::string(20, 'Q') + "xyzxyzxyz"),
       {0x40, 0x1E, 0x00, 0x78, 0x79, 0x7A, 0x00, 0x30, 0x00, 0x00, 0x04, 0x51, 0x01, 0x70, 0x00, 0x33}},
      {"longest run then a short one",
       Bytes(4111, 'A'),
       {0x40, 0xC0, 0x00, 0x00, 0x0F, 0xEF, 0x41, 0x00, 0x00, 0x00, 0x41}},
      {"one byte", {0xA5}, {0x80, 0xA5}},
      {"ten distinct bytes", FromText("0123456789"), {0x80, '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}},
      {"nothing", {}, {0x80}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Compress(c.source), c.block);
    EXPECT_EQ(Decompress(c.block), c.source);
  }
}

// A control word fills after 16 items; the next one stands before the 17th.
TEST(Lzrw, SecondControlWordStandsBeforeItsFirstItem) {
  const Bytes mixed = FromText("abcdefghijklmnopabcdefghijklmnop" + std::string(40, 'z'));
  const Bytes block = Compress(mixed);
  ASSERT_EQ(block[0], 0x40);
  // 16 literals under the first word, then the second word, then two items.
  EXPECT_EQ(block[1], 0x00);
  EXPECT_EQ(block[2], 0x00);
  EXPECT_EQ(block[3 + 16], 0xC0);
  EXPECT_EQ(block[3 + 16 + 1], 0x00);
  EXPECT_EQ(Bytes(block.begin() + 21, block.end()), (Bytes{0x01, 0x0D, 0x00, 0x00, 0x18, 'z'}));
  EXPECT_EQ(Decompress(block), mixed);
}

Bytes RandomBytes(int size, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes out(static_cast<size_t>(size));
  for (auto& b : out) b = std::uint8_t(rng());
  return out;
}

// Text-like data: short words from a small alphabet, so matches of every
// length and distance appear.
Bytes Repetitive(int size, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes out;
  while (int(out.size()) < size) {
    const int pick = int(rng() % 8);
    if (pick == 0) {
      out.insert(out.end(), size_t(rng() % 40), std::uint8_t('a' + rng() % 3));
    } else {
      for (int i = 0; i < 1 + int(rng() % 6); ++i) out.push_back(std::uint8_t('a' + rng() % 4));
    }
  }
  out.resize(size_t(size));
  return out;
}

TEST(Lzrw, EveryChunkSizeRoundTripsAndNeverGrowsPastOneByte) {
  std::vector<int> sizes;
  for (int n = 0; n <= 64; ++n) sizes.push_back(n);
  for (int n : {100, 255, 256, 4095, 4096, 4097, 4111, 4112, 8191, 16384, 32767, 32768, 32780, 32781})
    sizes.push_back(n);
  for (int n : sizes) {
    SCOPED_TRACE(n);
    const Bytes kinds[] = {RandomBytes(n, unsigned(n)), Repetitive(n, unsigned(n)), Bytes(size_t(n), 0x55)};
    for (const auto& source : kinds) {
      const Bytes block = Compress(source);
      EXPECT_LE(block.size(), source.size() + 1);
      EXPECT_EQ(Decompress(block), source);
    }
  }
}

// Every prefix length of one text-like source, 0 to a whole chunk: each
// block round-trips and is at most one byte longer than its source.
TEST(Lzrw, EveryLengthUpToAChunkRoundTrips) {
  const Bytes source = Repetitive(kLzrwChunkSize, 7);
  Bytes block(source.size() + kLzrwSlack);
  Bytes back(kLzrwChunkSize);
  int failures = 0;
  for (int n = 0; n <= kLzrwChunkSize && failures < 5; ++n) {
    const int length = LzrwCompress(source.data(), block.data(), std::uint16_t(n));
    const int produced = LzrwDecompress(block.data(), back.data(), length);
    if (length > n + 1 || produced != n || !std::equal(source.begin(), source.begin() + n, back.begin())) {
      ADD_FAILURE() << "length " << n;
      ++failures;
    }
  }
}

struct DamagedBlock {
  const char* name;
  Bytes block;
  int capacity;
};

TEST(Lzrw, DamagedBlocksAreReadErrors) {
  Bytes tooLongStored(kLzrwMaxBlock + 1, 0x11);
  tooLongStored[0] = 0x80;
  Bytes cutControlWord = {0x40, 0x00, 0x00};
  cutControlWord.insert(cutControlWord.end(), 16, 'x');
  cutControlWord.push_back(0x00);
  const DamagedBlock cases[] = {
      {"empty block", {}, kLzrwChunkSize},
      {"flag zero", {0x00, 0x00, 0x00, 0x61}, kLzrwChunkSize},
      {"flag $41", {0x41, 0x00, 0x00, 0x61}, kLzrwChunkSize},
      {"flag $FF", {0xFF, 0x61}, kLzrwChunkSize},
      {"compressed block without its control word", {0x40, 0x00}, kLzrwChunkSize},
      {"back reference before the start", {0x40, 0x80, 0x00, 0x00, 0x10}, kLzrwChunkSize},
      {"back reference one past the output", {0x40, 0x40, 0x00, 0x61, 0x00, 0x20}, kLzrwChunkSize},
      {"run over the output limit", {0x40, 0x80, 0x00, 0x00, 0xFF, 0xFF, 0x41}, kLzrwChunkSize},
      {"copy over the output limit", {0x40, 0x40, 0x00, 0x61, 0x00, 0x1F}, 5},
      {"literal over the output limit", {0x40, 0x00, 0x00, 0x61, 0x62}, 1},
      {"stored block over the output limit", tooLongStored, kLzrwChunkSize},
      {"run cut short", {0x40, 0x80, 0x00, 0x00, 0x00, 0x54}, kLzrwChunkSize},
      {"copy cut short", {0x40, 0x40, 0x00, 0x61, 0x00}, kLzrwChunkSize},
      {"control word cut short", cutControlWord, kLzrwChunkSize},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // Exactly sized, so a read past the block shows under the sanitizer.
    const Bytes exact(c.block);
    Bytes out(size_t(c.capacity));
    EXPECT_THROW(LzrwDecompress(exact.data(), out.data(), int(exact.size()), c.capacity), EReadError);
  }
}

}  // namespace
