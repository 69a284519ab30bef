// The reset between tests: nothing of the last test reaches the next one.
#include "fixture.h"
#include "platform/win/winbase.h"
#include "platform/win/user/message_box.h"
#include "platform/win/user/wm_state.h"

using namespace usertest;

namespace {

TEST_F(UserTest, ResetLeavesNoWindowStateOrMessageBehind) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top);
  HMENU menu = CreatePopupMenu();
  Pump();
  SetFocus(child);
  SetCapture(child);
  Key(VK_SHIFT, true);
  MouseMove(120, 130);
  SetTimer(top, 1, 10, nullptr);
  PostMessageA(top, WM_APP, 0, 0);
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  MessageBoxA(nullptr, "left over", "Drums", MB_OK);

  win::user::ResetWindowManager();

  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_EQ(nullptr, GetFocus());
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(nullptr, GetActiveWindow());
  EXPECT_EQ(0, GetKeyState(VK_SHIFT) & 0x8000);
  POINT p;
  GetCursorPos(&p);
  EXPECT_EQ(0, p.x);
  EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty());
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
