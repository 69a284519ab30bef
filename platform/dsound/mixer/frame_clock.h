// Which output frame a clock time stands for, learnt from the audio device's
// callbacks (audio thread only; no allocation).
//
// A callback that comes on time renders from the frame the device will need
// next; a late one renders from an earlier frame than its time says, and a
// bunch that follows a late one catches up but never runs past the device's
// buffer. So the true picture of the device is the upper edge of
// (frame - clock) over many callbacks. Each second the highest callback is
// kept, and a least-squares line through the last 32 (from the eighth on)
// gives the device's rate against the clock and where that edge stands now.
//
// The mapping itself is a line of its own that follows the edge without a
// step: it runs at the learnt rate plus a pull of at most a few ppm towards
// the edge, so that two calls 150 ms apart land a small part of a frame from
// their true spacing, however late or bunched the callbacks come.
// The line is only set anew by the first fifth of a second of callbacks
// (until then nothing is known of the device) and after a real stall: no
// callback for far longer than a buffer lasts.
#pragma once

#include <cstdint>

namespace dsound {

class FrameClock {
 public:
  // Frame 0 at `nowMicros` at the nominal rate; everything learnt goes.
  void Start(std::uint64_t nowMicros, int rate);
  // A callback at `nowMicros` renders from `frame` on; the device calls
  // back with periods of `periodFrames`.
  void Observe(std::uint64_t nowMicros, std::int64_t frame, int periodFrames);
  // The frame an on-time callback renders from at `micros` (unrounded).
  double FrameAt(std::uint64_t micros) const;

 private:
  static constexpr int kHistory = 32;  // seconds of edges in the fit
  static constexpr int kFitFrom = 8;  // edges before the rate is trusted
  static constexpr std::uint64_t kWindowMicros = 1'000'000;
  // Short, to set the line soon after the start or a stall; what it misses
  // of the edge the pull makes up.
  static constexpr std::uint64_t kSettleMicros = 200'000;
  static constexpr int kWindowCallbacks = 4;  // at least, for an edge
  static constexpr double kMaxPullPpm = 5;
  static constexpr double kPullSeconds = 20;  // offsets below 5 ppm x this go linearly
  static constexpr double kMaxDevicePpm = 2000;
  // A stall: no callback for this and four periods.
  static constexpr std::uint64_t kStallMicros = 100'000;

  struct Edge {
    double seconds;  // since Start
    double phase;  // frame - nominal frames since Start
  };

  void EndWindow(std::uint64_t nowMicros);
  // Moves the line by `frames` at `nowMicros` (a step) and forgets the edges.
  void SetAnew(std::uint64_t nowMicros, double frames);
  // Line through the edges: device rate (ppm) and the edge's phase now.
  void Fit(double nowSeconds, double& ppm, double& phase) const;
  void Rebase(std::uint64_t nowMicros, double framesPerMicro);

  double nominal_ = 0.0441;  // frames per microsecond
  std::uint64_t start_ = 0;

  // The mapping: lineFrame_ at lineTime_, going on at lineRate_.
  std::uint64_t lineTime_ = 0;
  double lineFrame_ = 0;
  double lineRate_ = 0.0441;
  bool settled_ = false;

  // The current second of callbacks, by their offset from the line.
  std::uint64_t lastCallback_ = 0;
  std::uint64_t windowStart_ = 0;
  int windowCallbacks_ = 0;
  double windowHigh_ = 0;
  Edge windowEdge_{};

  Edge edges_[kHistory] = {};
  int edgeCount_ = 0;
  int edgeNext_ = 0;
};

}  // namespace dsound
