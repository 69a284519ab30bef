// The DirectSound stand-in with a real audio thread: the headless host's
// clock-driven audio renders the mixer while this thread plays, locks,
// writes, duplicates and releases buffers. The sanitizer judges the sharing;
// every loop is bounded by counts, and each round waits only until the audio
// thread has rendered once more, so that the two threads truly overlap.
#include <cstdint>
#include <cstring>
#include <deque>
#include <thread>
#include <vector>

#include "dsound/support/dsound_fixture.h"

namespace {

#if defined(__SANITIZE_THREAD__)
constexpr int kRounds = 150;  // the thread sanitizer runs each access slowly
#else
constexpr int kRounds = 300;
#endif
constexpr int kLoops = 3;  // buffers that play all the time
constexpr size_t kShots = 6;  // one-shot buffers kept before the oldest goes
// Waits for the audio thread's next block (10 ms each): far more than it
// ever needs, so that only a stalled audio thread runs out of them.
constexpr int kMaxWaits = 20'000;

class MixerThreads : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_ = host::headless::CurrentAudioDriver();
    host::headless::UseAudioDriver(host::headless::AudioDriver::Clock);
    dstest::LoadDevice(library_, device_);
  }

  void TearDown() override {
    if (device_) device_->Release();
    EXPECT_EQ(dsound::LiveDevices(), 0);
    EXPECT_EQ(dsound::LiveVoices(), 0u);
    if (library_) FreeLibrary(library_);
    host::headless::UseAudioDriver(driver_);
  }

  IDirectSoundBuffer* Make(WAVEFORMATEX format, DWORD bytes) {
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* b = nullptr;
    EXPECT_EQ(device_->CreateSoundBuffer(&desc, &b, nullptr), DS_OK);
    return b;
  }

  // Writes `bytes` bytes of `value` from `offset` on, wrapping round the end.
  static void Write(IDirectSoundBuffer* b, DWORD offset, DWORD bytes, std::uint8_t value, DWORD flags = 0) {
    void *p1 = nullptr, *p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    ASSERT_EQ(b->Lock(offset, bytes, &p1, &n1, &p2, &n2, flags), DS_OK);
    std::memset(p1, value, n1);
    if (p2) std::memset(p2, value, n2);
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
  }

  // Waits until the audio thread has moved the buffer's play cursor.
  static bool AudioMovedOn(IDirectSoundBuffer* playing) {
    DWORD before = 0, now = 0;
    playing->GetCurrentPosition(&before, nullptr);
    for (int i = 0; i < kMaxWaits; ++i) {
      std::this_thread::sleep_for(std::chrono::microseconds(500));
      playing->GetCurrentPosition(&now, nullptr);
      if (now != before) return true;
    }
    return false;
  }

  host::headless::AudioDriver driver_ = host::headless::AudioDriver::Pulled;
  HMODULE library_ = nullptr;
  IDirectSound* device_ = nullptr;
};

TEST_F(MixerThreads, BuffersArePlayedWrittenAndReleasedWhileTheAudioThreadRenders) {
  const WAVEFORMATEX formats[kLoops] = {dstest::Pcm(44100, 16, 1), dstest::Pcm(44100, 8, 2), dstest::Pcm(44100, 16, 2)};
  const DWORD loopBytes = 16000;  // not a whole number of audio blocks: the cursor never rests
  std::vector<IDirectSoundBuffer*> loops;
  for (const WAVEFORMATEX& f : formats) {
    IDirectSoundBuffer* b = Make(f, loopBytes);
    ASSERT_NE(b, nullptr);
    Write(b, 0, loopBytes, 0x40);
    ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    loops.push_back(b);
  }
  // The commands take effect one latency after their call: wait until the
  // mixer plays the loops.
  ASSERT_TRUE(AudioMovedOn(loops[0])) << "the audio thread renders nothing";

  std::deque<IDirectSoundBuffer*> shots;
  IDirectSoundBuffer* duplicate = nullptr;
  for (int round = 0; round < kRounds; ++round) {
    const auto value = static_cast<std::uint8_t>(round);
    // Each loop is written where the mixer may be reading it now, in parts
    // that wrap round the end, and from the write cursor.
    for (size_t i = 0; i < loops.size(); ++i) {
      const DWORD offset = static_cast<DWORD>((round * 997 + i * 331) % loopBytes) & ~DWORD{3};
      Write(loops[i], offset, loopBytes / 2, value);
    }
    Write(loops[0], 0, 400, value, DSBLOCK_FROMWRITECURSOR);
    loops[1]->SetFrequency(22050 + static_cast<DWORD>(round % 7) * 5000);
    loops[2]->SetPan((round % 21 - 10) * 1000);
    loops[2]->SetVolume(-(round % 10) * 100);

    // A one-shot made, filled and started; the oldest goes, sounding or not.
    IDirectSoundBuffer* shot = Make(dstest::Pcm(44100, 16, 1), 2000 + static_cast<DWORD>(round % 5) * 1000);
    ASSERT_NE(shot, nullptr);
    Write(shot, 0, 0, value, DSBLOCK_ENTIREBUFFER);
    shot->Play(0, 0, 0);
    shots.push_back(shot);
    if (shots.size() > kShots) {
      shots.front()->Release();
      shots.pop_front();
    }

    // A duplicate of a loop comes and goes, and writes the shared sound.
    if (round % 8 == 0) {
      if (duplicate) duplicate->Release();
      ASSERT_EQ(device_->DuplicateSoundBuffer(loops[round / 8 % kLoops], &duplicate), DS_OK);
      duplicate->Play(0, 0, DSBPLAY_LOOPING);
      Write(duplicate, 0, 1000, value);
    }
    if (round % 16 == 4) {
      loops[2]->Stop();
      loops[2]->Play(0, 0, DSBPLAY_LOOPING);
    }
    DWORD status = 0;
    loops[0]->GetStatus(&status);
    ASSERT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
    ASSERT_TRUE(AudioMovedOn(loops[0])) << "round " << round;
  }

  if (duplicate) duplicate->Release();
  for (IDirectSoundBuffer* b : shots) b->Release();
  // Released while they play: the device goes with the last of them.
  for (IDirectSoundBuffer* b : loops) b->Release();
  device_->Release();
  device_ = nullptr;
}

}  // namespace
