// Rectangle, string and directory helpers and the caption geometry.
#include "controls/styled/stysysin.h"
#include "controls/styled/styutils.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

TEST(StyUtils, Rectangles) {
  TRect r;
  FitRectKeepAspect(TRect(0, 0, 100, 50), TRect(10, 10, 60, 110), r);
  EXPECT_EQ(r, TRect(10, 10, 60, 35));
  EXPECT_THROW(FitRectKeepAspect(TRect(0, 0, 0, 50), TRect(0, 0, 10, 10), r), EZeroDivide);
  r = TRect(0, 0, 100, 20);
  RotatedBounds(r, 90);
  EXPECT_EQ(r, TRect(0, 0, 20, 100));
  r = TRect(5, 5, 105, 25);
  RotatedBounds(r, 0);
  EXPECT_EQ(r, TRect(5, 5, 105, 25));
  r = TRect(0, 0, 100, 20);
  RotatedBounds(r, 180);
  EXPECT_EQ(r, TRect(0, 0, 100, 20));
  const int values[] = {3, -7, 12, 0};
  EXPECT_EQ(MaxIntOf(values, 3), 12);
  EXPECT_EQ(MinIntOf(values, 3), -7);
}

TEST(StyUtils, Strings) {
  EXPECT_TRUE(IsBlankString(""));
  EXPECT_TRUE(IsBlankString("   "));
  EXPECT_FALSE(IsBlankString("\t"));
  EXPECT_EQ(FillString(3, 'x'), "xxx");
  EXPECT_EQ(AddBackslash(""), "\\");
  EXPECT_EQ(AddBackslash("C:\\a\\"), "C:\\a\\");
  EXPECT_EQ(AddBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(RemoveBackslash("C:\\a\\\\"), "C:\\a\\");
  EXPECT_EQ(RemoveBackslash("  "), "  ");
  EXPECT_EQ(TrimString("\t a b \r\n"), "a b");
  EXPECT_EQ(GetPrefixDirectory(ppFixed, true), "");
  EXPECT_EQ(GetPrefixDirectory(ppWindows, true).back(), '\\');
}

TEST_F(StyledProcs, CaptionRectanglesOfASizeableWindow) {
  ASSERT_EQ(FrameX(), 4);
  ASSERT_EQ(BorderX(), 1);
  ASSERT_EQ(CaptionHeight(), 19);
  ASSERT_EQ(CaptionButtonWidth(), 18);
  ASSERT_EQ(SmallIconWidth(), 16);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "StyCaptionProbe";
  RegisterClassA(&wc);
  HWND h = CreateWindowExA(0, "StyCaptionProbe", "Probe",
                           WS_OVERLAPPED | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CAPTION, 0,
                           0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(h, SW_SHOWNOACTIVATE);
  TRect caption, text;
  WORD flags = 0;
  GetCaptionRects(h, caption, text, flags);
  EXPECT_EQ(caption, TRect(4, 4, 296, 22));
  EXPECT_EQ(text, TRect(25, 4, 239, 22));
  EXPECT_TRUE(flags & cfHasIcon);

  // A hidden window: the text rectangle is the caption rectangle.
  ShowWindow(h, SW_HIDE);
  flags = 0;
  TRect hidden(-1, -1, -1, -1);
  GetCaptionTextRect(h, caption, WS_SYSMENU, hidden, flags, 0);
  EXPECT_EQ(hidden, caption);
  // Without a system menu the text starts two borders in and keeps its right edge.
  ShowWindow(h, SW_SHOWNOACTIVATE);
  GetCaptionTextRect(h, caption, WS_CAPTION, text, flags, 0);
  EXPECT_EQ(text, TRect(6, 4, 296, 22));
  DestroyWindow(h);
}

TEST(StySysInfo, DisplayAndUser) {
  EXPECT_EQ(ColorDepth(), 32);
  EXPECT_FALSE(UserName().empty());
  InitSystemInfo();
  EXPECT_TRUE(IsWindowsNT);
  EXPECT_FALSE(IsWindows98);
}

}  // namespace
}  // namespace styledtest
