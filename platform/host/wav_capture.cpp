#include "platform/host/wav_capture.h"

#include <cstring>
#include <vector>

namespace host {
namespace {

void PutLe(unsigned char* at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

constexpr long kHeaderBytes = 44;
// RIFF sizes are 32 bits; past that the header keeps the largest size it can hold.
constexpr std::uint64_t kMaxData = 0xFFFFFFFFull - (kHeaderBytes - 8);

}  // namespace

WavCapture::~WavCapture() {
  Close();
}

bool WavCapture::Open(const std::string& path, int rate, int channels) {
  if (file_) return channels == channels_;
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  channels_ = channels;
  dataBytes_ = 0;
  unsigned char h[kHeaderBytes] = {};
  std::memcpy(h, "RIFF", 4);
  PutLe(h + 4, kHeaderBytes - 8, 4);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  PutLe(h + 16, 16, 4);
  PutLe(h + 20, 1, 2);  // PCM
  PutLe(h + 22, static_cast<std::uint32_t>(channels), 2);
  PutLe(h + 24, static_cast<std::uint32_t>(rate), 4);
  PutLe(h + 28, static_cast<std::uint32_t>(rate * channels * 2), 4);
  PutLe(h + 32, static_cast<std::uint32_t>(channels * 2), 2);
  PutLe(h + 34, 16, 2);
  std::memcpy(h + 36, "data", 4);
  PutLe(h + 40, 0, 4);
  std::fwrite(h, 1, sizeof h, file_);
  std::fflush(file_);
  return true;
}

void WavCapture::Write(const std::int16_t* samples, int frames) {
  if (!file_ || frames <= 0) return;
  const size_t count = static_cast<size_t>(frames) * channels_;
  // The file is little-endian whatever the machine is.
  std::vector<unsigned char> bytes(count * 2);
  for (size_t i = 0; i < count; ++i) PutLe(&bytes[i * 2], static_cast<std::uint16_t>(samples[i]), 2);
  dataBytes_ += std::fwrite(bytes.data(), 1, bytes.size(), file_);
}

void WavCapture::Finish() {
  if (!file_) return;
  const std::uint64_t data = dataBytes_ < kMaxData ? dataBytes_ : kMaxData;
  unsigned char size[4];
  PutLe(size, static_cast<std::uint32_t>(data + kHeaderBytes - 8), 4);
  std::fseek(file_, 4, SEEK_SET);
  std::fwrite(size, 1, 4, file_);
  PutLe(size, static_cast<std::uint32_t>(data), 4);
  std::fseek(file_, 40, SEEK_SET);
  std::fwrite(size, 1, 4, file_);
  std::fseek(file_, 0, SEEK_END);
  std::fflush(file_);
}

void WavCapture::Close() {
  if (!file_) return;
  Finish();
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace host
