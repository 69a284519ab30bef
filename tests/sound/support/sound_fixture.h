// The sound engine on the headless host: an application with one form that
// owns the engine's components, the manual clock, and the mixer rendered
// offline through the headless audio.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "drummachine/startup/ProgramStartup.h"
#include "platform/dsound/dsound_ext.h"
#include "platform/host/headless.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "sound/DsSounds.h"

namespace soundtest {

// A 16-bit PCM wave whose every sample is `value`.
inline void FillConstant(TWave& wave, std::int16_t value, int frames, int rate = 44100, int channels = 1) {
  wave.SetFormatSize(sizeof(WAVEFORMATEX));
  MakePCMFormat(*static_cast<WAVEFORMATEX*>(wave.GetFormatMemory()), rate, 16, channels);
  wave.SetSize(frames * channels * 2);
  auto* s = static_cast<std::int16_t*>(wave.GetDataMemory());
  for (int i = 0; i < frames * channels; ++i) s[i] = value;
}

// A drum-like hit: a decaying sine (low `hz`) or, with hz 0, decaying noise.
inline void FillHit(TWave& wave, double hz, int frames, double amplitude, unsigned seed = 1) {
  wave.SetFormatSize(sizeof(WAVEFORMATEX));
  MakePCMFormat(*static_cast<WAVEFORMATEX*>(wave.GetFormatMemory()), 44100, 16, 1);
  wave.SetSize(frames * 2);
  auto* s = static_cast<std::int16_t*>(wave.GetDataMemory());
  unsigned state = seed;
  for (int i = 0; i < frames; ++i) {
    const double decay = std::exp(-6.0 * i / frames);
    double v;
    if (hz > 0) {
      v = std::sin(2 * M_PI * hz * i / 44100.0);
    } else {
      state = state * 1103515245u + 12345u;
      v = static_cast<double>((state >> 8) & 0xFFFF) / 32768.0 - 1.0;
    }
    s[i] = static_cast<std::int16_t>(std::lround(amplitude * 32767 * decay * v));
  }
}

class SoundTest : public ::testing::Test {
 protected:
  static constexpr std::uint64_t kStart = 2'000'000'000;

  void SetUp() override {
    win::clock::UseManual(kStart);
    StartProgram({{ppClassLibrary, ppSoundClasses}, {}});
    Application->Initialize();
    form = TCustomForm::CreateNew<TForm>(Application);
    temp = std::filesystem::temp_directory_path() / ("sound-test-" + std::to_string(::getpid()) + "-" +
                                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(temp);
  }

  void TearDown() override {
    StopProgram();
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
    EXPECT_EQ(dsound::LiveDevices(), 0);
    EXPECT_EQ(dsound::LiveVoices(), 0u);
    FreeLibraryCache();
    win::clock::UseReal();
    std::filesystem::remove_all(temp);
  }

  TDsSound* NewSound(TDsSoundOptions options = {}) {
    auto* sound = new TDsSound(form);
    sound->SetOptions(options);
    sound->Initialize();
    return sound;
  }

  TDsWaveList* NewList(TDsSound* sound) {
    auto* list = new TDsWaveList(form);
    list->SetDsSound(sound);
    return list;
  }

  TWaveCollectionItem* AddItem(TDsWaveList* list, const std::string& name, std::int16_t value, int frames) {
    auto* item = static_cast<TWaveCollectionItem*>(list->GetItems()->Add());
    item->SetName(name);
    FillConstant(*item->GetWave(), value, frames);
    item->Restore();
    return item;
  }

  std::vector<std::int16_t> Render(int frames, int block = 1024) {
    rendered += frames;
    std::vector<std::int16_t> out;
    while (frames > 0) {
      const int n = frames < block ? frames : block;
      auto part = host::headless::RenderAudio(n);
      out.insert(out.end(), part.begin(), part.end());
      frames -= n;
    }
    return out;
  }

  // Brings the clock to the time of the output rendered so far (the mixer's
  // time starts with the first device object of the test).
  void Sync() {
    const std::uint64_t due = kStart + static_cast<std::uint64_t>(rendered) * 1000000 / 44100;
    const std::uint64_t now = win::clock::NowMicros();
    if (due > now) win::clock::Advance(due - now);
  }

  static int Latency() { return dsound::LatencyFrames(); }

  TForm* form = nullptr;
  std::int64_t rendered = 0;
  std::filesystem::path temp;
};

}  // namespace soundtest
