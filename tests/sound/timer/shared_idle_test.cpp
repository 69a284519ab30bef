// Two step clocks and the program's own idle handler share the idle handling
// of the real message loop: the loop runs on the test's thread while a second
// thread moves the manual clock a millisecond at a time, each time once the
// loop has gone to sleep, as time passes for a sleeping program.
#include <atomic>
#include <thread>

#include "sound/support/sound_fixture.h"
#include "support/SleepingLoop.h"

namespace {

using soundtest::SoundTest;

struct Seen {
  char who;  // 'a', 'b': a clock's tick; 'h': the other idle handler
  std::uint64_t atMs;  // since the test's start
};

class SharedIdle : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    start = win::clock::NowMicros();
  }

  std::uint64_t NowMs() const { return (win::clock::NowMicros() - start) / 1000; }

  // Only the loop's thread writes; the test reads once the loop has ended.
  void Record(char who) {
    seen.push_back({who, NowMs()});
    recorded = true;
  }

  // Keeps only what `who` did.
  std::vector<std::uint64_t> Times(char who) const {
    std::vector<std::uint64_t> times;
    for (const Seen& s : seen)
      if (s.who == who) times.push_back(s.atMs);
    return times;
  }

  TDsTimer* Clock(char who, int interval) {
    auto* clock = new TDsTimer(form);
    clock->SetActiveOnly(false);
    clock->SetInterval(interval);
    clock->OnTimer = [this, who](TObject*, int lag) {
      Record(who);
      EXPECT_EQ(lag, 1) << who << " at " << NowMs();
    };
    clock->SetEnabled(false);
    clock->SetEnabled(true);
    return clock;
  }

  // Runs the application's message loop while the clock moves from the
  // present time to `untilMs`.
  void RunLoopUntil(std::uint64_t untilMs) {
    Application->ProcessMessages();
    const DWORD loopThread = GetCurrentThreadId();
    const testsupport::SleepingLoop loop;
    std::atomic<bool> stop{false};
    std::thread driver([&] {
      // The loop's first pass comes before the clock moves.
      while (!recorded) std::this_thread::yield();
      while (NowMs() < untilMs) loop.AdvanceWhileAsleep(1000);
      stop = true;
      PostThreadMessageA(loopThread, WM_NULL, 0, 0);
    });
    while (!stop) Application->HandleMessage();
    driver.join();
  }

  std::uint64_t start = 0;
  std::vector<Seen> seen;
  std::atomic<bool> recorded{false};
};

TEST_F(SharedIdle, TwoClocksKeepTheirIntervalsAndTheLoopSleepsUntilTheEarlierTick) {
  Clock('a', 150);
  Clock('b', 100);
  Application->AddIdleHandler(this, [this](TObject*, bool& done) {
    Record('h');
    done = true;
  });
  RunLoopUntil(600);
  EXPECT_EQ(Times('a'), (std::vector<std::uint64_t>{150, 300, 450, 600}));
  EXPECT_EQ(Times('b'), (std::vector<std::uint64_t>{100, 200, 300, 400, 500, 600}));
  // The other handler runs in every pass, and there is a pass exactly when
  // one of the clocks is due and at no other time: the wait between lasts
  // until the earliest tick asked for.
  EXPECT_EQ(Times('h'), (std::vector<std::uint64_t>{0, 100, 150, 200, 300, 400, 450, 500, 600}));
}

TEST_F(SharedIdle, OneClockStoppedLeavesTheOtherTickingAndTheHandlerInPlace) {
  TDsTimer* a = Clock('a', 150);
  Clock('b', 100);
  int programIdles = 0;
  Application->OnIdle = [&](TObject*, bool&) { ++programIdles; };
  // The other handler stops clock a in the middle of the loop's pass.
  Application->AddIdleHandler(this, [&](TObject*, bool&) {
    Record('h');
    if (NowMs() == 300) a->SetEnabled(false);
  });
  RunLoopUntil(700);
  EXPECT_EQ(Times('a'), (std::vector<std::uint64_t>{150, 300}));
  EXPECT_EQ(Times('b'), (std::vector<std::uint64_t>{100, 200, 300, 400, 500, 600, 700}));
  EXPECT_EQ(Times('h'), (std::vector<std::uint64_t>{0, 100, 150, 200, 300, 400, 500, 600, 700}));
  EXPECT_EQ(programIdles, 9) << "the program's OnIdle ran in every pass too";
}

}  // namespace
