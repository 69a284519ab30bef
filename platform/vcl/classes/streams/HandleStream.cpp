#include "platform/vcl/classes/streams/HandleStream.h"

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/OSErrors.h"

int THandleStream::Read(void* buffer, int count) {
  int n = FileRead(FHandle, buffer, count);
  return n < 0 ? 0 : n;
}

int THandleStream::Write(const void* buffer, int count) {
  int n = FileWrite(FHandle, buffer, count);
  return n < 0 ? 0 : n;
}

std::int64_t THandleStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  return FileSeek(FHandle, offset, static_cast<int>(origin));
}

void THandleStream::SetSize(std::int64_t newSize) {
  std::int64_t pos = GetPosition();
  if (!FileTruncate(FHandle, newSize)) RaiseLastOSError();
  if (pos > newSize) Seek(newSize, soBeginning);
}

TFileStream::TFileStream(const std::string& fileName, unsigned short mode) : TFileStream(fileName, mode, 0) {}

TFileStream::TFileStream(const std::string& fileName, unsigned short mode, unsigned)
    : THandleStream(-1), FFileName(fileName) {
  if ((mode & fmCreate) == fmCreate) {
    FHandle = FileCreate(fileName);
    if (FHandle < 0)
      throw EFCreateError("Cannot create file \"%s\". %s", {fileName, SysErrorMessage(vcl::rtl::GetLastOSError())});
  } else {
    FHandle = FileOpen(fileName, mode);
    if (FHandle < 0)
      throw EFOpenError("Cannot open file \"%s\". %s", {fileName, SysErrorMessage(vcl::rtl::GetLastOSError())});
  }
}

TFileStream::~TFileStream() {
  FileClose(FHandle);
}
