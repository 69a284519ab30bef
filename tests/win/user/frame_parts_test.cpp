// Scroll bars of the frame, dropped files and device changes.
#include "fixture.h"
#include "platform/win/user/device_change.h"

using namespace usertest;

namespace {

class FrameParts : public UserTest {};

TEST_F(FrameParts, ScrollBarArrowClickSendsLineDownThenEndScroll) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 100, 100, 200, 200);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  Pump();
  MessageLog::Get().Clear();
  // The lower arrow: the bottom 16 pixels of the bar on the right.
  QueueMouse(host::EventType::MouseDown, 100 + 192, 100 + 192);
  QueueMouse(host::EventType::MouseUp, 100 + 192, 100 + 192);
  Pump();
  auto scrolls = MessageLog::Get().Only({WM_VSCROLL});
  ASSERT_EQ(2u, scrolls.size());
  EXPECT_EQ(WPARAM(SB_LINEDOWN), LOWORD(scrolls[0].wParam));
  EXPECT_EQ(WPARAM(SB_ENDSCROLL), LOWORD(scrolls[1].wParam));
}

TEST_F(FrameParts, ScrollInfoClampsAndHidesAnEmptyBar) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 0, 0, 200, 200);
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 99, 20, 500, 0};
  EXPECT_EQ(80, SetScrollInfo(w, SB_VERT, &si, FALSE));  // max - page + 1
  RECT c;
  GetClientRect(w, &c);
  EXPECT_EQ(200 - 16, c.right);
  // A range the page covers needs no bar: it goes and the client widens.
  si = {sizeof si, SIF_RANGE | SIF_PAGE, 0, 9, 20, 0, 0};
  SetScrollInfo(w, SB_VERT, &si, FALSE);
  GetClientRect(w, &c);
  EXPECT_EQ(200, c.right);
  EXPECT_FALSE(GetWindowLongA(w, GWL_STYLE) & WS_VSCROLL);
  // Unless asked to stay (disabled).
  si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 20, 0, 0};
  SetScrollInfo(w, SB_VERT, &si, FALSE);
  EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_VSCROLL);
}

// A window that keeps a 5-pixel frame of its own (WM_NCCALCSIZE) and paints
// it green (WM_NCPAINT), with both scroll bars.
class OwnFrame : public UserTest {
 protected:
  static constexpr int kFrame = 5;
  HWND MakeFramed(DWORD extraStyle = 0) {
    auto& answers = MessageLog::Get().answers;
    answers[{"framed", WM_NCCALCSIZE}] = [](HWND h, WPARAM wp, LPARAM lp) {
      LRESULT r = DefWindowProcA(h, WM_NCCALCSIZE, wp, lp);
      InflateRect(reinterpret_cast<RECT*>(lp), -kFrame, -kFrame);
      return r;
    };
    answers[{"framed", WM_NCPAINT}] = [](HWND h, WPARAM wp, LPARAM lp) {
      LRESULT r = DefWindowProcA(h, WM_NCPAINT, wp, lp);
      HDC dc = GetWindowDC(h);
      RECT wr;
      GetWindowRect(h, &wr);
      HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
      for (RECT band : {RECT{0, 0, wr.right - wr.left, kFrame}, RECT{0, 0, kFrame, wr.bottom - wr.top},
                        RECT{0, wr.bottom - wr.top - kFrame, wr.right - wr.left, wr.bottom - wr.top},
                        RECT{wr.right - wr.left - kFrame, 0, wr.right - wr.left, wr.bottom - wr.top}})
        FillRect(dc, &band, green);
      DeleteObject(green);
      ReleaseDC(h, dc);
      return r;
    };
    HWND w = Make("framed", WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | extraStyle, 0, 0, 200, 150);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 999, 100, 0, 0};
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    SetScrollInfo(w, SB_HORZ, &si, TRUE);
    Pump();
    return w;
  }
};

TEST_F(OwnFrame, ScrollBarsSitBesideTheClientAreaInsideTheOwnFrame) {
  HWND w = MakeFramed();
  RECT c;
  GetClientRect(w, &c);
  EXPECT_EQ(200 - 2 * kFrame - 16, c.right);
  EXPECT_EQ(150 - 2 * kFrame - 16, c.bottom);
  const int barX = kFrame + c.right + 1, barY = kFrame + c.bottom + 1;
  EXPECT_EQ(HTVSCROLL, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(barX, 60)));
  EXPECT_EQ(HTHSCROLL, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(60, barY)));
  EXPECT_NE(HTVSCROLL, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(200 - 2, 60)));
  EXPECT_NE(HTHSCROLL, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(60, 150 - 2)));
  // The window's own frame lies outside the bars and stays green.
  EXPECT_EQ(0x00FF00u, Pixel(w, 200 - 2, 60));
  EXPECT_EQ(0x00FF00u, Pixel(w, 60, 150 - 2));
  EXPECT_NE(0x00FF00u, Pixel(w, barX, 60));
}

