// The one mixer of the process. Every secondary buffer of every device object
// sounds through it; it runs in the host's audio callback and sums the
// sounding voices into 44,100 Hz 16-bit stereo with saturation (no limiter).
//
// The user-interface thread talks to it only through the command queue; the
// audio thread never allocates, never frees and never takes a lock. Voices the
// mixer let go of are freed on the user-interface thread (CollectRetired).
//
// Time: a command runs at the output frame of its call's time (microseconds
// of the kernel's clock seam) plus a fixed latency. The frame of a time starts
// as 44,100 a second from the moment the audio opens; when the device paces
// its callbacks, it follows the device from what the callbacks show (see
// FrameClock), on the real clock and on a test's manual clock alike. Audio
// rendered on demand (tests) keeps the nominal mapping.
//
// The latency follows the period the device granted: two periods, since a
// callback may come up to a period late and the one due next must still find
// the command, plus a margin for the follower's error.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/dsound/mixer/command.h"
#include "platform/dsound/mixer/command_queue.h"
#include "platform/dsound/mixer/frame_clock.h"
#include "platform/dsound/mixer/mix_voice.h"
#include "platform/dsound/mixer/sample_data.h"

namespace dsound {

class Mixer {
 public:
  static constexpr int kRate = 44100;
  static constexpr int kPeriodFrames = 256;  // asked of the device; about 6 ms
  static constexpr int kMarginFrames = 44;  // 1 ms

  // Output frames between a call and the sound it starts, for a device
  // calling back with periods of `periodFrames`.
  static int LatencyFor(int periodFrames);

  static Mixer& Get();

  // A device object came or went: the first opens the host's audio, the last
  // closes it and frees whatever the mixer still held.
  void AddDevice();
  void RemoveDevice();
  int DeviceCount() const { return devices_; }
  // The latency of the open audio (before any opened: of the asked period).
  int LatencyFrames() const { return latency_.load(std::memory_order_relaxed); }

  // A voice for a buffer over data; the mixer holds the data while the
  // voice may read it.
  MixVoice* NewVoice(std::shared_ptr<const SampleData> data);
  // Stamps the command with the clock's time and its sequence number and
  // queues it; returns the number.
  std::uint64_t Send(Command command);
  // The voice reads `data` from the time of the call on; the block it read
  // before is freed once the mixer has taken up the new one.
  void SwapData(MixVoice* voice, std::shared_ptr<const SampleData> data);
  // Queues the voice's retirement; it is freed once the mixer let it go.
  void Retire(MixVoice* voice);
  // Frees the voices the mixer let go of, and the blocks it no longer reads.
  void CollectRetired();
  // Voices made and not freed yet.
  std::size_t LiveVoices() const { return voices_.size(); }

  // Audio thread: the next `frames` frames of output.
  void Render(std::int16_t* samples, int frames);

 private:
  Mixer() = default;
  struct Owned {
    std::unique_ptr<MixVoice> voice;
    std::shared_ptr<const SampleData> data;
  };
  // A block a voice read before a SetData: freed once the mixer applied it.
  struct Replaced {
    std::shared_ptr<const SampleData> data;
    std::uint64_t until;  // the SetData command's sequence number
  };

  void Open();
  void Close();
  std::int64_t FrameOf(std::uint64_t timeMicros) const;
  void Apply(const Command& c);
  void Link(MixVoice* v);
  void Unlink(MixVoice* v);
  void MixRange(int from, int to);

  // User-interface thread.
  int devices_ = 0;
  std::vector<Owned> voices_;
  std::vector<Replaced> replaced_;
  std::unique_ptr<CommandQueue<Command>> queue_;
  std::uint64_t sent_ = 0;  // the last command's sequence number

  // Audio thread -> user-interface thread: the sequence number of the last
  // command applied.
  std::atomic<std::uint64_t> applied_{0};

  // Known once the host opened the audio, when callbacks may already run:
  // the audio thread reads them with the commands that came after.
  std::atomic<int> latency_{LatencyFor(kPeriodFrames)};
  std::atomic<int> pacedPeriod_{0};  // frames a callback; 0: nothing to follow

  // Audio thread (set by Open before the audio starts).
  std::int64_t frame_ = 0;  // output frames so far
  FrameClock clock_;
  MixVoice* sounding_ = nullptr;  // list head
  static constexpr int kChunk = 1024;
  float accumulator_[2 * kChunk] = {};
};

}  // namespace dsound
