// The step clock on the injected clock: the test makes the application's
// idle passes at the times it chooses.
#include <utility>

#include "sound/support/sound_fixture.h"

namespace {

using soundtest::SoundTest;

struct Tick {
  std::uint32_t atMs;
  int lag;
  bool operator==(const Tick&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tick& t) {
  return os << t.atMs << "/" << t.lag;
}

class StepClock : public SoundTest {
 protected:
  // Starts the clock at `startMs` (multimedia time) with a running timer.
  void Start(std::uint64_t startMs, std::int64_t interval) {
    win::clock::UseManual(startMs * 1000);
    origin = startMs;
    timer = new TDsTimer(form);
    timer->SetActiveOnly(false);
    timer->SetInterval(interval);
    RecordTicks(timer);
    timer->SetEnabled(false);
    timer->SetEnabled(true);
  }
  void RecordTicks(TDsTimer* t) {
    t->OnTimer = [this](TObject*, int lag) { ticks.push_back({timeGetTime() - Ms(0), lag}); };
  }
  std::uint32_t Ms(std::uint64_t fromStart) const { return static_cast<std::uint32_t>(origin + fromStart); }
  // One idle pass at `ms` after the start.
  void IdleAt(std::uint64_t ms) {
    const std::uint64_t due = (origin + ms) * 1000;
    const std::uint64_t now = win::clock::NowMicros();
    if (due > now) win::clock::Advance(due - now);
    IdlePass();
  }

  TDsTimer* timer = nullptr;
  std::uint64_t origin = 0;
  std::vector<Tick> ticks;
};

TEST_F(StepClock, ALateTickFiresOnceWithItsLagAndTheNextIsDueAnIntervalLater) {
  Start(1'000'000, 150);
  for (std::uint64_t ms : {1, 100, 149, 150, 151, 299, 300}) IdleAt(ms);
  EXPECT_EQ(ticks, (std::vector<Tick>{{150, 1}, {300, 1}}));
  ticks.clear();
  // Nothing happens for 320 ms: one tick with lag 2, then 150 ms after it.
  for (std::uint64_t ms : {620, 620, 621, 769, 770}) IdleAt(ms);
  EXPECT_EQ(ticks, (std::vector<Tick>{{620, 2}, {770, 1}}));
}

TEST_F(StepClock, TheMillisecondClockMayWrapAround) {
  Start(0x100000000ull - 100, 150);
  for (std::uint64_t ms : {99, 100, 149, 150, 300}) IdleAt(ms);
  EXPECT_EQ(ticks, (std::vector<Tick>{{150, 1}, {300, 1}}));
}

TEST_F(StepClock, IntervalZeroFiresOnEveryPassWithTheElapsedMilliseconds) {
  Start(5'000, 0);
  for (std::uint64_t ms : {0, 0, 7, 9}) IdleAt(ms);
  EXPECT_EQ(ticks, (std::vector<Tick>{{0, 1}, {0, 1}, {7, 7}, {9, 2}}));
}

TEST_F(StepClock, TicksPerSecondIsCountedOverEachSecond) {
  Start(9'000, 100);
  for (std::uint64_t ms = 100; ms < 1000; ms += 100) {
    IdleAt(ms);
    EXPECT_EQ(timer->GetTicksPerSecond(), 0) << ms;
  }
  IdleAt(1000);
  EXPECT_EQ(timer->GetTicksPerSecond(), 10);
  for (std::uint64_t ms = 1250; ms <= 2250; ms += 250) IdleAt(ms);
  EXPECT_EQ(timer->GetTicksPerSecond(), 4);
}

TEST_F(StepClock, IntervalsAreNeverNegativeAndAChangeCountsTimeAlreadyPassed) {
  Start(3'000, 150);
  timer->SetInterval(-5);
  EXPECT_EQ(timer->GetInterval(), 0u);
  timer->SetInterval(400);
  IdleAt(350);
  EXPECT_TRUE(ticks.empty());
  timer->SetInterval(300);
  IdleAt(351);
  EXPECT_EQ(ticks, (std::vector<Tick>{{351, 1}}));
}

// The clock's handler comes and goes with it; the program's OnIdle is
// neither replaced nor cleared on the way.
TEST_F(StepClock, StoppingAndDeactivatingTakeTheIdleHandlerAwayAndLeaveOnIdle) {
  int onIdleCalls = 0;
  Application->OnIdle = [&](TObject*, bool&) { ++onIdleCalls; };
  Start(3'000, 150);
  // Each pass comes an interval after the one before: a running clock ticks
  // in every one.
  std::uint64_t at = 0;
  auto ticksInNextPass = [&] {
    ticks.clear();
    IdleAt(at += 150);
    return !ticks.empty();
  };
  timer->SetEnabled(false);
  EXPECT_FALSE(ticksInNextPass());
  timer->SetEnabled(true);
  EXPECT_TRUE(ticksInNextPass());
  std::vector<std::string> events;
  timer->OnActivate = [&](TObject*) { events.push_back("activate"); };
  timer->OnDeactivate = [&](TObject*) { events.push_back("deactivate"); };
  SendMessageA(Application->GetHandle(), 0xB001, 0, 0);
  EXPECT_TRUE(ticksInNextPass()) << "ActiveOnly is off";
  timer->SetActiveOnly(true);
  SendMessageA(Application->GetHandle(), 0xB001, 0, 0);
  EXPECT_FALSE(ticksInNextPass());
  SendMessageA(Application->GetHandle(), 0xB000, 0, 0);
  EXPECT_TRUE(ticksInNextPass());
  EXPECT_EQ(events, (std::vector<std::string>{"deactivate", "deactivate", "activate"}));
  delete timer;
  EXPECT_FALSE(ticksInNextPass());
  EXPECT_EQ(onIdleCalls, 6) << "OnIdle ran in every pass";
}

// A tick may free another clock that is due in the same idle pass: that
// clock's handler is gone before its turn and is not called.
TEST_F(StepClock, AClockFreedByAnotherClocksTickIsNotCalledInThatPass) {
  Start(7'000, 100);
  auto* doomed = new TDsTimer(form);
  doomed->SetActiveOnly(false);
  doomed->SetInterval(100);
  bool doomedTicked = false;
  doomed->OnTimer = [&](TObject*, int) { doomedTicked = true; };
  doomed->SetEnabled(false);
  doomed->SetEnabled(true);
  timer->OnTimer = [&](TObject*, int lag) {
    ticks.push_back({timeGetTime() - Ms(0), lag});
    delete std::exchange(doomed, nullptr);
  };
  for (std::uint64_t ms : {100, 200}) IdleAt(ms);
  EXPECT_EQ(ticks, (std::vector<Tick>{{100, 1}, {200, 1}}));
  EXPECT_FALSE(doomedTicked);
}

TEST_F(StepClock, ATimerReadFromAFormStreamStartsWhenLoaded) {
  win::clock::UseManual(1'000'000);
  TMemoryStream s;
  {
    TDsTimer source(nullptr);
    source.SetActiveOnly(false);
    source.SetInterval(150);
    WriteComponent(&s, &source);
  }
  s.SetPosition(0);
  auto* loaded = static_cast<TDsTimer*>(ReadComponent(&s, nullptr));
  EXPECT_EQ(loaded->GetInterval(), 150u);
  EXPECT_FALSE(loaded->GetActiveOnly());
  origin = win::clock::NowMicros() / 1000;
  RecordTicks(loaded);
  IdleAt(150);
  EXPECT_EQ(ticks, (std::vector<Tick>{{150, 1}})) << "Loaded started it";
  delete loaded;
}

}  // namespace
