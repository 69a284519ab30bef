// A sound card whose callbacks come late and in bunches, at a rate of its
// own: hits keep the spacing of their calls, the latency follows the card's
// period, and a stall is got over. The test drives the clock and the card's
// callbacks by hand; times are read where the card plays the output.
#include <algorithm>
#include <cmath>
#include <memory>

#include "dsound/support/dsound_fixture.h"

namespace {

using host::headless::JitteryDevice;

class LateCallbacks : public dstest::DeviceTest {
 protected:
  struct Hit {
    std::uint64_t called;  // microseconds from the card's start
    double heard;  // when the card plays its first frame, same scale
  };

  // Opens the audio anew on a card with these options; it starts now.
  void UseCard(const JitteryDevice::Options& options) {
    if (hit_) {
      std::erase(buffers_, hit_);
      hit_->Release();
    }
    device_->Release();
    device_ = nullptr;
    card_.reset();  // before the next card says what it is
    card_ = std::make_unique<JitteryDevice>(options);
    left_.clear();
    cardRate_ = 44100 * (1 + options.ppm * 1e-6);
    start_ = win::clock::NowMicros();
    auto create = reinterpret_cast<LPDIRECTSOUNDCREATE>(
        reinterpret_cast<void (*)()>(GetProcAddress(library_, "DirectSoundCreate")));
    ASSERT_EQ(create(nullptr, &device_, nullptr), DS_OK);
    hit_ = Constant(12000, 300);
  }

  // Moves the clock to `micros` from the card's start, delivering every
  // callback that comes before, each at its time.
  void RunTo(std::uint64_t micros) {
    while (card_->NextCallbackMicros() <= micros) {
      MoveClockTo(card_->NextCallbackMicros());
      const auto part = card_->Deliver();
      for (size_t i = 0; i < part.size(); i += 2) left_.push_back(part[i]);
    }
    MoveClockTo(micros);
  }

