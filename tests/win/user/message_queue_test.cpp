// The message queue: priorities, timers through the clock seam, threads.
#include <atomic>
#include <thread>

#include "fixture.h"
#include "platform/win/winbase.h"

using namespace usertest;

namespace {

class Queue : public UserTest {};

std::vector<UINT> DispatchAll() {
  std::vector<UINT> order;
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    order.push_back(m.message);
    DispatchMessageA(&m);
  }
  return order;
}

TEST_F(Queue, PostedBeforePaintBeforeTimer) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100);
  Pump();
  SetTimer(w, 7, 100, nullptr);
  AdvanceMs(0);
  win::clock::Advance(150'000);  // the timer is due
  InvalidateRect(w, nullptr, TRUE);
  PostMessageA(w, WM_USER, 1, 2);
  std::vector<UINT> order = DispatchAll();
  EXPECT_EQ((std::vector<UINT>{WM_USER, WM_PAINT, WM_TIMER}), order);
  KillTimer(w, 7);
}

TEST_F(Queue, BlockedTimerFiresOnceWithoutCatchingUp) {
  HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
  SetTimer(w, 1, 50, nullptr);
  win::clock::Advance(500'000);  // the loop was busy for 500 ms
  std::vector<UINT> first = DispatchAll();
  EXPECT_EQ(1, std::count(first.begin(), first.end(), UINT(WM_TIMER)));
  MessageLog::Get().Clear();
  Pump();
  EXPECT_EQ(0, MessageLog::Get().Count("w", WM_TIMER));
  // The next one is a full interval after the late one.
  AdvanceMs(49);
  EXPECT_EQ(0, MessageLog::Get().Count("w", WM_TIMER));
  AdvanceMs(1);
  EXPECT_EQ(1, MessageLog::Get().Count("w", WM_TIMER));
  EXPECT_TRUE(KillTimer(w, 1));
  EXPECT_FALSE(KillTimer(w, 1));
}

TEST_F(Queue, TimerProcAndThreadTimerRunFromDispatch) {
  static int calls;
  calls = 0;
  UINT_PTR id = SetTimer(nullptr, 0, 20, [](HWND, UINT msg, UINT_PTR, DWORD) {
    if (msg == WM_TIMER) calls++;
  });
  ASSERT_NE(0u, id);
  AdvanceMs(20);
  AdvanceMs(20);
  EXPECT_EQ(2, calls);
  KillTimer(nullptr, id);
  AdvanceMs(40);
  EXPECT_EQ(2, calls);
}

TEST_F(Queue, TimerBelowMinimumIsRaised) {
  HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
  SetTimer(w, 3, 1, nullptr);
  AdvanceMs(USER_TIMER_MINIMUM - 1);
  EXPECT_EQ(0, MessageLog::Get().Count("w", WM_TIMER));
  AdvanceMs(1);
  EXPECT_EQ(1, MessageLog::Get().Count("w", WM_TIMER));
  KillTimer(w, 3);
}

TEST_F(Queue, FiltersAndNoRemove) {
  HWND a = Make("a", WS_POPUP, 0, 0, 10, 10);
  HWND b = Make("b", WS_POPUP, 0, 0, 10, 10);
  PostMessageA(a, WM_USER + 1, 0, 0);
  PostMessageA(b, WM_USER + 2, 0, 0);
  PostThreadMessageA(GetWindowThreadProcessId(a, nullptr), WM_USER + 3, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(UINT(WM_USER + 2), m.message);
  ASSERT_TRUE(PeekMessageA(&m, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));  // thread messages only
  EXPECT_EQ(UINT(WM_USER + 3), m.message);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));
  EXPECT_EQ(b, m.hwnd);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(a, m.hwnd);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, PostToWindowDestroyedMeanwhileIsDropped) {
  HWND a = MakeWindow("a", WS_POPUP, 0, 0, 10, 10);
  PostMessageA(a, WM_USER, 0, 0);
  DestroyWindow(a);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_FALSE(PostMessageA(a, WM_USER, 0, 0));
}

TEST_F(Queue, QuitComesAfterPostedMessages) {
  PostQuitMessage(3);
  PostMessageA(nullptr, WM_USER, 0, 0);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(UINT(WM_USER), m.message);
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(UINT(WM_QUIT), m.message);
  EXPECT_EQ(3u, m.wParam);
}

TEST_F(Queue, PostFromAnotherThreadWakesGetMessage) {
  HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
  std::atomic<bool> posted{false};
  std::thread other([&] {
    // Wait until the main thread is inside GetMessage: nothing can be
    // observed from here, so give it a moment of real time.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    posted = true;
    PostMessageA(w, WM_USER + 5, 42, 0);
  });
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, WM_USER + 5, WM_USER + 5));
  other.join();
  EXPECT_TRUE(posted);
  EXPECT_EQ(42u, m.wParam);
}

TEST_F(Queue, SendFromAnotherThreadRunsOnTheWindowsThread) {
  HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
  DWORD mine = GetWindowThreadProcessId(w, nullptr);
  std::atomic<DWORD> ranOn{0};
  MessageLog::Get().answers[{"w", WM_USER + 9}] = [&](HWND, WPARAM wp, LPARAM) {
    ranOn = win::user::CurrentThreadId();
    EXPECT_TRUE(InSendMessage());
    return LRESULT(wp * 2);
  };
  LRESULT result = 0;
  std::thread other([&] { result = SendMessageA(w, WM_USER + 9, 21, 0); });
  // The send is handled while this thread waits for messages.
  MSG m;
  while (!ranOn) {
    EXPECT_EQ(WAIT_OBJECT_0, MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT));
    PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);
  }
  other.join();
  EXPECT_EQ(42, result);
  EXPECT_EQ(mine, ranOn);
  EXPECT_FALSE(InSendMessage());
}

TEST_F(Queue, RegisteredMessagesAreSharedByName) {
  UINT a = RegisterWindowMessageA("DrumsPrivate");
  EXPECT_GE(a, 0xC000u);
  EXPECT_EQ(a, RegisterWindowMessageA("drumsprivate"));
  EXPECT_NE(a, RegisterWindowMessageA("Other"));
}

}  // namespace

namespace {

class MsgWait : public UserTest {};

// Kernel objects and the queue at once; the timeout follows the clock seam.
TEST_F(MsgWait, EndsOnAnObjectOnTheQueueOrOnTimeout) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread setter([&] { SetEvent(event); });
  EXPECT_EQ(WAIT_OBJECT_0, MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT));
  setter.join();
  ResetEvent(event);

  PostMessageA(nullptr, WM_USER, 0, 0);
  EXPECT_EQ(WAIT_OBJECT_0 + 1, MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT));
  Pump();

  std::atomic<bool> done{false};
  std::thread clock([&] {
    while (!done) {
      win::clock::Advance(10'000);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  EXPECT_EQ(DWORD(WAIT_TIMEOUT), MsgWaitForMultipleObjects(1, &event, FALSE, 100, QS_ALLINPUT));
  done = true;
  clock.join();
  CloseHandle(event);
}

}  // namespace
