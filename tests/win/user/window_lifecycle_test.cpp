// Creating and destroying windows: the messages and their order.
#include "fixture.h"

using namespace usertest;

namespace {

class Lifecycle : public UserTest {};

const std::set<UINT> kLifecycle = {
    WM_GETMINMAXINFO, WM_NCCREATE,   WM_NCCALCSIZE,        WM_CREATE,           WM_SIZE,    WM_MOVE,
    WM_PARENTNOTIFY,  WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_DESTROY, WM_NCDESTROY};

TEST_F(Lifecycle, TopLevelCreateOrder) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
  ASSERT_TRUE(top);
  EXPECT_EQ("", Compare({E("top", WM_GETMINMAXINFO), E("top", WM_NCCREATE), E("top", WM_NCCALCSIZE),
                         E("top", WM_CREATE), E("top", WM_SIZE), E("top", WM_MOVE), E("top", WM_SHOWWINDOW),
                         E("top", WM_WINDOWPOSCHANGING), E("top", WM_WINDOWPOSCHANGED)},
                        kLifecycle));
}

TEST_F(Lifecycle, ChildNotifiesParentAfterCreate) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200);
  MessageLog::Get().Clear();
  Make("child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, top);
  Make("quiet", WS_CHILD, 5, 5, 50, 50, top, WS_EX_NOPARENTNOTIFY);
  // A child gets no WM_GETMINMAXINFO; the quiet one tells nobody.
  EXPECT_EQ("", Compare({E("child", WM_NCCREATE), E("child", WM_NCCALCSIZE), E("child", WM_CREATE), E("child", WM_SIZE),
                         E("child", WM_MOVE), EW("top", WM_PARENTNOTIFY, WM_CREATE), E("child", WM_SHOWWINDOW),
                         E("child", WM_WINDOWPOSCHANGING), E("child", WM_WINDOWPOSCHANGED), E("quiet", WM_NCCREATE),
                         E("quiet", WM_NCCALCSIZE), E("quiet", WM_CREATE), E("quiet", WM_SIZE), E("quiet", WM_MOVE)},
                        kLifecycle));
}

TEST_F(Lifecycle, DestroyOrderParentFirstThenNcDestroyChildrenFirst) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200);
  HWND a = Make("a", WS_CHILD, 0, 0, 10, 10, top, WS_EX_NOPARENTNOTIFY);
  Make("a1", WS_CHILD, 0, 0, 5, 5, a, WS_EX_NOPARENTNOTIFY);
  HWND owned = Make("owned", WS_POPUP, 0, 0, 10, 10, top);
  // While WM_DESTROY reaches the window, all its children still exist.
  bool childAliveAtDestroy = false;
  MessageLog::Get().answers[{"top", WM_DESTROY}] = [&](HWND, WPARAM, LPARAM) {
    childAliveAtDestroy = IsWindow(a) != 0;
    return LRESULT(0);
  };
  MessageLog::Get().Clear();
  ASSERT_TRUE(DestroyWindow(top));
  EXPECT_TRUE(childAliveAtDestroy);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_EQ("", Compare({E("owned", WM_DESTROY), E("owned", WM_NCDESTROY), E("top", WM_DESTROY), E("a", WM_DESTROY),
                         E("a1", WM_DESTROY), E("a1", WM_NCDESTROY), E("a", WM_NCDESTROY), E("top", WM_NCDESTROY)},
                        {WM_DESTROY, WM_NCDESTROY}));
}

// A window that refuses creation is gone and CreateWindowEx returns nothing.
TEST_F(Lifecycle, FailedCreationDestroysTheWindow) {
  struct Case {
    UINT refuse;
    LRESULT answer;
    std::vector<UINT> after;  // what the window sees after refusing
  };
  for (const Case& c : {Case{WM_NCCREATE, FALSE, {WM_NCDESTROY}}, Case{WM_CREATE, -1, {WM_DESTROY, WM_NCDESTROY}}}) {
    MessageLog::Get().Clear();
    MessageLog::Get().answers[{"bad", c.refuse}] = [&](HWND, WPARAM, LPARAM) { return c.answer; };
    HWND h = MakeWindow("bad", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    MessageLog::Get().answers.clear();
    EXPECT_EQ(nullptr, h) << MessageName(c.refuse);
    std::vector<UINT> seen = MessageLog::Get().MessagesOf("bad");
    auto at = std::find(seen.begin(), seen.end(), c.refuse);
    ASSERT_NE(at, seen.end());
    EXPECT_EQ(c.after, std::vector<UINT>(at + 1, seen.end())) << MessageName(c.refuse);
  }
}

TEST_F(Lifecycle, UseDefaultPlacesTopLevelsAndZeroesChildren) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_GT(r.right - r.left, 100);
  EXPECT_GT(r.bottom - r.top, 100);
  HWND child = Make("child", WS_CHILD, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, top);
  GetClientRect(child, &r);
  EXPECT_EQ(0, r.right);
  EXPECT_EQ(0, r.bottom);
}

TEST_F(Lifecycle, ChildWithoutParentFailsAndUnknownClassFails) {
  EXPECT_EQ(nullptr, MakeWindow("orphan", WS_CHILD, 0, 0, 10, 10, nullptr));
  EXPECT_EQ(nullptr, CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(Lifecycle, ClassInUseCannotBeUnregistered) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "Temporary";
  wc.cbWndExtra = 8;
  ASSERT_NE(0, RegisterClassA(&wc));
  EXPECT_EQ(0, RegisterClassA(&wc));  // twice is refused
  HWND h = CreateWindowExA(0, "temporary", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(h);
  EXPECT_FALSE(UnregisterClassA("Temporary", nullptr));
  char name[32];
  EXPECT_EQ(9, GetClassNameA(h, name, sizeof name));
  EXPECT_STREQ("Temporary", name);
  EXPECT_EQ(8u, GetClassLongPtrA(h, GCL_CBWNDEXTRA));
  DestroyWindow(h);
  EXPECT_TRUE(UnregisterClassA("Temporary", nullptr));
}

}  // namespace

namespace {

class HostWindows : public UserTest {};

// Hidden utility windows (timer and notification windows) never reach the
// desktop; a top-level window gets its desktop window when first shown.
TEST_F(HostWindows, MadeOnFirstShowWithTheWindowsBounds) {
  HWND w = Make("w", WS_POPUP, 30, 40, 120, 90);
  EXPECT_EQ(0u, HostOf(w));
  ShowWindow(w, SW_SHOW);
  ASSERT_NE(0u, HostOf(w));
  host::headless::WindowState st;
  ASSERT_TRUE(host::headless::GetWindowState(HostOf(w), st));
  EXPECT_TRUE(st.visible);
  EXPECT_EQ(30, st.bounds.x);
  EXPECT_EQ(90, st.bounds.h);
  ShowWindow(w, SW_HIDE);
  ASSERT_TRUE(host::headless::GetWindowState(HostOf(w), st));
  EXPECT_FALSE(st.visible);
}

}  // namespace
