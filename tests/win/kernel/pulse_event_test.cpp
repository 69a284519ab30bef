// PulseEvent: who it releases, and what it leaves behind. Threads are known
// to be blocked by the event's own count of waits in progress, never by
// sleeping.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "platform/win/kernel/events.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::EventWaiters;

EventWaiters WaitersOf(HANDLE e) {
  EventWaiters w;
  EXPECT_TRUE(win::kernel::GetEventWaiters(e, &w));
  return w;
}

void SpinUntil(const std::function<bool()>& done) {
  while (!done()) std::this_thread::yield();
}

TEST(PulseEvent, ReleasesOnlyTheThreadsWaitingAtThatMoment) {
  struct Case {
    const char* name;
    bool manualReset;
    int released;  // of three waiters
  };
  const Case cases[] = {{"manual reset: all", true, 3}, {"auto reset: one", false, 1}};
  constexpr int kWaiters = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HANDLE e = CreateEventA(nullptr, c.manualReset, FALSE, nullptr);
    std::atomic<int> returned{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < kWaiters; ++i) {
      threads.emplace_back([&] {
        if (WaitForSingleObject(e, INFINITE) == WAIT_OBJECT_0) ++returned;
      });
    }
    SpinUntil([&] { return WaitersOf(e).waiting == kWaiters; });

    ASSERT_TRUE(PulseEvent(e));
    SpinUntil([&] { return returned.load() == c.released; });
    // The rest stay blocked: no pass left over and the event is reset.
    const EventWaiters after = WaitersOf(e);
    EXPECT_EQ(after.waiting, kWaiters - c.released);
    EXPECT_EQ(after.released, 0);
    EXPECT_EQ(WaitForSingleObject(e, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(returned.load(), c.released);

    // Release the rest one signal at a time.
    while (returned.load() < kWaiters) {
      const int before = returned.load();
      SetEvent(e);
      SpinUntil([&] { return returned.load() > before; });
    }
    for (auto& t : threads) t.join();
    CloseHandle(e);
  }
}

TEST(PulseEvent, WithNobodyWaitingLeavesTheEventReset) {
  for (bool manual : {true, false}) {
    for (bool initial : {true, false}) {
      SCOPED_TRACE(testing::Message() << "manual " << manual << ", initially set " << initial);
      HANDLE e = CreateEventA(nullptr, manual, initial, nullptr);
      EXPECT_TRUE(PulseEvent(e));
      EXPECT_EQ(WaitForSingleObject(e, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the pulse is not kept";
      CloseHandle(e);
    }
  }
}

// A wait that ended on another object is no longer waiting on the event: a
// later pulse must not release this thread's next wait.
TEST(PulseEvent, SkipsAWaitThatAlreadyEnded) {
  HANDLE e = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE other = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  HANDLE both[] = {e, other};
  EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 0), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(WaitersOf(e).waiting, 0);
  EXPECT_TRUE(PulseEvent(e));
  EXPECT_EQ(WaitForSingleObject(e, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  CloseHandle(e);
  CloseHandle(other);
}

TEST(PulseEvent, FailsForHandlesThatAreNoEvent) {
  HANDLE closed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(closed);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, nullptr);
  for (HANDLE h : {static_cast<HANDLE>(nullptr), closed, mutex}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(PulseEvent(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  }
  CloseHandle(mutex);
}

}  // namespace
