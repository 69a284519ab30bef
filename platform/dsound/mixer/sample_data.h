// The sound bytes of a buffer, shared by the buffer and its duplicates. A
// block never changes once a voice may read it: a write through Lock makes a
// new block, which the voices take up through the command queue. Only the
// user-interface thread holds and frees a block; the audio thread reads the
// bytes through a voice until the mixer has taken up the next one.
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
