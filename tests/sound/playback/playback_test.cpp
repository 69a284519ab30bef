// The whole road of a step: the step clock ticks, an item plays on a voice,
// the mixer renders it; timing read from the output, and a kit-like pattern
// captured to a WAV file that sox reads on its own.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "sound/support/sound_fixture.h"

namespace {

using soundtest::SoundTest;

class Playback : public SoundTest {
 protected:
  // Runs the program's time from now for `ms` milliseconds: an idle pass at
  // every millisecond (as the message loop makes them) and the audio device
  // pulling blocks of `block` frames as the time for them comes.
  std::vector<std::int16_t> Run(int ms, int block) {
    std::vector<std::int16_t> out;
    for (int i = 0; i < ms; ++i) {
      win::clock::Advance(1000);
      if (Application->OnIdle) {
        bool done = true;
        Application->OnIdle(Application, done);
      }
      const std::int64_t due = (static_cast<std::int64_t>(win::clock::NowMicros() - kStart)) * 44100 / 1000000;
      while (rendered + block <= due) {
        auto part = Render(block);
        out.insert(out.end(), part.begin(), part.end());
      }
    }
    return out;
  }

  TDsTimer* StepClock(int interval) {
    auto* timer = new TDsTimer(form);
    timer->SetActiveOnly(false);
    timer->SetInterval(interval);
    timer->SetEnabled(false);
    timer->SetEnabled(true);
    return timer;
  }
};

std::vector<int> Onsets(const std::vector<std::int16_t>& out) {
  std::vector<int> onsets;
  bool quiet = true;
  for (size_t i = 0; i < out.size(); i += 2) {
    if (quiet && out[i] != 0) onsets.push_back(static_cast<int>(i / 2));
    quiet = out[i] == 0;
  }
  return onsets;
}

TEST_F(Playback, StepsOf150MsSound6615FramesApartWhateverTheBlockSize) {
  TDsSound* sound = NewSound();
  TDsWaveList* list = NewList(sound);
  TWaveCollectionItem* hit = AddItem(list, "Hit", 8000, 500);
  TDsTimer* timer = StepClock(150);
  std::vector<std::uint32_t> tickTimes;
  timer->OnTimer = [&](TObject*, int) {
    tickTimes.push_back(timeGetTime());
    hit->Play();
  };
  std::vector<int> all;
  for (int block : {441, 512, 1024, 77}) {
    tickTimes.clear();
    auto onsets = Onsets(Run(1500, block));
    ASSERT_GE(onsets.size(), 8u) << block;
    for (size_t i = 1; i < onsets.size(); ++i) EXPECT_EQ(onsets[i] - onsets[i - 1], 6615) << "block " << block;
    for (size_t i = 1; i < tickTimes.size(); ++i) EXPECT_EQ(tickTimes[i] - tickTimes[i - 1], 150u);
  }
}

std::string RunCommand(const std::string& command) {
  std::array<char, 512> buffer{};
  std::string text;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return text;
  while (fgets(buffer.data(), buffer.size(), pipe.get())) text += buffer.data();
  return text;
}

// The value sox's "stat" gives for a line starting with `name`.
double SoxStat(const std::string& text, const std::string& name) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind(name, 0) == 0) return std::stod(line.substr(line.find(':') + 1));
  ADD_FAILURE() << name << " missing from:\n" << text;
  return -1;
}

TEST_F(Playback, AKitPatternIsHeardInTheCapturedSound) {
  const std::string capture = (temp / "kit.wav").string();
  setenv("DRUMS_AUDIO_CAPTURE", capture.c_str(), 1);
  // Twelve tracks as the drum machine has them; three play.
  std::vector<TDsWaveList*> tracks;
  for (int t = 1; t <= 12; ++t) {
    TDsSoundOptions options;
    if (t <= 8) options = TDsSoundOptions{soGlobalFocus, soStickyFocus, soExclusive};
    tracks.push_back(NewList(NewSound(options)));
  }
  unsetenv("DRUMS_AUDIO_CAPTURE");
  auto add = [&](int track, double hz, int frames, double amplitude) {
    auto* item = static_cast<TWaveCollectionItem*>(tracks[static_cast<size_t>(track)]->GetItems()->Add());
    soundtest::FillHit(*item->GetWave(), hz, frames, amplitude, static_cast<unsigned>(track + 7));
    item->Restore();
    return item;
  };
  TWaveCollectionItem* kick = add(0, 55, 13000, 0.8);
  TWaveCollectionItem* snare = add(1, 0, 8000, 0.5);
  TWaveCollectionItem* hat = add(2, 0, 2000, 0.25);
  hat->SetMaxPlayingCount(2);
  snare->SetPan(-2000);
  hat->SetPan(3000);
  int step = 0;
  TDsTimer* timer = StepClock(150);
  timer->OnTimer = [&](TObject*, int) {
    if (step % 4 == 0) kick->Play();
    if (step % 8 == 4) snare->Play();
    hat->SetVolume(step % 2 ? -900 : 0);
    hat->Play();
    ++step;
  };
  Run(2600, 512);  // 16 steps and the tail
  timer->SetEnabled(false);
  // The devices go: the audio closes and the capture file is complete.
  for (auto* list : tracks) delete list->GetDsSound();
  ASSERT_EQ(dsound::LiveDevices(), 0);

  const std::string whole = RunCommand("sox '" + capture + "' -n stat 2>&1");
  EXPECT_NEAR(SoxStat(whole, "Length (seconds)"), rendered / 44100.0, 0.001);
  EXPECT_GT(SoxStat(whole, "Maximum amplitude"), 0.5);
  EXPECT_GT(SoxStat(whole, "RMS     amplitude"), 0.05);
  // Silence until the first tick (150 ms) and the latency have passed.
  const double firstKick = 0.15 + Latency() / 44100.0;
  auto stat = [&](double from, double length, const char* effects) {
    return RunCommand("sox '" + capture + "' -n trim " + std::to_string(from) + " " + std::to_string(length) + " " +
                      effects + "stat 2>&1");
  };
  const std::string before = stat(0, firstKick - 0.005, "");
  EXPECT_EQ(SoxStat(before, "Maximum amplitude"), 0.0);
  const std::string first = stat(firstKick, 0.1, "");
  EXPECT_GT(SoxStat(first, "Maximum amplitude"), 0.5) << "the first kick";
  // The kick is low: sox finds a rough frequency far below the hi-hat's.
  const std::string kickOnly = stat(firstKick + 0.06, 0.1, "remix 1 ");
  EXPECT_LT(SoxStat(kickOnly, "Rough   frequency"), 1000);
}

}  // namespace
