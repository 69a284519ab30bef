// A whole window as a person sees it: caption, menu bar, children, scroll
// bars. Saved as a PNG for looking at, with pixel probes on the frame parts.
#include <cstdlib>
#include <filesystem>

#include "fixture.h"
#include "support/TempFolder.h"
#include "platform/win/user/draw_util.h"

using namespace usertest;

namespace {

class Screenshot : public UserTest {};

TEST_F(Screenshot, WindowWithCaptionMenuChildrenAndScrollBars) {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 1, "&Open");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_STRING, 2, "&Pattern");
  AppendMenuA(bar, MF_STRING | MF_GRAYED, 3, "&Help");
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 40, 40, 360, 260,
                  nullptr, 0, nullptr, bar);
  SetWindowTextA(top, "Drum machine");
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 25, 30, 0};
  SetScrollInfo(top, SB_VERT, &si, TRUE);
  SetScrollInfo(top, SB_HORZ, &si, TRUE);
  Make("panel", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 150, 80, top);
  Make("list", WS_CHILD | WS_VISIBLE, 180, 10, 120, 120, top, WS_EX_CLIENTEDGE);
  MessageLog::Get().answers[{"panel", WM_PAINT}] = [](HWND h, WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT r;
    GetClientRect(h, &r);
    win::user::FillSolid(dc, r, RGB(0, 128, 0));
    EndPaint(h, &ps);
    return LRESULT(0);
  };
  Pump();
  EXPECT_TRUE(IsWindowVisible(top));

  TempFolder folder;
  const char* dir = std::getenv("DRUMS_SCREENSHOTS");
  std::string path = (dir ? std::string(dir) : folder.Path()) + "/user_window.png";
  EXPECT_TRUE(host::Get().Screenshot(HostOf(top), path)) << path;

  // Caption in the active colour, the frame in the face colour, the panel
  // green, the scroll bar's arrow box in the face colour.
  auto rgb = [](COLORREF c) { return (std::uint32_t(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c); };
  EXPECT_EQ(rgb(win::user::Sys(COLOR_ACTIVECAPTION)), Pixel(top, 100, 10));
  EXPECT_EQ(rgb(win::user::Sys(COLOR_MENU)), Pixel(top, 250, 4 + 19 + 9));
  RECT client;
  GetClientRect(top, &client);
  POINT panel{20, 20};
  MapWindowPoints(top, nullptr, &panel, 1);
  EXPECT_EQ(0x008000u, Pixel(top, panel.x - 40, panel.y - 40));
  EXPECT_EQ(360 - 4 - 4 - 16, client.right);
  EXPECT_EQ(260 - 4 - 4 - 19 - 19 - 16, client.bottom);
  DestroyWindow(top);
}

}  // namespace
