// Positions, sizes, z-order, hit tests and activation.
#include "fixture.h"

using namespace usertest;

namespace {

class Geometry : public UserTest {};

// What SetWindowPos tells the window for each kind of change.
TEST_F(Geometry, SetWindowPosSendsSizeAndMoveOnlyForWhatChanged) {
  struct Case {
    int x, y, cx, cy;
    UINT flags;
    int moves, sizes;
  };
  HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300);
  HWND w = Make("w", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top);
  for (const Case& c :
       {Case{20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER, 1, 0}, Case{0, 0, 80, 80, SWP_NOMOVE | SWP_NOZORDER, 0, 1},
        Case{30, 30, 90, 90, SWP_NOZORDER, 1, 1}, Case{30, 30, 90, 90, SWP_NOZORDER, 0, 0},  // nothing changed
        Case{99, 99, 1, 1, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER, 0, 0}}) {
    MessageLog::Get().Clear();
    SetWindowPos(w, nullptr, c.x, c.y, c.cx, c.cy, c.flags);
    EXPECT_EQ(1, MessageLog::Get().Count("w", WM_WINDOWPOSCHANGING));
    EXPECT_EQ(c.moves, MessageLog::Get().Count("w", WM_MOVE)) << c.x << "," << c.cx;
    EXPECT_EQ(c.sizes, MessageLog::Get().Count("w", WM_SIZE)) << c.x << "," << c.cx;
  }
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ((RECT{30, 30, 120, 120}).right, r.right);
}

TEST_F(Geometry, ChangingHandlerCanAlterThePosition) {
  HWND w = Make("w", WS_POPUP, 0, 0, 100, 100);
  MessageLog::Get().answers[{"w", WM_WINDOWPOSCHANGING}] = [](HWND, WPARAM, LPARAM lp) {
    reinterpret_cast<WINDOWPOS*>(lp)->cx = 42;
    return LRESULT(0);
  };
  MoveWindow(w, 5, 5, 200, 200, TRUE);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(42, r.right - r.left);
  EXPECT_EQ(200, r.bottom - r.top);
}

TEST_F(Geometry, FrameSizesMatchAdjustWindowRect) {
  struct Case {
    DWORD style, exStyle;
  };
  for (const Case& c :
       {Case{WS_OVERLAPPEDWINDOW, 0}, Case{WS_POPUP | WS_BORDER, 0},
        Case{WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME}, Case{WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW},
        Case{WS_POPUP, WS_EX_CLIENTEDGE}, Case{WS_POPUP, WS_EX_STATICEDGE}}) {
    HWND w = Make("w", c.style, 0, 0, 200, 150, nullptr, c.exStyle);
    RECT client, adjusted{0, 0, 0, 0};
    GetClientRect(w, &client);
    adjusted = client;
    AdjustWindowRectEx(&adjusted, c.style, FALSE, GetWindowLongA(w, GWL_EXSTYLE));
    EXPECT_EQ(200, adjusted.right - adjusted.left) << std::hex << c.style << " " << c.exStyle;
    EXPECT_EQ(150, adjusted.bottom - adjusted.top) << std::hex << c.style << " " << c.exStyle;
    DestroyWindow(w);
  }
}

TEST_F(Geometry, CoordinatesMapThroughParents) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 50, 300, 300);
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, 10, 20, 100, 100, top);
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(100 + 1 + 10, p.x);
  EXPECT_EQ(50 + 1 + 20, p.y);
  POINT q{5, 5};
  MapWindowPoints(child, top, &q, 1);
  EXPECT_EQ(15, q.x);
  EXPECT_EQ(25, q.y);
  ScreenToClient(child, &p);
  EXPECT_EQ(0, p.x);
}

TEST_F(Geometry, PointLookupsHonourVisibilityDisabledAndZOrder) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300);
  HWND under = Make("under", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, top);
  HWND over = Make("over", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 10, 100, 100, top);
  HWND hidden = Make("hidden", WS_CHILD, 10, 10, 100, 100, top);
  SetWindowPos(hidden, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(over, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  POINT p{50, 50};
  EXPECT_EQ(over, ChildWindowFromPointEx(top, p, CWP_SKIPINVISIBLE));
  EXPECT_EQ(under, ChildWindowFromPointEx(top, p, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED));
  EXPECT_EQ(top, ChildWindowFromPointEx(top, {200, 200}, CWP_ALL));
  EXPECT_EQ(over, WindowFromPoint({50, 50}));  // a disabled window still hides what is under it
  SetWindowPos(over, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(under, WindowFromPoint({50, 50}));
  EXPECT_EQ(over, GetWindow(top, GW_CHILD) == over ? over : GetWindow(under, GW_HWNDNEXT));
}

TEST_F(Geometry, FocusAndActivationMessages) {
  HWND a = Make("a", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
  HWND edit = Make("edit", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, a);
  HWND b = Make("b", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 0, 200, 200);
  Pump();
  EXPECT_EQ(b, GetActiveWindow());
  MessageLog::Get().Clear();
  SetFocus(edit);  // activates a first
  EXPECT_EQ(a, GetActiveWindow());
  EXPECT_EQ(edit, GetFocus());
  // Activation moves first; the focus follows once the new window is active.
  EXPECT_EQ("", Compare({E("b", WM_NCACTIVATE), E("b", WM_ACTIVATE), E("a", WM_NCACTIVATE), E("a", WM_ACTIVATE),
                         E("b", WM_KILLFOCUS), E("a", WM_SETFOCUS), E("a", WM_KILLFOCUS), E("edit", WM_SETFOCUS)},
                        {WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS}));
  // The application losing the desktop's focus.
  MessageLog::Get().Clear();
  host::headless::FocusOtherProgram();
  Pump();
  EXPECT_EQ(1, MessageLog::Get().Count("a", WM_ACTIVATEAPP));
  EXPECT_EQ(nullptr, GetForegroundWindow());
  // Hiding the active window hands activation on.
  SetActiveWindow(a);
  ShowWindow(a, SW_HIDE);
  EXPECT_EQ(b, GetActiveWindow());
}

TEST_F(Geometry, MinimizeMaximizeRestore) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  Pump();
  struct Case {
    int cmd;
    WPARAM sizeKind;
    bool iconic, zoomed;
  };
  for (const Case& c :
       {Case{SW_MAXIMIZE, SIZE_MAXIMIZED, false, true}, Case{SW_RESTORE, SIZE_RESTORED, false, false},
        Case{SW_MINIMIZE, SIZE_MINIMIZED, true, false}, Case{SW_RESTORE, SIZE_RESTORED, false, false}}) {
    MessageLog::Get().Clear();
    ShowWindow(w, c.cmd);
    auto sizes = MessageLog::Get().Only({WM_SIZE});
    ASSERT_FALSE(sizes.empty()) << c.cmd;
    EXPECT_EQ(c.sizeKind, sizes.back().wParam) << c.cmd;
    EXPECT_EQ(c.iconic, IsIconic(w) != 0);
    EXPECT_EQ(c.zoomed, IsZoomed(w) != 0);
  }
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(50, r.left);
  EXPECT_EQ(300, r.right - r.left);
}

}  // namespace
