// Onsets in a WAV file the mixer captured (DRUMS_AUDIO_CAPTURE): the frames
// at which the left channel turns from silence to sound. The capture is
// 16-bit stereo behind a 44-byte header.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<std::int64_t> CapturedOnsets(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::int64_t> onsets;
  bool quiet = true;
  for (size_t at = 44, frame = 0; at + 4 <= bytes.size(); at += 4, ++frame) {
    std::int16_t left;
    std::memcpy(&left, &bytes[at], 2);
    if (quiet && left != 0) onsets.push_back(static_cast<std::int64_t>(frame));
    quiet = left == 0;
  }
  return onsets;
}
