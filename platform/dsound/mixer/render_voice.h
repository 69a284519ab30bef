// Adds one voice into the mixer's stereo accumulator: reads its 8- or 16-bit
// frames, resamples them by the voice's step with a four-point cubic
// (Catmull-Rom) interpolator, and applies the channel gains.
#pragma once

#include "platform/dsound/mixer/mix_voice.h"

namespace dsound {

// Adds up to `frames` output frames of the voice to `accumulator`
// (interleaved left/right). Returns the frames added: fewer than asked when a
// voice that does not loop reached its end (it has then ended).
int RenderVoice(MixVoice& voice, float* accumulator, int frames);

}  // namespace dsound
