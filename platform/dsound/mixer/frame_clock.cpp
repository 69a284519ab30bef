#include "platform/dsound/mixer/frame_clock.h"

#include <algorithm>

namespace dsound {

void FrameClock::Start(std::uint64_t nowMicros, int rate) {
  nominal_ = rate / 1e6;
  start_ = nowMicros;
  lineTime_ = nowMicros;
  lineFrame_ = 0;
  lineRate_ = nominal_;
  settled_ = false;
  windowStart_ = nowMicros;
  windowCallbacks_ = 0;
  lastCallback_ = nowMicros;
  edgeCount_ = edgeNext_ = 0;
}

double FrameClock::FrameAt(std::uint64_t micros) const {
  return lineFrame_ + static_cast<double>(static_cast<std::int64_t>(micros - lineTime_)) * lineRate_;
}

void FrameClock::Observe(std::uint64_t nowMicros, std::int64_t frame, int periodFrames) {
  const auto stallMicros = kStallMicros + static_cast<std::uint64_t>(4.0 * periodFrames / nominal_);
  if (nowMicros - lastCallback_ > stallMicros) {
    // No callback for far longer than a buffer lasts: the device ran dry and
    // goes on at a phase of its own (or it started late). Learn it as at the
    // start.
    settled_ = false;
    windowStart_ = nowMicros;
    windowCallbacks_ = 0;
  }
  lastCallback_ = nowMicros;
  const double offset = static_cast<double>(frame) - FrameAt(nowMicros);
  if (windowCallbacks_ == 0 || offset > windowHigh_) {
    windowHigh_ = offset;
    windowEdge_ = {static_cast<double>(nowMicros - start_) / 1e6,
                   static_cast<double>(frame) - nominal_ * static_cast<double>(nowMicros - start_)};
  }
  ++windowCallbacks_;
  const std::uint64_t window = settled_ ? kWindowMicros : kSettleMicros;
  if (nowMicros - windowStart_ >= window && windowCallbacks_ >= kWindowCallbacks) {
    EndWindow(nowMicros);
    windowStart_ = nowMicros;
    windowCallbacks_ = 0;
  }
}

void FrameClock::EndWindow(std::uint64_t nowMicros) {
  if (!settled_) {
    // A short window's edge lies lower than a second's: the line starts
    // from it, the fit does not.
    SetAnew(nowMicros, windowHigh_);
    settled_ = true;
    return;
  }
  edges_[edgeNext_] = windowEdge_;
  edgeNext_ = (edgeNext_ + 1) % kHistory;
  edgeCount_ = std::min(edgeCount_ + 1, kHistory);
  if (edgeCount_ < kFitFrom) return;

  const double nowSeconds = static_cast<double>(nowMicros - start_) / 1e6;
  double ppm = 0, phase = 0;
  Fit(nowSeconds, ppm, phase);
  ppm = std::clamp(ppm, -kMaxDevicePpm, kMaxDevicePpm);
  // Towards the edge by a rate of at most a few ppm: never a step.
  const double offset = phase + nominal_ * static_cast<double>(nowMicros - start_) - FrameAt(nowMicros);
  const double maxPull = nominal_ * kMaxPullPpm * 1e-6;
  const double pull = std::clamp(offset / (kPullSeconds * 1e6), -maxPull, maxPull);
  Rebase(nowMicros, nominal_ * (1 + ppm * 1e-6) + pull);
}

void FrameClock::SetAnew(std::uint64_t nowMicros, double frames) {
  Rebase(nowMicros, lineRate_);
  lineFrame_ += frames;
  edgeCount_ = edgeNext_ = 0;
}

void FrameClock::Rebase(std::uint64_t nowMicros, double framesPerMicro) {
  lineFrame_ = FrameAt(nowMicros);
  lineTime_ = nowMicros;
  lineRate_ = framesPerMicro;
}

void FrameClock::Fit(double nowSeconds, double& ppm, double& phase) const {
  double meanX = 0, meanY = 0;
  for (int i = 0; i < edgeCount_; ++i) {
    meanX += edges_[i].seconds;
    meanY += edges_[i].phase;
  }
  meanX /= edgeCount_;
  meanY /= edgeCount_;
  double sxx = 0, sxy = 0;
  for (int i = 0; i < edgeCount_; ++i) {
    const double dx = edges_[i].seconds - meanX;
    sxx += dx * dx;
    sxy += dx * (edges_[i].phase - meanY);
  }
  const double slope = sxx > 0 ? sxy / sxx : 0;  // frames a second off nominal
  ppm = slope / nominal_;
  phase = meanY + slope * (nowSeconds - meanX);
}

}  // namespace dsound
