// The window's playing heard at the mixer's output: the audio pulled as the
// clock goes, block by block, and the onsets of the hits found in it.
#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <vector>

#include "platform/dsound/dsound_ext.h"
#include "play_fixture.h"

namespace windowplay {
namespace {

// The program's clock when the window opened the audio (where the test
// application starts it; the window's first sound device opens the audio):
// the mixer's frame 0.
constexpr std::uint64_t kAudioOpened = 1'000'000'000;

class HeardWindow : public PlayingWindow {
 protected:
  // Pulls the output the audio device would have taken by now.
  void CatchUp() {
    const std::int64_t due = static_cast<std::int64_t>(win::clock::NowMicros() - kAudioOpened) * 44100 / 1000000;
    while (rendered < due) {
      const int frames = static_cast<int>(std::min<std::int64_t>(512, due - rendered));
      std::vector<std::int16_t> block = host::headless::RenderAudio(frames);
      ASSERT_EQ(block.size(), static_cast<std::size_t>(frames) * 2);
      out.insert(out.end(), block.begin(), block.end());
      rendered += frames;
    }
  }

  // The frames where the left channel starts to sound after at least
  // `quiet` frames of silence.
  std::vector<std::int64_t> Onsets(std::int64_t quiet) const {
    std::vector<std::int64_t> onsets;
    std::int64_t silent = quiet;
    for (std::size_t i = 0; i < out.size(); i += 2) {
      if (out[i] == 0) {
        ++silent;
        continue;
      }
      if (silent >= quiet) onsets.push_back(static_cast<std::int64_t>(i / 2));
      silent = 0;
    }
    return onsets;
  }

  std::int64_t rendered = 0;
  std::vector<std::int16_t> out;
};

// A click of 200 frames in place of a track's wave: the kit's waves ring
// for up to 1.6 s, over the next hits, where a click is over long before the
// next step.
void MakeClick(TWaveCollectionItem& item) {
  TWave& wave = *item.GetWave();
  wave.SetFormatSize(sizeof(WAVEFORMATEX));
  MakePCMFormat(*static_cast<WAVEFORMATEX*>(wave.GetFormatMemory()), 44100, 16, 1);
  wave.SetSize(200 * 2);
  std::fill_n(static_cast<std::int16_t*>(wave.GetDataMemory()), 200, std::int16_t{12000});
  item.Restore();
}

TEST_F(HeardWindow, EveryStepSoundsAtItsTickPlusTheLatency6615FramesApart) {
  ASSERT_EQ(win::clock::NowMicros(), kAudioOpened) << "the clock has not moved since the audio opened";
  for (int t : {1, 2, 4}) MakeClick(*Wave(t, 0));
  ClickPattern();
  ClickPlay();
  std::vector<std::int64_t> expected;
  for (int k = 1; k <= 17; ++k) {
    Tick();
    // The frame of the tick's clock time, and the mixer's latency on top.
    expected.push_back(static_cast<std::int64_t>(win::clock::NowMicros() - kAudioOpened) * 44100 / 1000000 +
                       dsound::LatencyFrames());
    CatchUp();
  }
  Advance(200);
  CatchUp();
  const std::vector<std::int64_t> onsets = Onsets(1000);
  EXPECT_EQ(onsets, expected);
  for (std::size_t i = 1; i < onsets.size(); ++i) EXPECT_EQ(onsets[i] - onsets[i - 1], 6615) << "onset " << i;
}

TEST_F(HeardWindow, TheKitsOwnWavesSoundFromTheFirstTickOn) {
  ASSERT_EQ(win::clock::NowMicros(), kAudioOpened);
  ClickPattern();
  ClickPlay();
  Tick();
  const std::int64_t first =
      static_cast<std::int64_t>(win::clock::NowMicros() - kAudioOpened) * 44100 / 1000000 + dsound::LatencyFrames();
  CatchUp();
  for (int k = 2; k <= 17; ++k) {
    Tick();
    CatchUp();
  }
  // Silence until the first kick, which starts with a sample that is not 0;
  // from then on the kit rings on through every step.
  const std::vector<std::int64_t> onsets = Onsets(1000);
  ASSERT_FALSE(onsets.empty());
  EXPECT_EQ(onsets.front(), first);
  EXPECT_EQ(onsets.size(), 1u) << "the waves overlap: no step falls silent";
  for (std::int64_t step = 0; step < 16; ++step) {
    int peak = 0;
    for (std::int64_t f = first + step * 6615; f < first + (step + 1) * 6615; ++f)
      peak = std::max(peak, std::abs(static_cast<int>(out[static_cast<std::size_t>(f * 2)])));
    EXPECT_GT(peak, 1000) << "step " << step + 1;
  }
}

}  // namespace
}  // namespace windowplay
