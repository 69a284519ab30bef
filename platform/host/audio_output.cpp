#include "platform/host/audio_output.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace host {

void AudioOutput::Start(const AudioFormat& format, AudioCallback callback) {
  format_ = format;
  callback_ = std::move(callback);
  started_ = true;
  if (const char* path = std::getenv("DRUMS_AUDIO_CAPTURE"); path && *path && !capture_.IsOpen()) {
    if (!capture_.Open(path, format.rate, format.channels))
      std::fprintf(stderr, "drums: cannot write the audio capture file %s\n", path);
  }
}

void AudioOutput::Stop() {
  callback_ = nullptr;
  started_ = false;
  capture_.Finish();
}

void AudioOutput::End() {
  Stop();
  capture_.Close();
}

void AudioOutput::Render(std::int16_t* samples, int frames) {
  std::fill(samples, samples + static_cast<size_t>(frames) * format_.channels, std::int16_t{0});
  if (callback_) callback_(samples, frames);
  capture_.Write(samples, frames);
}

int ClockAudio::PeriodFrames(int rate) {
  return std::max(1, rate / 100);
}

void ClockAudio::Start(AudioOutput& output) {
  Stop();
  stop_ = false;
  thread_ = std::thread(&ClockAudio::Run, this, &output);
}

void ClockAudio::Stop() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  stopSignal_.notify_all();
  thread_.join();
}

void ClockAudio::Run(AudioOutput* output) {
  // The count of frames rendered follows the clock exactly, so no drift
  // builds up.
  const int rate = output->Format().rate;
  const int block = PeriodFrames(rate);
  std::vector<std::int16_t> buffer(static_cast<size_t>(block) * output->Format().channels);
  const std::uint64_t start = MonotonicMicros();
  std::uint64_t rendered = 0;
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    const std::uint64_t due = (MonotonicMicros() - start) * rate / 1000000;
    while (rendered + block <= due && !stop_) {
      lock.unlock();
      output->Render(buffer.data(), block);
      lock.lock();
      rendered += block;
    }
    // Sleep until the next block is due rather than polling.
    const std::uint64_t next = start + (rendered + block) * 1000000 / rate;
    const std::uint64_t now = MonotonicMicros();
    stopSignal_.wait_for(lock, std::chrono::microseconds(next > now ? next - now : 0));
  }
}

void ReportNoAudioDevice(const char* why) {
  static std::once_flag once;
  std::call_once(once, [why] {
    std::fprintf(stderr, "drums: no audio device (%s): sound is timed by the clock and not played\n", why);
  });
}

}  // namespace host
