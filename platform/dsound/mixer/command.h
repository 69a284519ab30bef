// What the user-interface thread asks of the mixer. Every command carries the
// clock time of the call; the mixer carries it out at the output frame of
// that time plus its fixed latency, so sounds keep the spacing of the calls.
#pragma once

#include <cstdint>

#include "platform/dsound/mixer/mix_voice.h"
#include "platform/dsound/mixer/sample_data.h"

namespace dsound {

enum class CommandKind : std::uint8_t {
  Play,  // from `frame`, looping when `loop`, as `generation`
  SetLoop,  // a playing voice changes its looping
  Stop,
  SetPosition,  // a playing voice jumps to `frame`
  SetParams,  // gains and step
  SetData,  // the voice reads `data` from now on (a write through Lock)
  Retire,  // forget the voice; it may be freed afterwards
};

struct Command {
  CommandKind kind = CommandKind::Stop;
  MixVoice* voice = nullptr;
  std::uint64_t timeMicros = 0;
  std::uint64_t sequence = 0;  // counts the commands sent, from 1
  std::uint32_t generation = 0;
  std::uint32_t frame = 0;
  bool loop = false;
  float gainLeft = 1.0f;
  float gainRight = 1.0f;
  std::uint64_t step = std::uint64_t{1} << 32;
  const SampleData* data = nullptr;
};

}  // namespace dsound
