// TStream: the library's abstract byte stream. Subclasses give Read, Write and
// Seek; GetSize/SetSize may be overridden.
#pragma once

#include <cstdint>

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };
// The older origin names share the values and the type, so one Seek serves both.
constexpr TSeekOrigin soFromBeginning = soBeginning;
constexpr TSeekOrigin soFromCurrent = soCurrent;
constexpr TSeekOrigin soFromEnd = soEnd;

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream();

  // Transfer up to count bytes at the position; return the bytes moved.
  virtual int Read(void* buffer, int count) = 0;
  virtual int Write(const void* buffer, int count) = 0;
  // Returns the new position.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  std::int64_t GetPosition() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t pos) { Seek(pos, soBeginning); }
  virtual std::int64_t GetSize();
  // Does nothing unless the stream can change its size.
  virtual void SetSize(std::int64_t newSize);

  // All or nothing: a short transfer raises EReadError "Stream read error" /
  // EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int count);
  void WriteBuffer(const void* buffer, int count);
  // Copies count bytes from source's position; count 0 copies the whole of
  // source from its start. Returns the bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
  std::int64_t CopyFrom(TStream* source, std::int64_t count) { return CopyFrom(*source, count); }
};
