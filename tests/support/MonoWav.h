// The bytes of a small ".wav" file for tests that load, list or play waves:
// 16-bit mono PCM at 44,100 Hz.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A file holding exactly these samples.
inline std::string MonoWavBytes(const std::vector<std::int16_t>& samples) {
  auto le = [](std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  std::string data;
  for (std::int16_t sample : samples) data += le(static_cast<std::uint16_t>(sample), 2);
  const std::string fmt = le(1, 2) + le(1, 2) + le(44100, 4) + le(88200, 4) + le(2, 2) + le(16, 2);
  const std::string body =
      "WAVE" + std::string("fmt ") + le(16, 4) + fmt + "data" + le(static_cast<std::uint32_t>(data.size()), 4) + data;
  return "RIFF" + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

// A file of frames samples, every one of them value.
inline std::string MonoWavBytes(std::int16_t value, int frames) {
  return MonoWavBytes(std::vector<std::int16_t>(static_cast<size_t>(frames), value));
}

}  // namespace testsupport
