// Streams over a block of memory.
#pragma once

#include <string>

#include "platform/vcl/classes/streams/Stream.h"

// Reads and seeks over memory it does not manage; the position may lie past
// the end (reads there return 0 bytes).
class TCustomMemoryStream : public TStream {
 public:
  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;  // writes nothing
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t GetSize() override { return FSize; }

  void* GetMemory() const { return FMemory; }
  void SaveToStream(TStream& stream);
  void SaveToStream(TStream* stream) { SaveToStream(*stream); }
  void SaveToFile(const std::string& fileName);

 protected:
  void SetPointer(void* memory, std::int64_t size);
  void* FMemory = nullptr;
  std::int64_t FSize = 0;
  std::int64_t FPosition = 0;
};

// Owns its memory and grows it as it is written (capacity in 8 KB steps).
class TMemoryStream : public TCustomMemoryStream {
 public:
  TMemoryStream() = default;
  ~TMemoryStream() override;

  int Write(const void* buffer, int count) override;
  // New bytes are zero; the position moves back to the end when it lay beyond.
  void SetSize(std::int64_t newSize) override;
  void Clear();
  void LoadFromStream(TStream& stream);
  void LoadFromStream(TStream* stream) { LoadFromStream(*stream); }
  void LoadFromFile(const std::string& fileName);
  std::int64_t GetCapacity() const { return FCapacity; }

 protected:
  void SetCapacity(std::int64_t newCapacity);

 private:
  std::int64_t FCapacity = 0;
};

// A stream over a string; DataString holds the bytes.
class TStringStream : public TStream {
 public:
  explicit TStringStream(std::string data = {}) : FDataString(std::move(data)) {}

  int Read(void* buffer, int count) override;
  // Writing ends the string after the written bytes, as the library does.
  int Write(const void* buffer, int count) override;
  // The position is kept within 0 .. size.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t GetSize() override { return static_cast<std::int64_t>(FDataString.size()); }
  void SetSize(std::int64_t newSize) override;

  const std::string& GetDataString() const { return FDataString; }
  std::string ReadString(int count);
  void WriteString(const std::string& s);

 private:
  std::string FDataString;
  std::int64_t FPosition = 0;
};