  // Plays the hit at each time (from the card's start), then runs on until
  // all of them were delivered, and returns when each was called and heard.
  std::vector<Hit> PlayAt(const std::vector<std::uint64_t>& times) {
    const size_t firstFrame = left_.size();
    for (std::uint64_t t : times) {
      RunTo(t);
      hit_->Stop();
      hit_->SetCurrentPosition(0);
      EXPECT_EQ(hit_->Play(0, 0, 0), DS_OK);
    }
    RunTo(times.back() + 300'000);
    std::vector<Hit> hits;
    bool quiet = true;
    for (size_t f = firstFrame; f < left_.size(); ++f) {
      if (quiet && left_[f] != 0) {
        const std::uint64_t called = hits.size() < times.size() ? times[hits.size()] : 0;
        hits.push_back({called, card_->PlayMicros(static_cast<std::int64_t>(f))});
      }
      quiet = left_[f] == 0;
    }
    EXPECT_EQ(hits.size(), times.size());
    return hits;
  }

  // Times from `from` on, 137 to 163 ms apart, as a step clock under load calls.
  static std::vector<std::uint64_t> Steps(std::uint64_t from, int count, unsigned seed) {
    std::vector<std::uint64_t> times;
    for (int i = 0; i < count; ++i) {
      seed = seed * 1103515245u + 12345u;
      from += 137'000 + (seed >> 8) % 26'001;
      times.push_back(from);
    }
    return times;
  }

  // How far each hit's spacing lies from its calls' spacing, in frames of
  // the card: the worst over consecutive hits.
  double WorstSpacingError(const std::vector<Hit>& hits) const {
    double worst = 0;
    for (size_t i = 1; i < hits.size(); ++i) {
      const double called = static_cast<double>(hits[i].called - hits[i - 1].called) * cardRate_ / 1e6;
      const double heard = (hits[i].heard - hits[i - 1].heard) * cardRate_ / 1e6;
      worst = std::max(worst, std::abs(heard - called));
    }
    return worst;
  }

  // Milliseconds from each call to its sound from the speaker.
  static std::vector<double> ClickToSound(const std::vector<Hit>& hits) {
    std::vector<double> ms;
    for (const Hit& h : hits) ms.push_back((h.heard - static_cast<double>(h.called)) / 1000);
    return ms;
  }

  void MoveClockTo(std::uint64_t micros) {
    const std::uint64_t at = start_ + micros;
    const std::uint64_t now = win::clock::NowMicros();
    if (at > now) Advance(at - now);
  }

  std::unique_ptr<JitteryDevice> card_;
  double cardRate_ = 44100;
  std::uint64_t start_ = 0;
  IDirectSoundBuffer* hit_ = nullptr;
  std::vector<std::int16_t> left_;  // everything the card played
};

double Spread(const std::vector<double>& values) {
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  return *high - *low;
}

// Onsets fall on whole frames, so two of them may lie up to a frame from
// their calls' spacing; a tenth more allows the few ppm of the follower.
constexpr double kFrameAndATenth = 1.1;

// The mixer starts a sound one latency past the frame an on-time callback
// renders at the call, and the card plays that frame what is left of its
// buffer later. The mapping starts a little below the callbacks' true edge
// (it learns it from a fifth of a second of them), so sounds come up to a
// millisecond and a half sooner than that while it creeps up.
void ExpectHeardAfter(const std::vector<double>& clickToSound, double ms) {
  for (double heard : clickToSound) {
    EXPECT_LE(heard, ms + 0.05);
    EXPECT_GE(heard, ms - 1.5);
  }
}

TEST_F(LateCallbacks, TheLatencyFollowsTheCardsPeriod) {
  struct Case {
    int period;
    int latency;  // frames
    double clickToSound;  // ms, to the speaker of a double-buffered card
  } cases[] = {
      {256, 556, 18.41},  // 12.6 ms in the mixer and a period in the card
      {512, 1068, 35.83},  // 24.2 ms and a period
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.period);
    UseCard({c.period, 2, 0, 0.1, 4});
    EXPECT_EQ(Latency(), c.latency);
    ExpectHeardAfter(ClickToSound(PlayAt(Steps(500'000, 20, 4))), c.clickToSound);
  }
}

TEST_F(LateCallbacks, HitsKeepTheSpacingOfTheirCallsHoweverTheCallbacksCome) {
  struct Case {
    int period, buffers;
    double burstChance;
  } cases[] = {{256, 2, 0.05}, {256, 4, 0.2}, {512, 2, 0.1}, {512, 3, 0.3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.period << " frames x " << c.buffers << ", bunches " << c.burstChance);
    UseCard({c.period, c.buffers, 0, c.burstChance, static_cast<unsigned>(c.period + c.buffers)});
    const auto hits = PlayAt(Steps(500'000, 200, 7));
    EXPECT_LE(WorstSpacingError(hits), kFrameAndATenth);
    EXPECT_LT(Spread(ClickToSound(hits)), 0.5) << "ms";
  }
}

TEST_F(LateCallbacks, ACardRunningFastOrSlowIsFollowedWithoutDrift) {
  for (double ppm : {200.0, -200.0, 100.0}) {
    SCOPED_TRACE(testing::Message() << ppm << " ppm");
    UseCard({256, 3, ppm, 0.1, 3});
    RunTo(10'000'000);  // the card's rate is learnt
    // On a mapping that kept the nominal rate the hits would drift from
    // their calls by 200 ppm: 9 ms in 45 s.
    const auto hits = PlayAt(Steps(10'000'000, 300, 11));
    EXPECT_LE(WorstSpacingError(hits), kFrameAndATenth);
    EXPECT_LT(Spread(ClickToSound(hits)), 0.5) << "ms";
  }
}

TEST_F(LateCallbacks, AStallSetsTheMappingAnewAndTheHitsSoundAsSoonAsBefore) {
  UseCard({256, 3, 0, 0.1, 9});
  const double heard = (Latency() + 2 * 256) / 44.1;  // ms
  const auto before = PlayAt(Steps(500'000, 20, 1));
  ExpectHeardAfter(ClickToSound(before), heard);
  // The card plays silence for most of that, and the frames after it late.
  card_->Stall(400'000);
  const auto after = PlayAt(Steps(before.back().called + 800'000, 30, 3));
  EXPECT_LE(WorstSpacingError(after), kFrameAndATenth);
  ExpectHeardAfter(ClickToSound(after), heard);
}

}  // namespace