TEST_F(OwnFrame, ScrollCallsRedrawOnlyTheirBar) {
  HWND w = MakeFramed();
  // Paint the frame over with another colour; a scroll call must leave it.
  HDC dc = GetWindowDC(w);
  RECT corner{200 - kFrame - 16, 150 - kFrame - 16, 200 - kFrame, 150 - kFrame};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, &corner, red);
  DeleteObject(red);
  ReleaseDC(w, dc);
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 300, 0};
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  SetScrollInfo(w, SB_HORZ, &si, TRUE);
  EXPECT_EQ(0xFF0000u, Pixel(w, 200 - kFrame - 8, 150 - kFrame - 8));
  EXPECT_EQ(0x00FF00u, Pixel(w, 1, 1));
}

TEST_F(OwnFrame, ChildrenDoNotClipTheParentsFrame) {
  HWND w = MakeFramed(WS_CLIPCHILDREN);
  // A child reaching far beyond the client area on every side.
  Make("child", WS_CHILD | WS_VISIBLE, -50, -50, 400, 400, w);
  Pump();
  HDC dc = GetWindowDC(w);
  RECT all{0, 0, 200, 150};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(dc, &all, blue);
  DeleteObject(blue);
  ReleaseDC(w, dc);
  for (POINT p : {POINT{1, 1}, POINT{100, 2}, POINT{198, 148}, POINT{200 - kFrame - 8, 150 - kFrame - 8}})
    EXPECT_EQ(0x0000FFu, Pixel(w, p.x, p.y)) << p.x << "," << p.y;
  // The client area is the child's.
  EXPECT_NE(0x0000FFu, Pixel(w, 60, 60));
}

TEST_F(FrameParts, DroppedFilesReachTheWindowThatAcceptsThem) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
  Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, top);
  DragAcceptFiles(top, TRUE);
  Pump();
  HDROP got = nullptr;
  std::vector<std::string> files;
  MessageLog::Get().answers[{"top", WM_DROPFILES}] = [&](HWND, WPARAM wp, LPARAM) {
    got = reinterpret_cast<HDROP>(wp);
    UINT n = DragQueryFileA(got, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < n; i++) {
      char buf[MAX_PATH];
      DragQueryFileA(got, i, buf, sizeof buf);
      files.push_back(buf);
    }
    POINT p;
    EXPECT_TRUE(DragQueryPoint(got, &p));
    EXPECT_EQ(50, p.x);
    DragFinish(got);
    return LRESULT(0);
  };
  host::Event e;
  e.type = host::EventType::FileDrop;
  e.window = HostOf(top);
  e.x = e.screenX = 50;
  e.y = e.screenY = 60;
  e.paths = {"/home/user/kick.wav", "/home/user/snare.wav"};
  host::headless::PushEvent(e);
  Pump();
  // Dropped on the child, which does not accept files: its parent gets them.
  EXPECT_EQ((std::vector<std::string>{"/home/user/kick.wav", "/home/user/snare.wav"}), files);
  EXPECT_EQ(0u, DragQueryFileA(got, 0xFFFFFFFF, nullptr, 0));  // finished
}

TEST_F(FrameParts, VolumeChangesAreBroadcastToTopLevelWindows) {
  Make("top", WS_POPUP, 0, 0, 10, 10);
  win::user::VolumesChanged({"/", "/home"});
  MessageLog::Get().Clear();
  win::user::VolumesChanged({"/", "/home", "/media/usb"});
  win::user::VolumesChanged({"/", "/home"});
  auto changes = MessageLog::Get().Only({WM_DEVICECHANGE});
  ASSERT_EQ(2u, changes.size());
  EXPECT_EQ(WPARAM(DBT_DEVICEARRIVAL), changes[0].wParam);
  EXPECT_EQ(WPARAM(DBT_DEVICEREMOVECOMPLETE), changes[1].wParam);
}

}  // namespace
