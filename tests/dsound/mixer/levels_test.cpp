// What the mixer makes of volume, pan, frequency and many voices, read from
// its rendered output.
#include <cmath>

#include "dsound/support/dsound_fixture.h"

namespace {

using dstest::DeviceTest;

using Levels = DeviceTest;

TEST_F(Levels, VolumeAndPanScaleTheChannels) {
  struct Case {
    LONG volume, pan;
    int left, right;
  } cases[] = {
      {0, 0, 16384, 16384},   {-600, 0, 8211, 8211}, {0, 10000, 0, 16384},     {0, -10000, 16384, 0},
      {0, 2000, 1638, 16384}, {-10000, 0, 0, 0},     {-600, -600, 8211, 4115},
  };
  for (const Case& c : cases) {
    IDirectSoundBuffer* b = Constant(16384, 4410);
    Sync();
    ASSERT_EQ(b->SetVolume(c.volume), DS_OK);
    ASSERT_EQ(b->SetPan(c.pan), DS_OK);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    auto out = Render(Latency() + 2000);
    const size_t at = 2 * (Latency() + 1000);
    EXPECT_EQ(out[at], c.left) << c.volume << " " << c.pan;
    EXPECT_EQ(out[at + 1], c.right) << c.volume << " " << c.pan;
    b->Stop();
  }
}

TEST_F(Levels, TheSoundStartsAfterTheLatencyAndStereoKeepsItsChannels) {
  const std::int16_t frames[] = {1000, -2000, 1000, -2000, 1000, -2000, 1000, -2000};
  IDirectSoundBuffer* b = Filled(dstest::Pcm(44100, 16, 2), frames, sizeof frames);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  auto out = Render(Latency() + 10);
  EXPECT_EQ(out[2 * (Latency() - 1)], 0);
  EXPECT_EQ(out[2 * Latency()], 1000);
  EXPECT_EQ(out[2 * Latency() + 1], -2000);
  EXPECT_EQ(out[2 * (Latency() + 4)], 0);  // four frames, then silence
}

TEST_F(Levels, EightBitSoundIsUnsignedAroundTheMiddle) {
  const std::uint8_t bytes[] = {0xC0, 0x40, 0x80, 0xC0};
  IDirectSoundBuffer* b = Filled(dstest::Pcm(44100, 8, 1), bytes, sizeof bytes);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  auto out = Render(Latency() + 4);
  EXPECT_EQ(out[2 * Latency()], 16384);
  EXPECT_EQ(out[2 * Latency() + 2], -16384);
  EXPECT_EQ(out[2 * Latency() + 4], 0);
}

TEST_F(Levels, VoicesAddUpAndSaturateWithoutALimiter) {
  IDirectSoundBuffer* a = Constant(30000, 1000);
  IDirectSoundBuffer* b = Constant(30000, 1000);
  IDirectSoundBuffer* c = Constant(-30000, 500, 44100);
  IDirectSoundBuffer* d = Constant(-30000, 500, 44100);
  IDirectSoundBuffer* e = Constant(-20000, 500, 44100);
  for (auto* x : {a, b}) ASSERT_EQ(x->Play(0, 0, 0), DS_OK);
  auto out = Render(Latency() + 1600);
  EXPECT_EQ(out[2 * (Latency() + 10)], 32767);
  Sync();
  for (auto* x : {c, d, e}) ASSERT_EQ(x->Play(0, 0, 0), DS_OK);
  out = Render(Latency() + 100);
  EXPECT_EQ(out.back(), -32768);
  // Two small voices simply add.
  IDirectSoundBuffer* f = Constant(1000, 100);
  IDirectSoundBuffer* g = Constant(234, 100);
  Render(1000);
  Sync();
  f->Play(0, 0, 0);
  g->Play(0, 0, 0);
  out = Render(Latency() + 50);
  EXPECT_EQ(out.back(), 1234);
}

TEST_F(Levels, HalfTheFrequencyPlaysTwiceAsLong) {
  IDirectSoundBuffer* b = Constant(16384, 4410);
  ASSERT_EQ(b->SetFrequency(22050), DS_OK);
  DWORD frequency = 0;
  b->GetFrequency(&frequency);
  EXPECT_EQ(frequency, 22050u);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  auto out = Render(Latency() + 10000);
  int sounding = 0;
  for (size_t i = 0; i < out.size(); i += 2) sounding += out[i] != 0;
  EXPECT_NEAR(sounding, 8820, 2);
  EXPECT_EQ(out[2 * (Latency() + 4000)], 16384);  // a constant stays exact between frames
  // The buffer's own rate counts too: 22,050 Hz sound at 0 ("original") is as long.
  IDirectSoundBuffer* slow = Constant(16384, 2205, 22050);
  Sync();
  ASSERT_EQ(slow->Play(0, 0, 0), DS_OK);
  out = Render(Latency() + 6000);
  sounding = 0;
  for (size_t i = 0; i < out.size(); i += 2) sounding += out[i] != 0;
  EXPECT_NEAR(sounding, 4410, 2);
}

TEST_F(Levels, ResamplingKeepsASineClean) {
  // 441 Hz at 22,050 Hz, played at its own rate: the output is the same sine
  // at 44,100 Hz, interpolated between the stored frames.
  std::vector<std::int16_t> sine(22050);
  for (size_t i = 0; i < sine.size(); ++i)
    sine[i] = static_cast<std::int16_t>(std::lround(10000 * std::sin(2 * M_PI * 441 * i / 22050.0)));
  IDirectSoundBuffer* b = Filled(dstest::Pcm(22050, 16, 1), sine.data(), static_cast<DWORD>(sine.size() * 2));
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  auto out = Render(Latency() + 20000);
  double worst = 0;
  for (int n = 100; n < 19000; ++n) {
    const double ideal = 10000 * std::sin(2 * M_PI * 441 * n / 44100.0);
    worst = std::max(worst, std::abs(out[2 * (Latency() + n)] - ideal));
  }
  EXPECT_LT(worst, 20.0) << "error against the ideal sine, of an amplitude of 10000";
}

TEST_F(Levels, ValuesOutOfRangeAreRefusedAndChangeNothing) {
  IDirectSoundBuffer* b = Constant(16384, 100);
  ASSERT_EQ(b->SetVolume(-1200), DS_OK);
  ASSERT_EQ(b->SetPan(300), DS_OK);
  ASSERT_EQ(b->SetFrequency(30000), DS_OK);
  for (LONG v : {1, -10001}) EXPECT_EQ(b->SetVolume(v), DSERR_INVALIDPARAM) << v;
  for (LONG p : {10001, -10001}) EXPECT_EQ(b->SetPan(p), DSERR_INVALIDPARAM) << p;
  for (DWORD f : {99u, 100001u}) EXPECT_EQ(b->SetFrequency(f), DSERR_INVALIDPARAM) << f;
  LONG volume = 0, pan = 0;
  DWORD frequency = 0;
  b->GetVolume(&volume);
  b->GetPan(&pan);
  b->GetFrequency(&frequency);
  EXPECT_EQ(volume, -1200);
  EXPECT_EQ(pan, 300);
  EXPECT_EQ(frequency, 30000u);
  // The ends of the ranges are allowed.
  EXPECT_EQ(b->SetVolume(-10000), DS_OK);
  EXPECT_EQ(b->SetPan(-10000), DS_OK);
  EXPECT_EQ(b->SetFrequency(100), DS_OK);
  EXPECT_EQ(b->SetFrequency(100000), DS_OK);
  EXPECT_EQ(b->SetFrequency(0), DS_OK);
  b->GetFrequency(&frequency);
  EXPECT_EQ(frequency, 44100u) << "0 is the buffer's own rate";
}

}  // namespace
