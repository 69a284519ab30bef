#include <algorithm>
#include <stdexcept>

#include "platform/host/headless.h"

namespace host::headless {

JitteryDevice::JitteryDevice(const Options& options)
    : periodFrames_(options.periodFrames),
      bufferFrames_(options.periodFrames * options.buffers),
      framesPerMicro_(AudioFormat{}.rate * (1.0 + options.ppm * 1e-6) / 1e6),
      burstChance_(options.burstChance),
      random_(options.seed * 2654435761u + 1) {
  if (options.periodFrames <= 0 || options.buffers < 2)
    throw std::invalid_argument("a jittery device needs a period and at least two of them buffered");
  SetPulledAudioTiming({periodFrames_, true});
  Schedule();
}

JitteryDevice::~JitteryDevice() {
  SetPulledAudioTiming({});
}

std::vector<std::int16_t> JitteryDevice::Deliver() {
  last_ = static_cast<double>(next_);
  ++callbacks_;
  auto out = RenderAudio(periodFrames_);
  Schedule();
  return out;
}

double JitteryDevice::PlayMicros(std::int64_t frame) const {
  double at = static_cast<double>(frame) / framesPerMicro_;
  for (const auto& [from, later] : shifts_)
    if (frame >= from) at += later;
  return at;
}

void JitteryDevice::Stall(std::uint64_t micros) {
  holdUntil_ = last_ + static_cast<double>(micros);
  // The card needs the next period at `dry`; coming later, it starts that
  // period when it arrives.
  const std::int64_t first = callbacks_ * periodFrames_;
  const double dry = PlayMicros(first);
  if (holdUntil_ > dry) shifts_.emplace_back(first, holdUntil_ - dry);
  burst_ = -1;
  Schedule();
}

void JitteryDevice::Schedule() {
  const std::int64_t first = callbacks_ * periodFrames_;
  const double period = periodFrames_ / framesPerMicro_;
  // The room for this period frees up when the card plays the frame a
  // buffer before its end; the empty buffer takes the first ones at once.
  const std::int64_t freeing = first + periodFrames_ - bufferFrames_;
  const double due = freeing < 0 ? 0 : PlayMicros(freeing);
  double at;
  if (freeing < 0) {
    at = 0;
  } else if (due <= burst_) {
    at = burst_;
  } else if (Uniform() < burstChance_) {
    burst_ = PlayMicros(first) - period / 10;  // about to run dry
    at = burst_;
  } else {
    at = due + Uniform() * period;
  }
  at = std::max({at, last_, holdUntil_});
  next_ = static_cast<std::uint64_t>(at + 0.999999);
}

double JitteryDevice::Uniform() {
  // xorshift32: the same bunches on every machine for a seed.
  random_ ^= random_ << 13;
  random_ ^= random_ >> 17;
  random_ ^= random_ << 5;
  return (random_ >> 8) / 16777216.0;
}

}  // namespace host::headless
