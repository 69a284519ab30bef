// "STATIC": what it draws, and the clicks it reports only with SS_NOTIFY.
#include "controls_fixture.h"

using namespace controlstest;

namespace {

class StaticTest : public ControlsTest {
 protected:
  std::uint32_t At(HWND h, int x, int y) {
    POINT p = ScreenPoint(h, x, y);
    RECT wr;
    GetWindowRect(parent, &wr);
    return Pixel(parent, p.x - wr.left, p.y - wr.top);
  }
};

TEST_F(StaticTest, RectanglesFramesAndBitmaps) {
  HWND black = Child("STATIC", "", SS_BLACKRECT, 10, 10, 20, 20, 1);
  HWND frame = Child("STATIC", "", SS_BLACKFRAME, 40, 10, 20, 20, 2);
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 8, 8);
  ReleaseDC(nullptr, screen);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bmp);
  RECT all{0, 0, 8, 8};
  HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
  FillRect(mem, &all, green);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(green);
  HWND picture = Child("STATIC", "", SS_BITMAP, 70, 10, 20, 20, 3);
  EXPECT_EQ(SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp)), 0);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)), bmp);
  UpdateWindow(parent);
  Pump();
  EXPECT_EQ(At(black, 10, 10), 0x000000u);
  EXPECT_EQ(At(frame, 0, 10), 0x000000u);
  EXPECT_NE(At(frame, 10, 10), 0x000000u) << "a frame leaves its inside";
  EXPECT_EQ(At(picture, 3, 3), 0x00C800u);
  DestroyWindow(picture);
  DeleteObject(bmp);
}

TEST_F(StaticTest, OnlyANotifyingStaticTakesTheMouse) {
  HWND plain = Child("STATIC", "Tempo", SS_LEFT, 10, 10, 60, 16, 4);
  HWND notify = Child("STATIC", "Kit", SS_LEFT | SS_NOTIFY, 10, 40, 60, 16, 5);
  usertest::MessageLog::Get().Clear();
  ClickAt(plain, 5, 5);
  EXPECT_EQ(usertest::MessageLog::Get().Count("parent", WM_LBUTTONDOWN), 1) << "the click falls through to the parent";
  ClickAt(notify, 5, 5);
  EXPECT_EQ(CodesOf(5), std::vector<int>{STN_CLICKED});
  EXPECT_TRUE(CodesOf(4).empty());
  SetWindowTextA(plain, "Tempo 120");
  char buf[32] = {};
  GetWindowTextA(plain, buf, sizeof buf);
  EXPECT_STREQ(buf, "Tempo 120");
}

}  // namespace
