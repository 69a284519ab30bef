// Chunk streams: chunk sizes and totals, round trips through streams, short
// sources and damaged streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "support/ByteStrings.h"

namespace {

using testsupport::PutBytes;
using testsupport::StreamBytes;

using Bytes = std::vector<std::uint8_t>;

Bytes Sample(int size) {
  Bytes out(static_cast<size_t>(size));
  for (int i = 0; i < size; ++i) out[size_t(i)] = std::uint8_t((i * 7) % 251 ^ (i >> 9));
  return out;
}

std::int32_t Int32At(const Bytes& bytes, size_t pos) {
  return std::int32_t(bytes[pos] | bytes[pos + 1] << 8 | bytes[pos + 2] << 16 | std::uint32_t(bytes[pos + 3]) << 24);
}

TEST(ChunkStream, FortyThousandBytesMakeTwoChunks) {
  const Bytes source = Sample(40000);
  TMemoryStream in;
  PutBytes(in, source);
  TMemoryStream out;
  WriteByte(&out, 0xEE);  // the stream is written from the destination's position
  CompressStream(&in, &out, 40000);
  EXPECT_EQ(out.GetPosition(), out.GetSize());
  const Bytes written = StreamBytes(out);
  ASSERT_EQ(written[0], 0xEE);
  const int first = Int32At(written, 5);
  const int second = Int32At(written, 9 + size_t(first));
  EXPECT_EQ(Int32At(written, 1), 8 + first + second);
  EXPECT_EQ(written.size(), size_t(1 + 4 + 8 + first + second));

  Bytes chunk(kLzrwChunkSize);
  EXPECT_EQ(LzrwDecompress(written.data() + 9, chunk.data(), first), kLzrwChunkSize);
  EXPECT_EQ(LzrwDecompress(written.data() + 13 + first, chunk.data(), second), 7219);

  out.SetPosition(1);
  TMemoryStream back;
  DecompressStream(&out, &back);
  EXPECT_EQ(StreamBytes(back), source);
  EXPECT_EQ(out.GetPosition(), out.GetSize());
}

TEST(ChunkStream, RoundTripsAtChunkBoundariesAndAppends) {
  for (int size : {0, 1, kLzrwChunkSize - 1, kLzrwChunkSize, kLzrwChunkSize + 1, 2 * kLzrwChunkSize}) {
    SCOPED_TRACE(size);
    const Bytes source = Sample(size);
    TMemoryStream in;
    PutBytes(in, source);
    TMemoryStream packed;
    CompressStream(&in, &packed, size);
    packed.SetPosition(0);
    TMemoryStream back;
    PutBytes(back, {1, 2});
    back.SetPosition(2);
    DecompressStream(&packed, &back);
    Bytes expected = {1, 2};
    expected.insert(expected.end(), source.begin(), source.end());
    EXPECT_EQ(StreamBytes(back), expected);
  }
}

TEST(ChunkStream, EmptySourceWritesATotalOfZero) {
  TMemoryStream in;
  TMemoryStream out;
  CompressStream(&in, &out, 0);
  EXPECT_EQ(StreamBytes(out), (Bytes{0, 0, 0, 0}));
}

TEST(ChunkStream, SourceShorterThanCountIsAReadError) {
  TMemoryStream in;
  PutBytes(in, Sample(100));
  TMemoryStream out;
  EXPECT_THROW(CompressStream(&in, &out, 101), EReadError);
  in.SetPosition(0);
  EXPECT_THROW(CompressStream(&in, &out, 40000), EReadError);
}

struct DamagedStream {
  const char* name;
  Bytes bytes;
};

Bytes Chunk(std::int32_t total, std::int32_t length, const Bytes& block) {
  Bytes out;
  for (std::int32_t v : {total, length})
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
  out.insert(out.end(), block.begin(), block.end());
  return out;
}

TEST(ChunkStream, DamagedStreamsAreReadErrors) {
  Bytes overLong = Chunk(4 + kLzrwMaxBlock + 1, kLzrwMaxBlock + 1, Bytes(kLzrwMaxBlock + 1, 0x41));
  overLong[8] = 0x80;
  const DamagedStream cases[] = {
      {"total cut short", {0x05, 0x00}},
      {"negative total", Chunk(-1, 2, {0x80, 0x41})},
      {"chunk length zero", Chunk(4, 0, {})},
      {"negative chunk length", Chunk(6, -2, {0x80, 0x41})},
      {"chunk longer than a stored chunk", overLong},
      {"chunk longer than the total", Chunk(5, 2, {0x80, 0x41})},
      {"total not used up by whole chunks", Chunk(8, 2, {0x80, 0x41})},
      {"block cut short", Chunk(7, 3, {0x80, 0x41})},
      {"bad flag", Chunk(6, 2, {0x20, 0x41})},
      {"back reference before the start", Chunk(9, 5, {0x40, 0x80, 0x00, 0x00, 0x10})},
      {"run over the chunk limit", Chunk(11, 7, {0x40, 0x80, 0x00, 0x00, 0x7F, 0xFF, 0x41})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream in;
    PutBytes(in, c.bytes);
    TMemoryStream out;
    EXPECT_THROW(DecompressStream(&in, &out), EReadError);
  }
}

TEST(StreamHelpers, IntegersAreLittleEndianAndShortTextsKeepTheirLengthByte) {
  TMemoryStream s;
  WriteInt32(&s, -2);
  WriteInt32(&s, 0x01020304);
  WriteByte(&s, 0xAB);
  WriteShortText(&s, "hi");
  WriteShortText(&s, std::string(300, 'x'));
  const Bytes bytes = StreamBytes(s);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 12),
            (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xAB, 0x02, 'h', 'i'}));
  EXPECT_EQ(bytes[12], 255);
  EXPECT_EQ(bytes.size(), size_t(13 + 255));

  s.SetPosition(0);
  EXPECT_EQ(ReadInt32(&s), -2);
  EXPECT_EQ(ReadInt32(&s), 0x01020304);
  EXPECT_EQ(ReadByte(&s), 0xAB);
  EXPECT_EQ(ReadShortText(&s), "hi");
  EXPECT_EQ(ReadShortText(&s), std::string(255, 'x'));
  EXPECT_THROW(ReadByte(&s), EReadError);
}

TEST(StreamHelpers, ShortTextCutShortIsAReadError) {
  TMemoryStream s;
  PutBytes(s, {0x05, 'a', 'b'});
  EXPECT_THROW(ReadShortText(&s), EReadError);
}

}  // namespace
