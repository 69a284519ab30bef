// An idle hook that is not done may say when it next needs to run: the wait
// then lasts until that time of the clock instead of every millisecond, and
// a message still ends it at once.
#include <atomic>
#include <thread>

#include "fixture.h"
#include "support/SleepingLoop.h"
#include "platform/win/user/idle_hook.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

namespace usertest {
namespace {

using IdleWakeTime = UserTest;

TEST_F(IdleWakeTime, TheLoopSleepsUntilTheTimeTheHookGave) {
  const std::uint64_t start = win::clock::NowMicros();
  const std::uint64_t due = start + 150'000;
  int calls = 0;
  win::user::SetIdleHook([&] {
    ++calls;
    win::user::SetIdleWakeTime(due);
    return false;
  });
  // Another thread moves the clock a millisecond at a time, each time once
  // the loop has gone to sleep, as time would; it stops when the loop wakes.
  const testsupport::SleepingLoop loop;
  std::atomic<bool> woke{false};
  std::thread driver([&] {
    for (int ms = 0; ms < 300 && !woke; ++ms) loop.AdvanceWhileAsleep(1000);
  });
  win::user::IdleThenWait();
  const std::uint64_t wokeAt = win::clock::NowMicros();
  woke = true;
  driver.join();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(wokeAt, due) << "not at the next millisecond, but when the hook asked";
}

TEST_F(IdleWakeTime, AMessageEndsTheWaitAtOnce) {
  const std::uint64_t due = win::clock::NowMicros() + 150'000;
  std::atomic<bool> idled{false};
  win::user::SetIdleHook([&] {
    win::user::SetIdleWakeTime(due);
    idled = true;
    return false;
  });
  const DWORD thread = GetCurrentThreadId();
  std::thread poster([&] {
    while (!idled) std::this_thread::yield();
    PostThreadMessageA(thread, WM_APP, 0, 0);
  });
  win::user::IdleThenWait();  // returns when the message comes, the clock standing still
  poster.join();
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_APP));
  EXPECT_LT(win::clock::NowMicros(), due);
}

}  // namespace
}  // namespace usertest
