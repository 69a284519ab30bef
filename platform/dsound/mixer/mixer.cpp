#include "platform/dsound/mixer/mixer.h"

#include <algorithm>
#include <cmath>

#include "platform/dsound/mixer/render_voice.h"
#include "platform/host/host.h"
#include "platform/win/drums_ext.h"

namespace dsound {

Mixer& Mixer::Get() {
  static Mixer* mixer = new Mixer;  // the audio thread may outlive statics
  return *mixer;
}

int Mixer::LatencyFor(int periodFrames) {
  return 2 * (periodFrames > 0 ? periodFrames : kPeriodFrames) + kMarginFrames;
}

void Mixer::AddDevice() {
  if (devices_++ == 0) Open();
}

void Mixer::RemoveDevice() {
  if (devices_ > 0 && --devices_ == 0) Close();
}

void Mixer::Open() {
  queue_ = std::make_unique<CommandQueue<Command>>();
  frame_ = 0;
  clock_.Start(win::clock::NowMicros(), kRate);
  sounding_ = nullptr;
  pacedPeriod_.store(0, std::memory_order_relaxed);
  host::AudioFormat format;
  format.rate = kRate;
  format.channels = 2;
  format.periodFrames = kPeriodFrames;
  host::Get().OpenAudio(format, [this](std::int16_t* samples, int frames) { Render(samples, frames); });
  const host::AudioTiming timing = host::Get().GetAudioTiming();
  latency_.store(LatencyFor(timing.periodFrames), std::memory_order_relaxed);
  pacedPeriod_.store(timing.paced ? timing.periodFrames : 0, std::memory_order_relaxed);
}

void Mixer::Close() {
  // After CloseAudio the callback no longer runs: everything is ours again.
  host::Get().CloseAudio();
  while (queue_->Peek()) queue_->Pop();
  queue_.reset();
  sounding_ = nullptr;
  voices_.clear();
  replaced_.clear();
}

MixVoice* Mixer::NewVoice(std::shared_ptr<const SampleData> data) {
  CollectRetired();
  Owned owned{std::make_unique<MixVoice>(data.get()), std::move(data)};
  MixVoice* voice = owned.voice.get();
  voices_.push_back(std::move(owned));
  return voice;
}

std::uint64_t Mixer::Send(Command command) {
  if (!queue_) return 0;
  command.timeMicros = win::clock::NowMicros();
  command.sequence = ++sent_;
  queue_->Push(command);
  return command.sequence;
}

void Mixer::SwapData(MixVoice* voice, std::shared_ptr<const SampleData> data) {
  CollectRetired();
  auto owned = std::find_if(voices_.begin(), voices_.end(), [voice](const Owned& o) { return o.voice.get() == voice; });
  if (owned == voices_.end()) return;
  Command c;
  c.kind = CommandKind::SetData;
  c.voice = voice;
  c.data = data.get();
  const std::uint64_t sequence = Send(c);
  replaced_.push_back({std::move(owned->data), sequence});
  owned->data = std::move(data);
}

void Mixer::Retire(MixVoice* voice) {
  Command c;
  c.kind = CommandKind::Retire;
  c.voice = voice;
  Send(c);
  CollectRetired();
}

void Mixer::CollectRetired() {
  std::erase_if(voices_, [](const Owned& o) { return o.voice->retired.load(std::memory_order_acquire); });
  const std::uint64_t applied = applied_.load(std::memory_order_acquire);
  std::erase_if(replaced_, [applied](const Replaced& r) { return r.until <= applied; });
}

// ---- Audio thread ------------------------------------------------------

std::int64_t Mixer::FrameOf(std::uint64_t timeMicros) const {
  return std::llround(clock_.FrameAt(timeMicros)) + latency_.load(std::memory_order_relaxed);
}

void Mixer::Link(MixVoice* v) {
  if (v->linked) return;
  v->linked = true;
  v->prev = nullptr;
  v->next = sounding_;
  if (sounding_) sounding_->prev = v;
  sounding_ = v;
}

void Mixer::Unlink(MixVoice* v) {
  if (!v->linked) return;
  v->linked = false;
  if (v->prev) v->prev->next = v->next;
  if (v->next) v->next->prev = v->prev;
  if (sounding_ == v) sounding_ = v->next;
  v->prev = v->next = nullptr;
}

void Mixer::Apply(const Command& c) {
  MixVoice* v = c.voice;
  switch (c.kind) {
    case CommandKind::Play:
      v->generation = c.generation;
      v->loop = c.loop;
      v->position = static_cast<std::uint64_t>(c.frame) << 32;
      v->cursor.store((static_cast<std::uint64_t>(c.generation) << 32) | c.frame, std::memory_order_release);
      Link(v);
      break;
    case CommandKind::SetLoop: v->loop = c.loop; break;
    case CommandKind::Stop: Unlink(v); break;
    case CommandKind::SetPosition:
      v->position = static_cast<std::uint64_t>(c.frame) << 32;
      v->cursor.store((static_cast<std::uint64_t>(v->generation) << 32) | c.frame, std::memory_order_release);
      break;
    case CommandKind::SetParams:
      v->gainLeft = c.gainLeft;
      v->gainRight = c.gainRight;
      v->step = c.step;
      break;
    case CommandKind::SetData: v->data = c.data; break;
    case CommandKind::Retire:
      Unlink(v);
      v->retired.store(true, std::memory_order_release);
      break;
  }
  // After this the block a SetData replaced is never read again.
  applied_.store(c.sequence, std::memory_order_release);
}

void Mixer::MixRange(int from, int to) {
  if (to <= from) return;
  for (MixVoice* v = sounding_; v;) {
    MixVoice* next = v->next;
    const int done = RenderVoice(*v, accumulator_ + 2 * from, to - from);
    const std::uint64_t frame = std::min<std::uint64_t>(v->position >> 32, v->data->frames);
    if (done < to - from) {
      Unlink(v);
      v->cursor.store(static_cast<std::uint64_t>(v->generation) << 32, std::memory_order_release);
      v->endedGeneration.store(v->generation, std::memory_order_release);
    } else {
      v->cursor.store((static_cast<std::uint64_t>(v->generation) << 32) | frame, std::memory_order_release);
    }
    v = next;
  }
}

void Mixer::Render(std::int16_t* samples, int frames) {
  if (!queue_) return;
  if (const int period = pacedPeriod_.load(std::memory_order_relaxed); period > 0)
    clock_.Observe(win::clock::NowMicros(), frame_, period);
  while (frames > 0) {
    const int n = std::min(frames, kChunk);
    std::fill(accumulator_, accumulator_ + 2 * n, 0.0f);
    int done = 0;
    while (const Command* c = queue_->Peek()) {
      const std::int64_t at = FrameOf(c->timeMicros) - frame_;
      if (at >= n) break;
      if (at > done) {
        MixRange(done, static_cast<int>(at));
        done = static_cast<int>(at);
      }
      Apply(*c);
      queue_->Pop();
    }
    MixRange(done, n);
    for (int i = 0; i < 2 * n; ++i) {
      const float s = std::nearbyint(accumulator_[i]);
      samples[i] = static_cast<std::int16_t>(s > 32767.0f ? 32767.0f : s < -32768.0f ? -32768.0f : s);
    }
    samples += 2 * n;
    frames -= n;
    frame_ += n;
  }
}

}  // namespace dsound
