#include "sound/WaveSample.h"

#include <cstring>

#include "sound/WaveStream.h"

void TWave::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FFormat.clear();
  FSize = 0;
  FFormatSize = 0;
}

void TWave::SetSize(int value) {
  if (value < 0) value = 0;
  const auto blocks = [](int n) { return (static_cast<std::int64_t>(n) + kBlockSize - 1) / kBlockSize; };
  if (blocks(value) != blocks(FSize) || FData.size() != static_cast<size_t>(blocks(FSize) * kBlockSize)) {
    FData.resize(static_cast<size_t>(blocks(value) * kBlockSize));
    FData.shrink_to_fit();
  }
  FSize = value;
}

void TWave::SetFormatSize(int value) {
  if (value < 0) value = 0;
  FFormat.assign(static_cast<size_t>(value), 0);
  FFormatSize = value;
}

void TWave::Assign(TPersistent* source) {
  if (!source) {
    Clear();
  } else if (auto* other = dynamic_cast<TWave*>(source)) {
    if (other == this) return;
    SetSize(other->FSize);
    SetFormatSize(other->FFormatSize);
    if (FSize) std::memcpy(FData.data(), other->FData.data(), static_cast<size_t>(FSize));
    if (FFormatSize) std::memcpy(FFormat.data(), other->FFormat.data(), static_cast<size_t>(FFormatSize));
  } else {
    TPersistent::Assign(source);
  }
}

void TWave::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TWave::LoadFromStream(TStream* stream) {
  Clear();
  TWaveStream wave(stream);
  wave.Open(false);
  SetFormatSize(wave.GetFormatSize());
  if (FFormatSize) std::memcpy(FFormat.data(), wave.GetFormat(), static_cast<size_t>(FFormatSize));
  SetSize(static_cast<int>(wave.GetSize()));
  if (FSize) wave.ReadBuffer(FData.data(), FSize);
}

void TWave::SaveToStream(TStream* stream) {
  if (FFormatSize == 0 || FSize == 0) return;
  TWaveStream wave(stream);
  wave.SetFormatSize(FFormatSize);
  std::memcpy(wave.GetFormatMemory(), FFormat.data(), static_cast<size_t>(FFormatSize));
  wave.Open(true);
  wave.WriteBuffer(FData.data(), FSize);
}

void TWave::DefineProperties(TFiler* filer) {
  TPersistent::DefineProperties(filer);
  filer->DefineBinaryProperty(
      "WAVE", [this](TStream* s) { ReadWave(s); }, [this](TStream* s) { WriteWave(s); }, true);
}

void TWave::ReadWave(TStream* stream) {
  // An empty wave is stored with no bytes at all: that reads back as empty.
  if (stream->GetSize() - stream->GetPosition() <= 0) {
    Clear();
    return;
  }
  LoadFromStream(stream);
}

void TWave::WriteWave(TStream* stream) {
  SaveToStream(stream);
}

void MakePCMFormat(WAVEFORMATEX& format, int samplesPerSec, int bits, int channels) {
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<WORD>(channels);
  format.nSamplesPerSec = static_cast<DWORD>(samplesPerSec);
  format.wBitsPerSample = static_cast<WORD>(bits);
  format.nBlockAlign = static_cast<WORD>(channels * (bits / 8));
  format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;
  format.cbSize = 0;
}
