#include "platform/vcl/classes/streams/Stream.h"

#include <algorithm>
#include <vector>

#include "platform/vcl/rtl/Exceptions.h"

TStream::~TStream() = default;

std::int64_t TStream::GetSize() {
  std::int64_t pos = Seek(0, soCurrent);
  std::int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(std::int64_t) {}

void TStream::ReadBuffer(void* buffer, int count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.GetSize();
  }
  constexpr std::int64_t kChunk = 0xF000;
  std::vector<char> buffer(static_cast<std::size_t>(std::min(count, kChunk)));
  std::int64_t left = count;
  while (left > 0) {
    int n = static_cast<int>(std::min(left, kChunk));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return count;
}
