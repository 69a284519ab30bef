#include "controls/styled/stycont/ChunkStreams.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "controls/styled/stycont/Lzrw1kh.h"
#include "controls/styled/stycont/StreamHelpers.h"
#include "platform/vcl/SysUtils.h"

void CompressStream(TStream* Source, TStream* Dest, int Count) {
  std::vector<std::uint8_t> input(kLzrwChunkSize);
  std::vector<std::uint8_t> output(kLzrwChunkSize + kLzrwSlack);
  const std::int64_t start = Dest->GetPosition();
  Dest->SetPosition(start + 4);
  std::int32_t total = 0;
  while (Count > 0) {
    const int n = std::min(Count, kLzrwChunkSize);
    Source->ReadBuffer(input.data(), n);
    const int length = LzrwCompress(input.data(), output.data(), std::uint16_t(n));
    WriteInt32(Dest, length);
    Dest->WriteBuffer(output.data(), length);
    total += length + 4;
    Count -= n;
  }
  const std::int64_t end = Dest->GetPosition();
  Dest->SetPosition(start);
  WriteInt32(Dest, total);
  Dest->SetPosition(end);
}

void DecompressStream(TStream* Source, TStream* Dest) {
  std::vector<std::uint8_t> block(kLzrwMaxBlock);
  std::vector<std::uint8_t> output(kLzrwChunkSize);
  std::int64_t total = ReadInt32(Source);
  CheckRemaining(Source, total);
  while (total > 0) {
    const std::int32_t length = ReadInt32(Source);
    if (length < 1 || length > kLzrwMaxBlock || std::int64_t(length) + 4 > total) throw EReadError("Stream read error");
    Source->ReadBuffer(block.data(), length);
    const int produced = LzrwDecompress(block.data(), output.data(), length, kLzrwChunkSize);
    Dest->WriteBuffer(output.data(), produced);
    total -= std::int64_t(length) + 4;
  }
}
