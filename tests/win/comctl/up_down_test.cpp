// The up-down control's acceleration table: its first entry is the step of
// a single click and of an arrow key, not only of a held button.
#include "comctl_fixture.h"

namespace comctltest {
namespace {

class UpDownTest : public ComctlTest {};

TEST_F(UpDownTest, AClickAndAnArrowKeyStepByTheFirstIncrement) {
  MakeParent(200, 100);
  HWND ud = MakeChild(UPDOWN_CLASSA, UDS_ARROWKEYS, 10, 10, 16, 40, 7);
  SendMessageA(ud, UDM_SETRANGE32, 0, 100);
  UDACCEL accel{0, 5};
  ASSERT_TRUE(SendMessageA(ud, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel)));
  Click(ud, 8, 5);  // the upper arrow
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 5);
  Click(ud, 8, 30);  // the lower arrow
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 0);
  SetFocus(ud);
  Press(VK_UP);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 5);
  // The parent heard the step of 5 before it was made.
  bool heardDelta = false;
  for (const Heard& h : heard) heardDelta |= h.msg == WM_NOTIFY && h.code == UDN_DELTAPOS;
  EXPECT_TRUE(heardDelta);
}

}  // namespace
}  // namespace comctltest
