#include "platform/dsound/gains.h"

#include <cmath>

namespace dsound {

float GainOfAttenuation(long hundredthsOfDecibel) {
  if (hundredthsOfDecibel <= -10000) return 0.0f;
  if (hundredthsOfDecibel >= 0) return 1.0f;
  return static_cast<float>(std::pow(10.0, static_cast<double>(hundredthsOfDecibel) / 2000.0));
}

ChannelGains GainsOf(long volume, long pan) {
  const float level = GainOfAttenuation(volume);
  ChannelGains g;
  g.left = level * (pan > 0 ? GainOfAttenuation(-pan) : 1.0f);
  g.right = level * (pan < 0 ? GainOfAttenuation(pan) : 1.0f);
  return g;
}

}  // namespace dsound
