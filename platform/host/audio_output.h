// What both back ends share about the audio device: the program's callback,
// the capture file, and the clock-driven stand-in for a missing device.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "platform/host/host.h"
#include "platform/host/wav_capture.h"

namespace host {

// The callback plus the DRUMS_AUDIO_CAPTURE copy of its output.
class AudioOutput {
 public:
  // Takes the callback; opens the capture file named by the environment.
  void Start(const AudioFormat& format, AudioCallback callback);
  // After the device stopped calling Render: drops the callback and fixes
  // the capture file's header.
  void Stop();
  // Closes the capture file for good (host shutdown).
  void End();
  bool Started() const { return started_; }
  const AudioFormat& Format() const { return format_; }
  // Audio thread: fills `frames` frames (silence when nothing is started).
  void Render(std::int16_t* samples, int frames);

 private:
  AudioFormat format_;
  AudioCallback callback_;
  WavCapture capture_;
  bool started_ = false;
};

// Calls AudioOutput::Render at the real rate on a thread of its own and plays
// nothing: the device for machines without sound.
class ClockAudio {
 public:
  // Blocks of 10 ms, as a sound card would ask for them.
  static int PeriodFrames(int rate);
  static AudioTiming Timing(int rate) { return {PeriodFrames(rate), true}; }

  ~ClockAudio() { Stop(); }
  void Start(AudioOutput& output);
  void Stop();

 private:
  void Run(AudioOutput* output);
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable stopSignal_;
  bool stop_ = false;
};

// Says once per process on standard error that sound goes nowhere.
void ReportNoAudioDevice(const char* why);

}  // namespace host
