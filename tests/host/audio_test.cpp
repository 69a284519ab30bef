#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <thread>

#include "support.h"

namespace {

using hosttest::Headless;
using hosttest::ScratchFolder;

// A callback that counts on from sample to sample, so every block differs.
struct Ramp {
  int next = 0;
  int calls = 0;
  void operator()(std::int16_t* samples, int frames) {
    ++calls;
    for (int i = 0; i < frames * 2; ++i) samples[i] = static_cast<std::int16_t>(next++);
  }
};

std::uint32_t Le32(const std::string& b, size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8) |
         (static_cast<unsigned char>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
}
unsigned Le16(const std::string& b, size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}
std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(Headless, PulledAudioRunsTheCallbackOnDemand) {
  host::Backend& b = Start();
  EXPECT_EQ(host::headless::CurrentAudioDriver(), host::headless::AudioDriver::Pulled);  // in a test program
  EXPECT_TRUE(host::headless::RenderAudio(10).empty());  // no device open

  Ramp ramp;
  EXPECT_FALSE(b.OpenAudio({}, std::ref(ramp)));  // nothing is heard headless
  EXPECT_TRUE(host::headless::AudioOpen());
  EXPECT_EQ(ramp.calls, 0);  // nothing runs until pulled
  const auto first = host::headless::RenderAudio(3);
  ASSERT_EQ(first.size(), 6u);
  EXPECT_EQ(first[5], 5);
  EXPECT_EQ(host::headless::RenderAudio(1)[0], 6);
  EXPECT_EQ(ramp.calls, 2);

  b.CloseAudio();
  EXPECT_FALSE(host::headless::AudioOpen());
  EXPECT_TRUE(host::headless::RenderAudio(10).empty());
  EXPECT_EQ(ramp.calls, 2);
}

TEST_F(Headless, ClockDriverCallsBackOnItsOwnThread) {
  host::Backend& b = Start();
  host::headless::UseAudioDriver(host::headless::AudioDriver::Clock);
  std::mutex mutex;
  std::condition_variable called;
  std::thread::id callbackThread;
  int frames = 0;
  b.OpenAudio({}, [&](std::int16_t*, int n) {
    std::lock_guard<std::mutex> lock(mutex);
    callbackThread = std::this_thread::get_id();
    frames = n;
    called.notify_all();
  });
  EXPECT_TRUE(host::headless::RenderAudio(10).empty());  // the clock drives it, not the test
  {
    std::unique_lock<std::mutex> lock(mutex);
    // Waits for the first block; the limit only keeps a broken driver from hanging the run.
    ASSERT_TRUE(called.wait_for(lock, std::chrono::seconds(20), [&] { return frames > 0; }));
    EXPECT_NE(callbackThread, std::this_thread::get_id());
    EXPECT_EQ(frames, 441);  // 10 ms blocks
  }
  b.CloseAudio();  // joins the thread: no callback after this
  std::lock_guard<std::mutex> lock(mutex);
  frames = 0;
}

TEST_F(Headless, EachDriverReportsItsPeriodAndWhetherItPacesTheCallbacks) {
  host::Backend& b = Start();
  auto period = [&] { return b.GetAudioTiming().periodFrames; };
  auto paced = [&] { return b.GetAudioTiming().paced; };
  EXPECT_EQ(period(), 0) << "no device open";
  host::AudioFormat format;
  format.periodFrames = 300;
  b.OpenAudio(format, [](std::int16_t*, int) {});
  EXPECT_EQ(period(), 300) << "pulled audio grants what was asked";
  EXPECT_FALSE(paced()) << "rendered on demand";
  host::headless::SetPulledAudioTiming({512, true});
  EXPECT_EQ(period(), 512);
  EXPECT_TRUE(paced());
  host::headless::UseAudioDriver(host::headless::AudioDriver::Clock);
  EXPECT_EQ(period(), 441) << "10 ms blocks";
  EXPECT_TRUE(paced());
  b.CloseAudio();
  EXPECT_EQ(period(), 0);
  EXPECT_FALSE(paced());
}

// The card's callbacks against its playback: never before the period's room
// in the buffer is free, never after the card needs the period, late by up to
// a period and now and then in bunches.
TEST_F(Headless, AJitteryCardCallsBackLateAndInBunchesButNeverRunsDry) {
  struct Case {
    int period, buffers;
    double ppm, burstChance;
  } cases[] = {{256, 2, 0, 0}, {256, 4, 150, 0.2}, {512, 3, -200, 0.05}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.period << " x " << c.buffers);
    host::Backend& b = Start();
    auto card = std::make_unique<host::headless::JitteryDevice>(
        host::headless::JitteryDevice::Options{c.period, c.buffers, c.ppm, c.burstChance, 5});
    Ramp ramp;
    b.OpenAudio({}, std::ref(ramp));
    EXPECT_EQ(b.GetAudioTiming().periodFrames, c.period);
    EXPECT_TRUE(b.GetAudioTiming().paced);
    const double periodMicros = c.period / (44100 * (1 + c.ppm * 1e-6)) * 1e6;
    EXPECT_NEAR(card->PlayMicros(44100) - card->PlayMicros(0), 1e6 / (1 + c.ppm * 1e-6), 0.01);
    std::uint64_t last = 0;
    int bunched = 0, late = 0;
    for (int k = 0; k < 2000; ++k) {
      const std::uint64_t at = card->NextCallbackMicros();
      const double room = std::max(0.0, card->PlayMicros(static_cast<std::int64_t>(k + 1 - c.buffers) * c.period));
      ASSERT_GE(at, last);
      ASSERT_GE(static_cast<double>(at), room - 1);
      ASSERT_LE(static_cast<double>(at), card->PlayMicros(static_cast<std::int64_t>(k) * c.period) + 1) << "ran dry";
      if (k > c.buffers && at == last) ++bunched;
      if (at > room + periodMicros / 2) ++late;
      ASSERT_EQ(card->Deliver().size(), static_cast<size_t>(2 * c.period));
      last = at;
    }
    EXPECT_EQ(card->Delivered(), 2000 * c.period);
    EXPECT_EQ(ramp.calls, 2000);
    EXPECT_GT(late, 500);
    if (c.burstChance > 0 && c.buffers > 2) {
      EXPECT_GT(bunched, 2000 * c.burstChance / 2);
    }
    card.reset();
    EXPECT_FALSE(b.GetAudioTiming().paced) << "back to audio rendered on demand";
    host::Shutdown();
  }
}

