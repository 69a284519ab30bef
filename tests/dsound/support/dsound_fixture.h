// A device object of the DirectSound stand-in, loaded by name as the sound
// engine loads it, with the mixer rendered offline through the headless
// audio on the manual clock.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/dsound/dsound.h"
#include "platform/dsound/dsound_ext.h"
#include "platform/host/headless.h"
#include "platform/win/drums_ext.h"
#include "platform/win/winbase.h"

namespace dstest {

inline WAVEFORMATEX Pcm(DWORD rate, WORD bits, WORD channels) {
  WAVEFORMATEX f{};
  f.wFormatTag = WAVE_FORMAT_PCM;
  f.nChannels = channels;
  f.nSamplesPerSec = rate;
  f.wBitsPerSample = bits;
  f.nBlockAlign = static_cast<WORD>(channels * bits / 8);
  f.nAvgBytesPerSec = rate * f.nBlockAlign;
  return f;
}

// DirectSoundCreate of the library, found by name as the sound engine finds it.
inline LPDIRECTSOUNDCREATE DirectSoundCreateOf(HMODULE library) {
  return reinterpret_cast<LPDIRECTSOUNDCREATE>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "DirectSoundCreate")));
}

// Loads the library by name, as the sound engine does, and makes a device
// object through its DirectSoundCreate.
inline void LoadDevice(HMODULE& library, IDirectSound*& device) {
  library = LoadLibraryA("DSound.dll");
  ASSERT_NE(library, nullptr);
  LPDIRECTSOUNDCREATE create = DirectSoundCreateOf(library);
  ASSERT_NE(create, nullptr);
  ASSERT_EQ(create(nullptr, &device, nullptr), DS_OK);
}

class DeviceTest : public ::testing::Test {
 protected:
  static constexpr DWORD kFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;

  void SetUp() override {
    win::clock::UseManual(kStart);
    LoadDevice(library_, device_);
  }

  void TearDown() override {
    for (auto* b : buffers_) b->Release();
    if (device_) device_->Release();
    EXPECT_EQ(dsound::LiveDevices(), 0);
    EXPECT_EQ(dsound::LiveVoices(), 0u) << "voices the mixer let go of are freed";
    if (library_) FreeLibrary(library_);
    win::clock::UseReal();
  }

  // A secondary buffer of `frames` frames, every sample `value` (16-bit).
  IDirectSoundBuffer* Constant(std::int16_t value, DWORD frames, DWORD rate = 44100, WORD channels = 1) {
    WAVEFORMATEX f = Pcm(rate, 16, channels);
    std::vector<std::int16_t> samples(static_cast<size_t>(frames) * channels, value);
    return Filled(f, samples.data(), static_cast<DWORD>(samples.size() * 2));
  }

  IDirectSoundBuffer* Filled(WAVEFORMATEX format, const void* bytes, DWORD size, DWORD flags = kFlags) {
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = flags;
    desc.dwBufferBytes = size;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* b = nullptr;
    EXPECT_EQ(device_->CreateSoundBuffer(&desc, &b, nullptr), DS_OK);
    if (!b) return nullptr;
    void *p1 = nullptr, *p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    EXPECT_EQ(b->Lock(0, size, &p1, &n1, &p2, &n2, 0), DS_OK);
    std::memcpy(p1, bytes, n1);
    EXPECT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    buffers_.push_back(b);
    return b;
  }

  // Interleaved stereo output of the next `frames` frames. The clock stands
  // still meanwhile: Sync brings it to the output rendered so far.
  std::vector<std::int16_t> Render(int frames, int block = 1024) {
    rendered_ += frames;
    std::vector<std::int16_t> out;
    while (frames > 0) {
      const int n = frames < block ? frames : block;
      auto part = host::headless::RenderAudio(n);
      out.insert(out.end(), part.begin(), part.end());
      frames -= n;
    }
    return out;
  }

  static void Advance(std::uint64_t micros) { win::clock::Advance(micros); }
  // Moves the clock on to the time of the output rendered so far, as a
  // device playing in real time would have it, so that a call now sounds
  // one latency into the next rendering.
  void Sync() {
    const std::uint64_t due = kStart + static_cast<std::uint64_t>(rendered_) * 1000000 / 44100;
    const std::uint64_t now = win::clock::NowMicros();
    if (due > now) Advance(due - now);
  }
  static int Latency() { return dsound::LatencyFrames(); }

  static constexpr std::uint64_t kStart = 5'000'000;
  std::int64_t rendered_ = 0;
  HMODULE library_ = nullptr;
  IDirectSound* device_ = nullptr;
  std::vector<IDirectSoundBuffer*> buffers_;
};

}  // namespace dstest
