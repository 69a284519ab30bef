#include <atomic>
#include <thread>

#include "kernel_test_support.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/mmsystem.h"
#include "platform/win/winbase.h"

namespace {

using kernel_test::ManualClock;

TEST(ClockSeam, TickCountsFollowTheManualClockAcrossTheWrap) {
  // 5 ms before the millisecond count wraps at 2^32.
  ManualClock clock((0x100000000ULL - 5) * 1000);
  DWORD before = GetTickCount();
  DWORD beforeMm = timeGetTime();
  EXPECT_EQ(before, 0xFFFFFFFBu);
  win::clock::Advance(12000);
  EXPECT_EQ(GetTickCount(), 7u);
  EXPECT_EQ(static_cast<DWORD>(GetTickCount() - before), 12u);
  EXPECT_EQ(static_cast<DWORD>(timeGetTime() - beforeMm), 12u);
}

TEST(ClockSeam, ManualClockStandsStillAndWallTimeMovesWithIt) {
  ManualClock clock;
  std::uint64_t now = win::clock::NowMicros();
  FILETIME a, b;
  GetSystemTimeAsFileTime(&a);
  EXPECT_EQ(win::clock::NowMicros(), now);
  win::clock::Advance(2500000);
  GetSystemTimeAsFileTime(&b);
  EXPECT_EQ(win::clock::NowMicros(), now + 2500000);
  ULONGLONG ta = (ULONGLONG(a.dwHighDateTime) << 32) | a.dwLowDateTime;
  ULONGLONG tb = (ULONGLONG(b.dwHighDateTime) << 32) | b.dwLowDateTime;
  EXPECT_EQ(tb - ta, 25000000u);  // 2.5 s in 100-ns ticks
}

TEST(ClockSeam, AdvanceListenersRunUntilRemoved) {
  ManualClock clock;
  int calls = 0;
  int id = win::clock::AddAdvanceListener([&] { ++calls; });
  win::clock::Advance(1);
  win::clock::Advance(1);
  win::clock::RemoveAdvanceListener(id);
  win::clock::Advance(1);
  EXPECT_EQ(calls, 2);
}

// Another thread keeps advancing the clock; the timed call must not end
// before the manual clock has moved its whole timeout past its start.
template <class Call>
void ExpectEndsOnlyAfterClockPasses(DWORD timeoutMs, Call call) {
  ManualClock clock(0);
  std::atomic<bool> done{false};
  std::uint64_t startedAt = 0, endedAt = 0;
  std::thread waiter([&] {
    startedAt = win::clock::NowMicros();
    call();
    endedAt = win::clock::NowMicros();
    done = true;
  });
  while (!done) {
    win::clock::Advance(1000);
    std::this_thread::yield();
  }
  waiter.join();
  EXPECT_GE(endedAt - startedAt, std::uint64_t(timeoutMs) * 1000);
}

TEST(ClockSeam, SleepEndsWhenAnotherThreadAdvancesPastIt) {
  ExpectEndsOnlyAfterClockPasses(100, [] { Sleep(100); });
}

TEST(ClockSeam, TimedWaitTimesOutWhenAnotherThreadAdvancesPastIt) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD result = 0;
  ExpectEndsOnlyAfterClockPasses(150, [&] { result = WaitForSingleObject(event, 150); });
  EXPECT_EQ(result, static_cast<DWORD>(WAIT_TIMEOUT));
  CloseHandle(event);
}

TEST(ClockSeam, ZeroTimeoutPollsWithoutTheClockMoving) {
  ManualClock clock;
  HANDLE unset = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE set = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  EXPECT_EQ(WaitForSingleObject(unset, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(WaitForSingleObject(set, 0), WAIT_OBJECT_0);
  CloseHandle(unset);
  CloseHandle(set);
}

}  // namespace
