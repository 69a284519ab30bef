#include "controls/styled/stycont/Lzrw1kh.h"

#include <array>
#include <cstring>

#include "platform/vcl/SysUtils.h"

namespace {

constexpr std::uint16_t kEmpty = 0xFFFF;
constexpr int kMaxDistance = 4095;
constexpr int kMaxMatch = 18;
constexpr int kMinRun = 16;
constexpr int kMaxRun = 4095;

// The last two positions hash bytes beyond the source; zeros stand in for
// them, as no match can start there.
std::uint8_t ByteAt(const std::uint8_t* source, int size, int pos) {
  return pos < size ? source[pos] : 0;
}

unsigned HashAt(const std::uint8_t* source, int size, int x) {
  unsigned h =
      ((unsigned(ByteAt(source, size, x)) << 4) ^ ByteAt(source, size, x + 1)) << 4 ^ ByteAt(source, size, x + 2);
  return ((h * 40543u) >> 4) & 0xFFF;
}

void PutWord(std::uint8_t* dest, int pos, std::uint16_t value) {
  dest[pos] = std::uint8_t(value >> 8);
  dest[pos + 1] = std::uint8_t(value & 0xFF);
}

[[noreturn]] void DamagedBlock() {
  throw EReadError("Stream read error");
}

}  // namespace

std::uint16_t LzrwCompress(const std::uint8_t* Source, std::uint8_t* Dest, std::uint16_t SourceSize) {
  const int size = SourceSize;
  std::array<std::uint16_t, 4096> table;
  table.fill(kEmpty);
  int x = 0;
  int y = 3;
  int z = 1;
  int bit = 0;
  std::uint16_t command = 0;
  Dest[0] = kLzrwCompressed;
  while (x < size && y <= size) {
    if (bit > 15) {
      PutWord(Dest, z, command);
      z = y;
      y += 2;
      bit = 0;
    }
    int run = 1;
    while (run < kMaxRun && x + run < size && Source[x + run] == Source[x]) ++run;
    if (run >= kMinRun) {
      Dest[y] = 0;
      Dest[y + 1] = std::uint8_t((run - kMinRun) >> 8);
      Dest[y + 2] = std::uint8_t((run - kMinRun) & 0xFF);
      Dest[y + 3] = Source[x];
      y += 4;
      x += run;
      command = std::uint16_t(command * 2 + 1);
    } else {
      const unsigned h = HashAt(Source, size, x);
      const std::uint16_t candidate = table[h];
      table[h] = std::uint16_t(x);
      int length = 0;
      if (candidate != kEmpty && x - candidate <= kMaxDistance) {
        while (length < kMaxMatch && x + length < size && Source[x + length] == Source[candidate + length]) ++length;
      }
      if (length >= 3) {
        PutWord(Dest, y, std::uint16_t((x - candidate) * 16 + (length - 3)));
        y += 2;
        x += length;
        command = std::uint16_t(command * 2 + 1);
      } else {
        Dest[y++] = Source[x++];
        command = std::uint16_t(command * 2);
      }
    }
    ++bit;
  }
  command = std::uint16_t(command << (16 - bit));
  PutWord(Dest, z, command);
  if (y > size) {
    Dest[0] = kLzrwStored;
    if (size > 0) std::memmove(Dest + 1, Source, size_t(size));
    y = size + 1;
  }
  return std::uint16_t(y);
}

std::uint16_t LzrwDecompress(const std::uint8_t* Source, std::uint8_t* Dest, int BlockLength, int DestCapacity) {
  if (BlockLength < 1 || BlockLength > 0xFFFF) DamagedBlock();
  // Positions within a block are 16-bit.
  if (DestCapacity > 0xFFFF) DestCapacity = 0xFFFF;
  if (Source[0] == kLzrwStored) {
    const int n = BlockLength - 1;
    if (n > DestCapacity) DamagedBlock();
    if (n > 0) std::memmove(Dest, Source + 1, size_t(n));
    return std::uint16_t(n);
  }
  if (Source[0] != kLzrwCompressed || BlockLength < 3) DamagedBlock();
  int x = 3;
  unsigned command = unsigned(Source[1]) << 8 | Source[2];
  int bit = 16;
  int y = 0;
  auto need = [&](int bytes) {
    if (x + bytes > BlockLength) DamagedBlock();
  };
  while (x < BlockLength) {
    if (bit == 0) {
      need(2);
      command = unsigned(Source[x]) << 8 | Source[x + 1];
      x += 2;
      bit = 16;
    }
    if ((command & 0x8000) == 0) {
      need(1);
      if (y >= DestCapacity) DamagedBlock();
      Dest[y++] = Source[x++];
    } else {
      need(2);
      const int distance = Source[x] * 16 + (Source[x + 1] >> 4);
      if (distance != 0) {
        const int count = (Source[x + 1] & 15) + 3;
        x += 2;
        if (distance > y || y + count > DestCapacity) DamagedBlock();
        for (int i = 0; i < count; ++i, ++y) Dest[y] = Dest[y - distance];
      } else {
        need(4);
        const int count = Source[x + 1] * 256 + Source[x + 2] + 16;
        const std::uint8_t value = Source[x + 3];
        x += 4;
        if (y + count > DestCapacity) DamagedBlock();
        std::memset(Dest + y, value, size_t(count));
        y += count;
      }
    }
    command = (command << 1) & 0xFFFF;
    --bit;
  }
  return std::uint16_t(y);
}
