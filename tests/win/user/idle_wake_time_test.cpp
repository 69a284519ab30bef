// An idle hook that is not done may say when it next needs to run: the wait
// then lasts until that time of the clock instead of every millisecond, and
// a message still ends it at once.
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>

#include "fixture.h"
#include "platform/win/user/idle_hook.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

namespace usertest {
namespace {

using IdleWakeTime = UserTest;

// The state letter of a thread of this process ('S' while it sleeps).
char ThreadState(pid_t tid) {
  std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() ? text[close + 2] : '?';
}

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
  const pid_t loopTid = static_cast<pid_t>(syscall(SYS_gettid));
  std::atomic<bool> woke{false};
  std::thread driver([&] {
    for (int ms = 0; ms < 300 && !woke; ++ms) {
      for (int seen = 0, i = 0; seen < 3 && !woke && i < 1000000; ++i) {
        seen = ThreadState(loopTid) == 'S' ? seen + 1 : 0;
        std::this_thread::yield();
      }
      if (!woke) win::clock::Advance(1000);
    }
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