TEST_F(Headless, AStalledCardPlaysTheFramesAfterTheStallThatMuchLater) {
  host::Backend& b = Start();
  host::headless::JitteryDevice card({256, 2, 0, 0, 1});
  b.OpenAudio({}, [](std::int16_t*, int) {});
  for (int k = 0; k < 10; ++k) card.Deliver();
  const double before = card.PlayMicros(10 * 256);
  card.Stall(300'000);
  EXPECT_GE(card.NextCallbackMicros(), 300'000u) << "no callback during the stall";
  EXPECT_NEAR(static_cast<double>(card.NextCallbackMicros()), card.PlayMicros(10 * 256), 1.0)
      << "the card plays the next period as it comes";
  EXPECT_GT(card.PlayMicros(10 * 256) - before, 200'000);
  EXPECT_DOUBLE_EQ(card.PlayMicros(9 * 256), before - 256 / 44.1e-3) << "what it had still plays on time";
}

TEST_F(Headless, CaptureFileHoldsEverythingTheCallbackMade) {
  ScratchFolder folder;
  const std::string wav = folder / "out.wav";
  ::setenv("DRUMS_AUDIO_CAPTURE", wav.c_str(), 1);
  host::Backend& b = Start();
  Ramp ramp;
  b.OpenAudio({}, std::ref(ramp));
  host::headless::RenderAudio(100);
  host::headless::RenderAudio(50);
  b.CloseAudio();  // the header is right as soon as the device closes

  std::string file = ReadAll(wav);
  ASSERT_EQ(file.size(), 44u + 150 * 4);
  EXPECT_EQ(file.substr(0, 4), "RIFF");
  EXPECT_EQ(Le32(file, 4), 36u + 600);
  EXPECT_EQ(file.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(Le32(file, 16), 16u);
  EXPECT_EQ(Le16(file, 20), 1u);  // PCM
  EXPECT_EQ(Le16(file, 22), 2u);
  EXPECT_EQ(Le32(file, 24), 44100u);
  EXPECT_EQ(Le32(file, 28), 44100u * 4);
  EXPECT_EQ(Le16(file, 32), 4u);
  EXPECT_EQ(Le16(file, 34), 16u);
  EXPECT_EQ(file.substr(36, 4), "data");
  EXPECT_EQ(Le32(file, 40), 600u);
  for (int i : {0, 1, 199, 299}) EXPECT_EQ(static_cast<std::int16_t>(Le16(file, 44 + 2 * i)), i);

  // A device opened again goes on in the same file; shutdown fixes the header.
  b.OpenAudio({}, std::ref(ramp));
  host::headless::RenderAudio(25);
  host::Shutdown();
  file = ReadAll(wav);
  ASSERT_EQ(file.size(), 44u + 175 * 4);
  EXPECT_EQ(Le32(file, 4), 36u + 700);
  EXPECT_EQ(Le32(file, 40), 700u);
  EXPECT_EQ(static_cast<std::int16_t>(Le16(file, 44 + 2 * 349)), 349);
}

}  // namespace
