// Mouse and keyboard input: capture, double clicks, the wheel, key messages.
#include "fixture.h"

using namespace usertest;

namespace {

class Input : public UserTest {};

TEST_F(Input, CaptureKeepsMouseMessagesAndIsTakenAway) {
  HWND a = Make("a", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100);
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, 400, 100, 100, 100);
  Pump();
  SetCapture(a);
  MessageLog::Get().Clear();
  MouseMove(450, 150);  // over b, but a holds the capture
  EXPECT_EQ(1, MessageLog::Get().Count("a", WM_MOUSEMOVE));
  EXPECT_EQ(0, MessageLog::Get().Count("b", WM_MOUSEMOVE));
  auto moves = MessageLog::Get().Only({WM_MOUSEMOVE});
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(350, GET_X_LPARAM(moves.back().lParam));  // client coordinates of a, outside it
  SetCapture(b);
  auto changed = MessageLog::Get().Only({WM_CAPTURECHANGED});
  ASSERT_EQ(1u, changed.size());
  EXPECT_EQ("a", changed[0].window);
  EXPECT_EQ(reinterpret_cast<LPARAM>(b), changed[0].lParam);
  ReleaseCapture();
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(1, MessageLog::Get().Count("b", WM_CAPTURECHANGED));
}

TEST_F(Input, DoubleClicksOnlyForClassesThatAskAndWithinTimeAndArea) {
  HWND plain = Make("plain", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND dbl = Make("dbl", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, nullptr, 0, RecordingClassDbl());
  (void)plain;
  (void)dbl;
  Pump();
  struct Case {
    const char* window;
    int x2, dx, waitMs;
    UINT second;
  };
  const int time = static_cast<int>(GetDoubleClickTime());
  for (const Case& c : {Case{"plain", 50, 0, 10, WM_LBUTTONDOWN}, Case{"dbl", 250, 0, 10, WM_LBUTTONDBLCLK},
                        Case{"dbl", 250, 0, time + 1, WM_LBUTTONDOWN},
                        Case{"dbl", 250, GetSystemMetrics(SM_CXDOUBLECLK), 10, WM_LBUTTONDOWN}}) {
    AdvanceMs(2 * time);  // forget earlier clicks
    Click(c.x2, 50);
    AdvanceMs(c.waitMs);
    MessageLog::Get().Clear();
    MouseDown(c.x2 + c.dx, 50);
    auto downs = MessageLog::Get().Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
    ASSERT_EQ(1u, downs.size()) << c.window;
    EXPECT_EQ(c.window, downs[0].window);
    EXPECT_EQ(c.second, downs[0].msg) << c.window << " wait " << c.waitMs << " dx " << c.dx;
    MouseUp(c.x2 + c.dx, 50);
  }
}

TEST_F(Input, MouseKeyFlagsFollowButtonsAndModifiers) {
  Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Pump();
  MouseDown(10, 10, host::MouseButton::Left, host::ModShift);
  MouseMove(20, 20, host::ModShift | host::ButtonLeft);
  auto moves = MessageLog::Get().Only({WM_MOUSEMOVE});
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(WPARAM(MK_LBUTTON | MK_SHIFT), moves.back().wParam);
  MouseUp(20, 20);
  EXPECT_GE(0, GetKeyState(VK_LBUTTON) & 0x8000 ? -1 : 0);
}

TEST_F(Input, WheelGoesToTheFocusWindowInScreenCoordinates) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200);
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top);
  Pump();
  SetFocus(child);
  MessageLog::Get().Clear();
  host::Event e;
  e.type = host::EventType::MouseWheel;
  e.window = HostOf(top);
  e.x = 150;
  e.y = 150;
  e.screenX = 250;
  e.screenY = 250;
  e.wheel = -120;
  host::headless::PushEvent(e);
  Pump();
  auto wheels = MessageLog::Get().Only({WM_MOUSEWHEEL});
  // The child gets it and, not handling it, its parent does too.
  ASSERT_EQ(2u, wheels.size());
  EXPECT_EQ("child", wheels[0].window);
  EXPECT_EQ("top", wheels[1].window);
  EXPECT_EQ(-120, GET_WHEEL_DELTA_WPARAM(wheels[0].wParam));
  EXPECT_EQ(250, GET_X_LPARAM(wheels[0].lParam));
}

