// The one mixer of the process. Every secondary buffer of every device object
// sounds through it; it runs in the host's audio callback and sums the
// sounding voices into 44,100 Hz 16-bit stereo with saturation (no limiter).
//
// The user-interface thread talks to it only through the command queue; the
// audio thread never allocates, never frees and never takes a lock. Voices the
// mixer let go of are freed on the user-interface thread (CollectRetired).
//
// Time: the output frame of a clock time t (microseconds of the kernel's
// clock seam) is anchorFrame + (t - anchorTime) x 44100 / 10^6, taken when the
// audio opens; a command runs at the frame of its call plus a fixed latency.
// On the real clock the anchor follows the audio device slowly, so that a
// device running a little fast or slow never lets hits drift late or early;
// on a manual clock (tests) it never moves.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/dsound/mixer/command.h"
#include "platform/dsound/mixer/command_queue.h"
#include "platform/dsound/mixer/mix_voice.h"
#include "platform/dsound/mixer/sample_data.h"

namespace dsound {

class Mixer {
 public:
  static constexpr int kRate = 44100;
  static constexpr int kLatencyFrames = 1764;  // 40 ms

  static Mixer& Get();

  // A device object came or went: the first opens the host's audio, the last
  // closes it and frees whatever the mixer still held.
  void AddDevice();
  void RemoveDevice();
  int DeviceCount() const { return devices_; }

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
  void FollowDevice();
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

  // Audio thread (set by Open before the audio starts).
  std::int64_t frame_ = 0;  // output frames so far
  std::int64_t anchorFrame_ = 0;
  std::uint64_t anchorTime_ = 0;
  MixVoice* sounding_ = nullptr;  // list head
  static constexpr int kChunk = 1024;
  float accumulator_[2 * kChunk] = {};
};

}  // namespace dsound
