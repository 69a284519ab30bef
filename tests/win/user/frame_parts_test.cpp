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
