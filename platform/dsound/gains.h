// DirectSound's volume and pan, in hundredths of a decibel, as the mixer's
// channel gains: volume v gives 10^(v/2000); pan p attenuates the far channel
// by |p| hundredths of a decibel; the ends of both ranges are silence.
#pragma once

namespace dsound {

struct ChannelGains {
  float left = 1.0f;
  float right = 1.0f;
};

float GainOfAttenuation(long hundredthsOfDecibel);  // 0 .. -10000
ChannelGains GainsOf(long volume, long pan);

}  // namespace dsound
