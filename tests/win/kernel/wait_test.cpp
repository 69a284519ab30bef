#include <atomic>
#include <thread>

#include "kernel_test_support.h"
#include "platform/win/winbase.h"

namespace {

using kernel_test::ScratchDir;

struct Handles {
  std::vector<HANDLE> list;
  ~Handles() {
    for (HANDLE h : list) CloseHandle(h);
  }
  HANDLE Add(HANDLE h) {
    list.push_back(h);
    return h;
  }
};

HANDLE Event(Handles& hs, bool manual, bool initial) {
  return hs.Add(CreateEventA(nullptr, manual, initial, nullptr));
}

TEST(Events, ManualResetStaysSetForEveryWaitUntilReset) {
  Handles hs;
  HANDLE e = Event(hs, true, false);
  EXPECT_EQ(WaitForSingleObject(e, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(e);
  EXPECT_EQ(WaitForSingleObject(e, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(e, 0), WAIT_OBJECT_0);
  ResetEvent(e);
  EXPECT_EQ(WaitForSingleObject(e, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(Events, AutoResetIsConsumedOnlyByTheWaitThatReportsIt) {
  Handles hs;
  HANDLE a = Event(hs, false, true);
  HANDLE b = Event(hs, false, true);
  HANDLE both[] = {a, b};
  // Wait-any reports the lowest ready index and leaves the other set.
  EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 0), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(Events, WaitAllTakesNothingUntilEveryObjectIsReady) {
  Handles hs;
  HANDLE a = Event(hs, false, true);
  HANDLE b = Event(hs, false, false);
  HANDLE both[] = {a, b};
  EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(WaitForSingleObject(a, 0), WAIT_OBJECT_0) << "a failed wait-all must not consume a";
  SetEvent(a);
  SetEvent(b);
  EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(Events, OneAutoResetSignalWakesExactlyOneOfTwoWaiters) {
  Handles hs;
  HANDLE e = Event(hs, false, false);
  std::atomic<int> woken{0};
  auto wait = [&] {
    if (WaitForSingleObject(e, INFINITE) == WAIT_OBJECT_0) ++woken;
  };
  std::thread t1(wait), t2(wait);
  SetEvent(e);
  while (woken.load() == 0) std::this_thread::yield();
  EXPECT_EQ(WaitForSingleObject(e, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(e);
  t1.join();
  t2.join();
  EXPECT_EQ(woken.load(), 2);
}

TEST(Waits, BadArgumentsFail) {
  Handles hs;
  HANDLE e = Event(hs, true, true);
  HANDLE stale = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  CloseHandle(stale);
  HANDLE withStale[] = {e, stale};
  SetLastError(0);
  EXPECT_EQ(WaitForMultipleObjects(2, withStale, FALSE, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  std::vector<HANDLE> tooMany(MAXIMUM_WAIT_OBJECTS + 1, e);
  EXPECT_EQ(WaitForMultipleObjects(static_cast<DWORD>(tooMany.size()), tooMany.data(), FALSE, 0), WAIT_FAILED);
  EXPECT_EQ(WaitForMultipleObjects(0, tooMany.data(), FALSE, 0), WAIT_FAILED);
  EXPECT_FALSE(CloseHandle(stale));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Waits, SixtyFourHandlesReportTheLastIndex) {
  Handles hs;
  std::vector<HANDLE> events;
  for (int i = 0; i < MAXIMUM_WAIT_OBJECTS; ++i) events.push_back(Event(hs, true, false));
  SetEvent(events.back());
  EXPECT_EQ(WaitForMultipleObjects(MAXIMUM_WAIT_OBJECTS, events.data(), FALSE, INFINITE),
            WAIT_OBJECT_0 + MAXIMUM_WAIT_OBJECTS - 1);
}

DWORD WINAPI WaitThenReturn(LPVOID p) {
  WaitForSingleObject(static_cast<HANDLE>(p), INFINITE);
  return 7;
}

TEST(Threads, SuspendedThreadRunsAfterResumeAndSignalsAtItsEnd) {
  std::atomic<bool> ran{false};
  auto body = [](LPVOID p) -> DWORD {
    static_cast<std::atomic<bool>*>(p)->store(true);
    return 5;
  };
  DWORD id = 0;
  HANDLE t = CreateThread(nullptr, 0, body, &ran, CREATE_SUSPENDED, &id);
  ASSERT_NE(t, nullptr);
  EXPECT_NE(id, 0u);
  EXPECT_NE(id, GetCurrentThreadId());
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(t, &code));
  EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_EQ(WaitForSingleObject(t, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_FALSE(ran.load());
  EXPECT_EQ(ResumeThread(t), 1u);
  EXPECT_EQ(WaitForSingleObject(t, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(ran.load());
  EXPECT_TRUE(GetExitCodeThread(t, &code));
  EXPECT_EQ(code, 5u);
  EXPECT_EQ(WaitForSingleObject(t, 0), WAIT_OBJECT_0) << "an ended thread stays signalled";
  CloseHandle(t);
}

// The shell's change-handler worker: one wait over an event, a change
// notification and a thread, each of which must wake it with its own index.
TEST(Waits, EventChangeNotificationAndThreadMixInOneWait) {
  ScratchDir dir;
  Handles hs;
  HANDLE command = Event(hs, false, false);
  HANDLE change = hs.Add(FindFirstChangeNotificationA(dir.Win().c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME));
  ASSERT_NE(change, INVALID_HANDLE_VALUE);
  HANDLE go = Event(hs, true, false);
  HANDLE worker = hs.Add(CreateThread(nullptr, 0, WaitThenReturn, go, 0, nullptr));
  HANDLE all[] = {command, change, worker};

  EXPECT_EQ(WaitForMultipleObjects(3, all, FALSE, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  SetEvent(command);
  EXPECT_EQ(WaitForMultipleObjects(3, all, FALSE, 5000), WAIT_OBJECT_0);

  kernel_test::WriteText(dir / "new.txt", "x");
  EXPECT_EQ(WaitForMultipleObjects(3, all, FALSE, 5000), WAIT_OBJECT_0 + 1);
  EXPECT_TRUE(FindNextChangeNotification(change));

  // Make sure the notification has nothing queued before the thread's turn.
  while (WaitForSingleObject(change, 0) == WAIT_OBJECT_0) FindNextChangeNotification(change);
  SetEvent(go);
  EXPECT_EQ(WaitForMultipleObjects(3, all, FALSE, 5000), WAIT_OBJECT_0 + 2);
}

TEST(Mutexes, OwnerMayReenterAndOthersWaitUntilFullyReleased) {
  HANDLE m = CreateMutexA(nullptr, TRUE, nullptr);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(WaitForSingleObject(m, 0), WAIT_OBJECT_0);  // recursion
  auto tryOther = [m] {
    DWORD result = 0;
    std::thread([&] { result = WaitForSingleObject(m, 0); }).join();
    return result;
  };
  EXPECT_EQ(tryOther(), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_EQ(tryOther(), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_FALSE(ReleaseMutex(m));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
  CloseHandle(m);
}

TEST(CriticalSections, AreRecursiveAndExcludeOtherThreads) {
  CRITICAL_SECTION cs;
  InitializeCriticalSection(&cs);
  EnterCriticalSection(&cs);
  EnterCriticalSection(&cs);
  BOOL otherGot = TRUE;
  std::thread([&] { otherGot = TryEnterCriticalSection(&cs); }).join();
  EXPECT_FALSE(otherGot);
  LeaveCriticalSection(&cs);
  LeaveCriticalSection(&cs);
  std::thread([&] {
    otherGot = TryEnterCriticalSection(&cs);
    if (otherGot) LeaveCriticalSection(&cs);
  }).join();
  EXPECT_TRUE(otherGot);
  DeleteCriticalSection(&cs);
}

TEST(Interlocked, ReturnWhatWindowsReturns) {
  LONG v = 5;
  EXPECT_EQ(InterlockedIncrement(&v), 6);
  EXPECT_EQ(InterlockedDecrement(&v), 5);
  EXPECT_EQ(InterlockedExchange(&v, 9), 5);
  EXPECT_EQ(InterlockedCompareExchange(&v, 1, 8), 9);  // no match: unchanged
  EXPECT_EQ(v, 9);
  EXPECT_EQ(InterlockedCompareExchange(&v, 1, 9), 9);
  EXPECT_EQ(v, 1);
  EXPECT_EQ(InterlockedExchangeAdd(&v, 4), 1);
  EXPECT_EQ(v, 5);
}

}  // namespace
