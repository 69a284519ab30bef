// The sound bytes of a buffer, shared by the buffer and its duplicates. Only
// the user-interface thread holds and frees it; the audio thread reads the
// bytes through a voice while the voice is alive.
#pragma once

#include <cstdint>
#include <vector>

namespace dsound {

struct SampleData {
  std::vector<std::uint8_t> bytes;
  int channels = 1;  // 1 or 2
  int bits = 16;  // 8 (unsigned) or 16 (signed)
  int rate = 44100;  // frames per second
  int blockAlign = 2;  // bytes per frame
  std::uint32_t frames = 0;
};

}  // namespace dsound
