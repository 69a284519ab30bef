// An idle hook that is not done may say when it next needs to run: the wait
// then lasts until that time of the clock instead of every millisecond, and
// a message still ends it at once.
#include <atomic>
#include <thread>

#include "fixture.h"
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
    if (win::clock::NowMicros() < due) win::user::SetIdleWakeTime(due);
    return false;
  });
  // Another thread moves the clock a millisecond at a time, as time would.
  std::thread driver([] {
    for (int i = 0; i < 150; ++i) win::clock::Advance(1000);
  });
  while (win::clock::NowMicros() < due) win::user::IdleThenWait();
  driver.join();
  EXPECT_LE(calls, 2) << "one pass before the time given, at most one more as it comes";
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
