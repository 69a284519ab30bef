// TWave: one PCM sample in memory, its format record as stored in the file
// and its sound bytes; read and written as a RIFF WAVE image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/win/mmsystem.h"

class TWave : public TPersistent {
  DRUMS_CLASS(TWave, TPersistent)

 public:
  // Bytes of one block of sound memory (the capacity is a whole number of them).
  static constexpr int kBlockSize = 8096;

  void Clear();
  const void* GetData() const { return FData.empty() ? nullptr : FData.data(); }
  void* GetDataMemory() { return FData.empty() ? nullptr : FData.data(); }
  int GetSize() const { return FSize; }
  // Below 0 counts as 0; memory is reallocated only when the block count changes.
  void SetSize(int value);
  // The bytes of sound memory held (whole blocks).
  int GetCapacity() const { return static_cast<int>(FData.size()); }
  const WAVEFORMATEX* GetFormat() const {
    return FFormat.empty() ? nullptr : reinterpret_cast<const WAVEFORMATEX*>(FFormat.data());
  }
  void* GetFormatMemory() { return FFormat.empty() ? nullptr : FFormat.data(); }
  int GetFormatSize() const { return FFormatSize; }
  void SetFormatSize(int value);

  void Assign(TPersistent* source) override;
  void LoadFromFile(const std::string& fileName);
  void LoadFromStream(TStream* stream);
  // Writes nothing when the wave has no format or no sound.
  void SaveToStream(TStream* stream);

 protected:
  void DefineProperties(TFiler* filer) override;
  // The binary property "WAVE".
  virtual void ReadWave(TStream* stream);
  virtual void WriteWave(TStream* stream);

 private:
  std::vector<std::uint8_t> FData;
  std::vector<std::uint8_t> FFormat;
  int FFormatSize = 0;
  int FSize = 0;
};

// Fills a PCM format record (18 bytes, cbSize 0).
void MakePCMFormat(WAVEFORMATEX& format, int samplesPerSec, int bits, int channels);