TEST_F(Input, KeysReachTheFocusWithCharsFromTranslate) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Pump();
  SetFocus(top);
  MessageLog::Get().Clear();
  Press(VK_RETURN);
  auto keys = MessageLog::Get().Only({WM_KEYDOWN, WM_CHAR, WM_KEYUP});
  ASSERT_EQ(3u, keys.size());
  EXPECT_EQ(UINT(WM_KEYDOWN), keys[0].msg);
  EXPECT_EQ(UINT(WM_CHAR), keys[1].msg);
  EXPECT_EQ(WPARAM(13), keys[1].wParam);
  EXPECT_EQ(UINT(WM_KEYUP), keys[2].msg);
  // The transition bits of lParam: up has bits 30 and 31 set.
  EXPECT_EQ(0u, static_cast<DWORD>(keys[0].lParam) & 0xC0000000u);
  EXPECT_EQ(0xC0000000u, static_cast<DWORD>(keys[2].lParam) & 0xC0000000u);
  MessageLog::Get().Clear();
  Press('X', host::ModAlt);
  auto sys = MessageLog::Get().Only({WM_SYSKEYDOWN, WM_SYSCHAR, WM_KEYDOWN});
  ASSERT_GE(sys.size(), 2u);
  EXPECT_EQ(UINT(WM_SYSKEYDOWN), sys[0].msg);
  EXPECT_EQ(UINT(WM_SYSCHAR), sys[1].msg);
  EXPECT_EQ(WPARAM('x'), sys[1].wParam);
}

TEST_F(Input, ClickActivatesThroughMouseActivate) {
  HWND a = Make("a", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, 300, 0, 100, 100);
  Pump();
  EXPECT_EQ(b, GetActiveWindow());
  MessageLog::Get().Clear();
  Click(100, 100);
  EXPECT_EQ(a, GetActiveWindow());
  auto acts = MessageLog::Get().Only({WM_MOUSEACTIVATE, WM_ACTIVATE});
  ASSERT_GE(acts.size(), 3u);
  EXPECT_EQ("a", acts[0].window);
  EXPECT_EQ(UINT(WM_MOUSEACTIVATE), acts[0].msg);
  EXPECT_EQ(WPARAM(WA_INACTIVE), LOWORD(acts[1].wParam));
  EXPECT_EQ(WPARAM(WA_CLICKACTIVE), LOWORD(acts[2].wParam));
  // A window that answers MA_NOACTIVATE stays inactive.
  MessageLog::Get().answers[{"b", WM_MOUSEACTIVATE}] = [](HWND, WPARAM, LPARAM) { return LRESULT(MA_NOACTIVATE); };
  Click(350, 50);
  EXPECT_EQ(a, GetActiveWindow());
}

TEST_F(Input, DisabledWindowGetsNoClicks) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Pump();
  EnableWindow(w, FALSE);
  MessageLog::Get().Clear();
  Click(50, 50);
  EXPECT_EQ(0, MessageLog::Get().Count("w", WM_LBUTTONDOWN));
  EnableWindow(w, TRUE);
  Click(50, 50);
  EXPECT_EQ(1, MessageLog::Get().Count("w", WM_LBUTTONDOWN));
}

TEST_F(Input, MouseLeaveAfterTrackingWhenThePointerMovesAway) {
  HWND a = Make("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Make("b", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
  Pump();
  MouseMove(50, 50);
  TRACKMOUSEEVENT t{sizeof t, TME_LEAVE | TME_HOVER, a, 100};
  ASSERT_TRUE(TrackMouseEvent(&t));
  AdvanceMs(100);
  EXPECT_EQ(1, MessageLog::Get().Count("a", WM_MOUSEHOVER));
  MouseMove(250, 50);
  EXPECT_EQ(1, MessageLog::Get().Count("a", WM_MOUSELEAVE));
}

}  // namespace
