#include "sound/WaveStream.h"

#include <algorithm>
#include <cstring>

#include "sound/DsErrors.h"

// ---- TCustomWaveStream ---------------------------------------------------

TCustomWaveStream::~TCustomWaveStream() = default;

void TCustomWaveStream::Open(bool writeMode) {
  if (FOpened) throw EWaveStreamError(DsStrings::SStreamOpend);
  FOpened = true;
  FReadMode = !writeMode;
  FPosition = 0;
  if (writeMode)
    WriteDataHeader();
  else
    ReadDataHeader();
}

void TCustomWaveStream::Close() {
  if (!FOpened) return;
  const bool wrote = !FReadMode;
  FOpened = false;
  FReadMode = false;
  if (wrote) CloseWrite();
}

void TCustomWaveStream::CheckOpened() {
  if (!FOpened) throw EWaveStreamError(DsStrings::SStreamNotOpend);
}

std::int64_t TCustomWaveStream::GetSize() {
  return FOpened ? GetDataSize() : 0;
}

int TCustomWaveStream::Read(void* buffer, int count) {
  CheckOpened();
  const std::int64_t n = std::clamp<std::int64_t>(GetSize() - FPosition, 0, std::max(count, 0));
  const int got = n > 0 ? ReadData(FPosition, buffer, static_cast<int>(n)) : 0;
  FPosition += got;
  return got;
}

int TCustomWaveStream::Write(const void* buffer, int count) {
  CheckOpened();
  std::int64_t n = std::max(count, 0);
  if (FReadMode) n = std::clamp<std::int64_t>(GetSize() - FPosition, 0, n);  // the data's size is fixed
  const int put = n > 0 ? WriteData(FPosition, buffer, static_cast<int>(n)) : 0;
  FPosition += put;
  return put;
}

std::int64_t TCustomWaveStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t size = GetSize();
  std::int64_t at = offset;
  if (origin == soCurrent) at = FPosition + offset;
  if (origin == soEnd) at = size + offset;
  FPosition = std::clamp<std::int64_t>(at, 0, size);
  return FPosition;
}

// ---- TWaveStream ---------------------------------------------------------

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void PutLe32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

bool IdIs(const std::uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

}  // namespace

TWaveStream::TWaveStream(TStream* stream) : FStream(stream), FStartPosition(stream->GetPosition()) {}

TWaveStream::~TWaveStream() {
  try {
    Close();
  } catch (...) {
    // A failing write while closing cannot be reported from here.
  }
}

void TWaveStream::ReadDataHeader() {
  FStream->SetPosition(FStartPosition);
  std::uint8_t head[12];
  FStream->ReadBuffer(head, 12);
  if (!IdIs(head, "RIFF") || !IdIs(head + 8, "WAVE")) throw EWaveStreamError(DsStrings::SInvalidWave);
  FDataSize = 0;
  FDataOffset = 0;
  SetFormatSize(0);
  for (;;) {
    std::uint8_t chunk[8] = {};
    FStream->Read(chunk, 8);
    if (Le32(chunk) == 0) break;  // the end, or a zero id
    // Lengths are unsigned; a chunk must lie within what the stream holds.
    const std::int64_t length = Le32(chunk + 4);
    const std::int64_t here = FStream->GetPosition();
    if (length > FStream->GetSize() - here) throw EReadError("Stream read error");
    if (IdIs(chunk, "fmt ")) {
      SetFormatSize(static_cast<int>(length));
      FStream->ReadBuffer(GetFormatMemory(), static_cast<int>(length));
    } else {
      if (IdIs(chunk, "data")) {
        FDataSize = length;
        FDataOffset = here;
      }
      FStream->Seek(length, soCurrent);
    }
    // A chunk of odd length may be followed by a pad byte; ids never start with 0.
    if (length % 2 == 1) {
      std::uint8_t pad = 1;
      if (FStream->Read(&pad, 1) == 1 && pad != 0) FStream->Seek(-1, soCurrent);
    }
  }
}

void TWaveStream::WriteDataHeader() {
  if (GetFormatSize() == 0) throw EWaveStreamError(DsStrings::SInvalidWaveFormat);
  FStream->SetPosition(FStartPosition);
  std::uint8_t head[12] = {};
  FStream->WriteBuffer(head, 12);
  std::uint8_t chunk[8];
  std::memcpy(chunk, "fmt ", 4);
  PutLe32(chunk + 4, static_cast<std::uint32_t>(GetFormatSize()));
  FStream->WriteBuffer(chunk, 8);
  FStream->WriteBuffer(GetFormat(), GetFormatSize());
  FDataHeaderOffset = FStream->GetPosition();
  std::memcpy(chunk, "data", 4);
  PutLe32(chunk + 4, 0);
  FStream->WriteBuffer(chunk, 8);
  FDataOffset = FStream->GetPosition();
}

void TWaveStream::CloseWrite() {
  const std::int64_t size = FStream->GetSize();
  std::uint8_t head[12];
  std::memcpy(head, "RIFF", 4);
  PutLe32(head + 4, static_cast<std::uint32_t>(size - FStartPosition - 8));
  std::memcpy(head + 8, "WAVE", 4);
  FStream->SetPosition(FStartPosition);
  FStream->WriteBuffer(head, 12);
  std::uint8_t chunk[8];
  std::memcpy(chunk, "data", 4);
  PutLe32(chunk + 4, static_cast<std::uint32_t>(size - FDataOffset));
  FStream->SetPosition(FDataHeaderOffset);
  FStream->WriteBuffer(chunk, 8);
  FStream->Seek(0, soEnd);
}

std::int64_t TWaveStream::GetDataSize() {
  return GetReadMode() ? FDataSize : FStream->GetSize() - FDataOffset;
}

int TWaveStream::ReadData(std::int64_t at, void* buffer, int count) {
  FStream->SetPosition(FDataOffset + at);
  return FStream->Read(buffer, count);
}

int TWaveStream::WriteData(std::int64_t at, const void* buffer, int count) {
  FStream->SetPosition(FDataOffset + at);
  return FStream->Write(buffer, count);
}
