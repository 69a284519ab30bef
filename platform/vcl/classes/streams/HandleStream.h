// Streams over the library's integer file handles.
#pragma once

#include <string>

#include "platform/vcl/classes/streams/Stream.h"
#include "platform/vcl/rtl/FileHandles.h"

class THandleStream : public TStream {
 public:
  // The handle stays the caller's: the stream does not close it.
  explicit THandleStream(int handle) : FHandle(handle) {}

  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t newSize) override;
  int GetHandle() const { return FHandle; }

 protected:
  int FHandle;
};

// fmCreate creates the file (or empties it) and opens it for reading and
// writing; it may be combined with a share mode.
constexpr unsigned short fmCreate = 0xFF00;

class TFileStream : public THandleStream {
 public:
  // Raises EFCreateError 'Cannot create file "<name>". <reason>' or
  // EFOpenError 'Cannot open file "<name>". <reason>'.
  TFileStream(const std::string& fileName, unsigned short mode);
  TFileStream(const std::string& fileName, unsigned short mode, unsigned rights);
  ~TFileStream() override;

  const std::string& GetFileName() const { return FFileName; }

 private:
  std::string FFileName;
};
