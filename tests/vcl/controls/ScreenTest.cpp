#include "ControlsFixture.h"
#include "platform/win/windows.h"

namespace ctltest {
namespace {

TEST_F(ControlsTest, ProgramCursorIsSetAndShownOverItsControl) {
  HCURSOR custom = LoadCursorA(nullptr, IDC_CROSS);
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  EXPECT_EQ(Screen->GetCursors(-255), arrow);  // unknown: the default
  Screen->SetCursors(-255, custom);
  EXPECT_EQ(Screen->GetCursors(-255), custom);

  auto* probe = new TProbe(nullptr);
  probe->SetBounds(10, 10, 20, 20);
  probe->SetParent(host);
  probe->SetCursor(-255);
  HWND h = host->GetHandle();
  TPoint origin = host->ClientToScreen(TPoint(0, 0));
  SetCursorPos(origin.X + 15, origin.Y + 15);
  SetCursor(nullptr);
  SendMessageA(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), custom);

  // The screen's cursor overrides every control's while set.
  Screen->SetCursor(crHourGlass);
  SendMessageA(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  Screen->SetCursor(crDefault);

  Screen->SetCursors(-255, nullptr);
  EXPECT_EQ(Screen->GetCursors(-255), arrow);
}

TEST_F(ControlsTest, ScreenReportsTheDesktop) {
  EXPECT_EQ(Screen->GetWidth(), 1280);
  EXPECT_EQ(Screen->GetHeight(), 1024);
  EXPECT_EQ(Screen->GetWorkAreaRect(), Rect(0, 0, 1280, 984));
  EXPECT_EQ(Screen->GetPixelsPerInch(), 96);
}

}  // namespace
}  // namespace ctltest
