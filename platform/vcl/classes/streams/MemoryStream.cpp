#include "platform/vcl/classes/streams/MemoryStream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/vcl/classes/streams/HandleStream.h"
#include "platform/vcl/rtl/Exceptions.h"

int TCustomMemoryStream::Read(void* buffer, int count) {
  if (count <= 0 || FPosition < 0 || FPosition >= FSize) return 0;
  std::int64_t n = std::min<std::int64_t>(count, FSize - FPosition);
  std::memcpy(buffer, static_cast<char*>(FMemory) + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return static_cast<int>(n);
}

int TCustomMemoryStream::Write(const void*, int) {
  return 0;
}

std::int64_t TCustomMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soBeginning: FPosition = offset; break;
    case soCurrent: FPosition += offset; break;
    case soEnd: FPosition = FSize + offset; break;
  }
  return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream& stream) {
  if (FSize > 0) stream.WriteBuffer(FMemory, static_cast<int>(FSize));
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

void TCustomMemoryStream::SetPointer(void* memory, std::int64_t size) {
  FMemory = memory;
  FSize = size;
}

TMemoryStream::~TMemoryStream() {
  std::free(FMemory);
}

void TMemoryStream::SetCapacity(std::int64_t newCapacity) {
  constexpr std::int64_t kDelta = 0x2000;
  if (newCapacity > 0) newCapacity = (newCapacity + kDelta - 1) & ~(kDelta - 1);
  if (newCapacity == FCapacity) return;
  if (newCapacity == 0) {
    std::free(FMemory);
    FMemory = nullptr;
  } else {
    void* grown = std::realloc(FMemory, static_cast<std::size_t>(newCapacity));
    if (!grown) throw EOutOfMemory("Out of memory while expanding memory stream");
    FMemory = grown;
  }
  FCapacity = newCapacity;
}

void TMemoryStream::SetSize(std::int64_t newSize) {
  if (newSize < 0) newSize = 0;
  std::int64_t oldSize = FSize;
  SetCapacity(newSize);
  if (newSize > oldSize)
    std::memset(static_cast<char*>(FMemory) + oldSize, 0, static_cast<std::size_t>(newSize - oldSize));
  FSize = newSize;
  if (FPosition > newSize) FPosition = newSize;
}

int TMemoryStream::Write(const void* buffer, int count) {
  if (count <= 0 || FPosition < 0) return 0;
  std::int64_t end = FPosition + count;
  if (end > FSize) {
    if (end > FCapacity) SetCapacity(end);
    // A gap left by seeking past the end reads as zeros, never as old memory.
    if (FPosition > FSize)
      std::memset(static_cast<char*>(FMemory) + FSize, 0, static_cast<std::size_t>(FPosition - FSize));
    FSize = end;
  }
  std::memcpy(static_cast<char*>(FMemory) + FPosition, buffer, static_cast<std::size_t>(count));
  FPosition = end;
  return count;
}

void TMemoryStream::Clear() {
  SetCapacity(0);
  FSize = 0;
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  std::int64_t count = stream.GetSize();
  SetSize(count);
  if (count > 0) stream.ReadBuffer(FMemory, static_cast<int>(count));
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

int TStringStream::Read(void* buffer, int count) {
  std::int64_t size = GetSize();
  if (count <= 0 || FPosition >= size) return 0;
  std::int64_t n = std::min<std::int64_t>(count, size - FPosition);
  std::memcpy(buffer, FDataString.data() + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return static_cast<int>(n);
}

int TStringStream::Write(const void* buffer, int count) {
  if (count <= 0) return 0;
  FDataString.resize(static_cast<std::size_t>(FPosition + count));
  std::memcpy(FDataString.data() + FPosition, buffer, static_cast<std::size_t>(count));
  FPosition += count;
  return count;
}

std::int64_t TStringStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case soBeginning: FPosition = offset; break;
    case soCurrent: FPosition += offset; break;
    case soEnd: FPosition = GetSize() + offset; break;
  }
  FPosition = std::clamp<std::int64_t>(FPosition, 0, GetSize());
  return FPosition;
}

void TStringStream::SetSize(std::int64_t newSize) {
  FDataString.resize(static_cast<std::size_t>(std::max<std::int64_t>(newSize, 0)));
  if (FPosition > newSize) FPosition = std::max<std::int64_t>(newSize, 0);
}

std::string TStringStream::ReadString(int count) {
  std::int64_t n = std::clamp<std::int64_t>(count, 0, GetSize() - FPosition);
  std::string s = FDataString.substr(static_cast<std::size_t>(FPosition), static_cast<std::size_t>(n));
  FPosition += n;
  return s;
}

void TStringStream::WriteString(const std::string& s) {
  Write(s.data(), static_cast<int>(s.size()));
}
