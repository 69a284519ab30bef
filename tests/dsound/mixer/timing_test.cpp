// Sounds start at the output frame of their call plus the latency, so hits
// are exactly as far apart as the calls were, whatever the audio block size.
#include "dsound/support/dsound_fixture.h"

namespace {

using dstest::DeviceTest;
using Timing = DeviceTest;

std::vector<int> Onsets(const std::vector<std::int16_t>& out) {
  std::vector<int> onsets;
  bool quiet = true;
  for (size_t i = 0; i < out.size(); i += 2) {
    if (quiet && out[i] != 0) onsets.push_back(static_cast<int>(i / 2));
    quiet = out[i] == 0;
  }
  return onsets;
}

TEST_F(Timing, HitsCalled150MsApartStart6615FramesApartWhateverTheBlockSize) {
  IDirectSoundBuffer* hit = Constant(12000, 300);
  for (int block : {1, 64, 441, 512, 1000, 4096}) {
    Sync();
    for (int i = 0; i < 4; ++i) {
      hit->Stop();
      hit->SetCurrentPosition(0);
      ASSERT_EQ(hit->Play(0, 0, 0), DS_OK);
      if (i < 3) Advance(150'000);
    }
    auto onsets = Onsets(Render(4 * 6615 + Latency(), block));
    ASSERT_EQ(onsets.size(), 4u) << "block " << block;
    EXPECT_EQ(onsets[0], Latency()) << "block " << block;
    for (size_t i = 1; i < onsets.size(); ++i) EXPECT_EQ(onsets[i] - onsets[i - 1], 6615) << "block " << block;
  }
}

TEST_F(Timing, TheClockAndTheRenderingMayInterleave) {
  // As a device would run: blocks of 10 ms rendered while the clock moves.
  IDirectSoundBuffer* hit = Constant(12000, 300);
  std::vector<std::int16_t> out;
  for (int ms = 0; ms < 1000; ms += 10) {
    if (ms % 150 == 0) {
      hit->Stop();
      hit->SetCurrentPosition(0);
      hit->Play(0, 0, 0);
    }
    auto part = Render(441);
    out.insert(out.end(), part.begin(), part.end());
    Advance(10'000);
  }
  auto onsets = Onsets(out);
  ASSERT_GE(onsets.size(), 6u);
  EXPECT_EQ(onsets[0], Latency());
  for (size_t i = 1; i < onsets.size(); ++i) EXPECT_EQ(onsets[i] - onsets[i - 1], 6615);
}

TEST_F(Timing, APlayThatRanToItsEndIsNoLongerPlaying) {
  IDirectSoundBuffer* b = Constant(16384, 4410);  // 100 ms
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  DWORD status = 0;
  b->GetStatus(&status);
  EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING));
  Render(Latency() + 4400);
  b->GetStatus(&status);
  EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING));
  DWORD play = 0, write = 0;
  b->GetCurrentPosition(&play, &write);
  EXPECT_EQ(play, 4400u * 2);
  Render(20);
  b->GetStatus(&status);
  EXPECT_EQ(status, 0u);
  b->GetCurrentPosition(&play, &write);
  EXPECT_EQ(play, 0u);
}

TEST_F(Timing, StopKeepsThePositionAndLoopingGoesRound) {
  IDirectSoundBuffer* b = Constant(100, 1000);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  Render(Latency() + 300);
  ASSERT_EQ(b->Stop(), DS_OK);
  DWORD play = 0;
  b->GetCurrentPosition(&play, nullptr);
  EXPECT_EQ(play, 600u);
  Render(3000);  // the stop took effect after the latency; nothing sounds now
  auto quiet = Render(100);
  EXPECT_EQ(quiet[0], 0);
  Sync();
  ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  DWORD status = 0;
  b->GetStatus(&status);
  EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
  auto out = Render(Latency() + 5000);
  EXPECT_EQ(out.back(), 100) << "a looping sound goes on past its end";
  b->GetStatus(&status);
  EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
}

}  // namespace
