// The idle rule of the message loop, driven by the clock seam: with "done"
// false the handler runs again at each millisecond boundary and a message
// arriving in between is handled at once; with "done" true the loop sleeps
// until a message comes. A second thread moves the clock, as time would.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "fixture.h"
#include "tests/support/SleepingLoop.h"

namespace formstest {
namespace {

constexpr UINT kPing = WM_APP + 1;

struct Seen {
  char kind;  // 'i': idle handler, 'm': the posted message
  std::uint64_t atUs;  // clock seam, relative to the test's start
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Seen& s) {
  return os << s.kind << "@" << s.atUs;
}

class IdleLoop : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    start = win::clock::NowMicros();
    mainThread = GetCurrentThreadId();
    Application->OnMessage = [this](MSG& msg, bool& handled) {
      if (msg.message != kPing) return;
      Record('m');
      handled = true;
    };
  }

  void Record(char kind) {
    std::lock_guard lock(mu);
    seen.push_back({kind, win::clock::NowMicros() - start});
    changed.notify_all();
  }

  // Driver side: waits until the loop has recorded n things (a generous
  // limit only keeps a stuck loop from hanging the run).
  bool WaitForSeen(size_t n) {
    std::unique_lock lock(mu);
    return changed.wait_for(lock, std::chrono::seconds(20), [&] { return seen.size() >= n; });
  }

  // Driver side: waits until the loop thread sleeps (it has gone into its
  // wait), so that moving the clock now finds it waiting.
  void WaitUntilLoopSleeps() { loop.WaitUntilAsleep(); }

  // Runs the loop on this thread while driver runs on another; the loop ends
  // when the driver is done.
  void RunLoopWith(const std::function<void()>& driver) {
    std::atomic<bool> stop{false};
    std::thread t([&] {
      driver();
      stop = true;
      PostThreadMessageA(mainThread, WM_NULL, 0, 0);
    });
    while (!stop) Application->HandleMessage();
    t.join();
  }

  std::vector<Seen> Seen_() {
    std::lock_guard lock(mu);
    return seen;
  }

  std::uint64_t start = 0;
  DWORD mainThread = 0;
  // The fixture is made on the loop's thread.
  const testsupport::SleepingLoop loop;
  std::mutex mu;
  std::condition_variable changed;
  std::vector<Seen> seen;
};

TEST_F(IdleLoop, NotDoneRunsAgainAtEachMillisecondAndMessagesAreNotHeldBack) {
  Application->OnIdle = [this](TObject*, bool& done) {
    Record('i');
    done = false;
  };
  RunLoopWith([this] {
    ASSERT_TRUE(WaitForSeen(1));
    WaitUntilLoopSleeps();
    win::clock::Advance(250);
    // A message in the middle of the millisecond is handled at once.
    PostThreadMessageA(mainThread, kPing, 0, 0);
    ASSERT_TRUE(WaitForSeen(3));
    WaitUntilLoopSleeps();
    win::clock::Advance(250);
    WaitUntilLoopSleeps();
    win::clock::Advance(250);
    WaitUntilLoopSleeps();
    win::clock::Advance(250);  // the boundary
    ASSERT_TRUE(WaitForSeen(4));
    for (int ms = 0; ms < 3; ms++) {
      WaitUntilLoopSleeps();
      win::clock::Advance(1000);
      ASSERT_TRUE(WaitForSeen(5 + ms));
    }
    WaitUntilLoopSleeps();
  });
  std::vector<Seen> expected{{'i', 0}, {'m', 250}, {'i', 250}, {'i', 1000}, {'i', 2000}, {'i', 3000}, {'i', 4000}};
  std::vector<Seen> got = Seen_();
  // The driver's last wake-up may add one more idle pass at the end.
  if (got.size() == expected.size() + 1 && got.back() == Seen{'i', 4000}) got.pop_back();
  EXPECT_EQ(got, expected);
}

TEST_F(IdleLoop, DoneWaitsForTheNextMessageWhateverTheClock) {
  Application->OnIdle = [this](TObject*, bool& done) {
    Record('i');
    done = true;
  };
  RunLoopWith([this] {
    ASSERT_TRUE(WaitForSeen(1));
    for (int ms = 0; ms < 5; ms++) {
      WaitUntilLoopSleeps();
      win::clock::Advance(1000);
    }
    WaitUntilLoopSleeps();
    PostThreadMessageA(mainThread, kPing, 0, 0);
    ASSERT_TRUE(WaitForSeen(3));
  });
  std::vector<Seen> got = Seen_();
  ASSERT_GE(got.size(), 3u);
  EXPECT_EQ(std::vector<Seen>(got.begin(), got.begin() + 3), (std::vector<Seen>{{'i', 0}, {'m', 5000}, {'i', 5000}}));
}

}  // namespace
}  // namespace formstest
