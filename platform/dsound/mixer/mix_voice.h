// What the mixer knows of one secondary buffer. Made and freed on the
// user-interface thread; between the two only the audio thread changes the
// plain fields, and the atomics tell the user-interface thread how far it got.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/dsound/mixer/sample_data.h"

namespace dsound {

struct MixVoice {
  explicit MixVoice(const SampleData* sampleData) : data(sampleData) {}

  // Audio thread only; a SetData command changes `data`.
  const SampleData* data;
  MixVoice* prev = nullptr;
  MixVoice* next = nullptr;
  bool linked = false;  // in the list of sounding voices
  bool loop = false;
  std::uint64_t position = 0;  // source frames, 32.32 fixed point
  std::uint64_t step = std::uint64_t{1} << 32;  // source frames per output frame, 32.32
  float gainLeft = 1.0f;
  float gainRight = 1.0f;
  std::uint32_t generation = 0;  // of the Play that started it

  // Audio thread -> user-interface thread.
  // The generation of the last Play that ran to the end of the sound.
  std::atomic<std::uint32_t> endedGeneration{0};
  // (generation << 32) | frame: where the Play of that generation has got to.
  std::atomic<std::uint64_t> cursor{0};
  // The mixer has let go of the voice: it may be freed.
  std::atomic<bool> retired{false};
};

}  // namespace dsound
