// Wave streams: the "data" chunk of a RIFF WAVE image in another stream,
// presented as a stream of its own, with the image's format record.
//
//   TCustomWaveStream   open / close, position and size of the sound data
//   TCustomWaveStream2  the format record
//   TWaveStream         the RIFF chunks over an underlying stream
#pragma once

#include <cstdint>
#include <vector>

#include "platform/vcl/Classes.h"

class TCustomWaveStream : public TStream {
 public:
  ~TCustomWaveStream() override;

  bool GetOpened() const { return FOpened; }
  bool GetReadMode() const { return FReadMode; }
  // Raises EWaveStreamError "Stream is already open" when open.
  void Open(bool writeMode);
  // Completes what writing left open.
  void Close();

  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t GetSize() override;
  void SetSize(std::int64_t) override {}

 protected:
  virtual void ReadDataHeader() = 0;
  virtual void WriteDataHeader() = 0;
  virtual void CloseWrite() = 0;
  virtual std::int64_t GetDataSize() = 0;
  virtual int ReadData(std::int64_t at, void* buffer, int count) = 0;
  virtual int WriteData(std::int64_t at, const void* buffer, int count) = 0;

 private:
  void CheckOpened();
  bool FOpened = false;
  bool FReadMode = false;
  std::int64_t FPosition = 0;
};

class TCustomWaveStream2 : public TCustomWaveStream {
 public:
  const void* GetFormat() const { return FFormat.data(); }
  int GetFormatSize() const { return static_cast<int>(FFormat.size()); }
  void SetFormatSize(int value) { FFormat.assign(static_cast<size_t>(value < 0 ? 0 : value), 0); }
  void* GetFormatMemory() { return FFormat.data(); }

 private:
  std::vector<std::uint8_t> FFormat;
};

class TWaveStream : public TCustomWaveStream2 {
 public:
  // The image starts at the stream's current position; the stream stays the caller's.
  explicit TWaveStream(TStream* stream);
  ~TWaveStream() override;

 protected:
  void ReadDataHeader() override;
  void WriteDataHeader() override;
  void CloseWrite() override;
  std::int64_t GetDataSize() override;
  int ReadData(std::int64_t at, void* buffer, int count) override;
  int WriteData(std::int64_t at, const void* buffer, int count) override;

 private:
  TStream* FStream;
  std::int64_t FStartPosition;
  std::int64_t FDataOffset = 0;
  std::int64_t FDataHeaderOffset = 0;
  std::int64_t FDataSize = 0;
};
