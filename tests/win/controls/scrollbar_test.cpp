// Scroll bars: the "SCROLLBAR" control through the SB_CTL functions, its
// mouse parts, thumb tracking and keys; the parent moves it, as the system
// leaves that to the parent.
#include "controls_fixture.h"

using namespace controlstest;

namespace {

class ScrollBarTest : public ControlsTest {
 protected:
  struct Heard {
    int code;
    int pos;
  };
  std::vector<Heard> heard;
  HWND bar = nullptr;

  void SetUp() override {
    ControlsTest::SetUp();
    bar = Child("SCROLLBAR", "", SBS_VERT | WS_TABSTOP, 10, 10, 17, 200, 61);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 20, 0};
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &si, TRUE), 20);
    usertest::MessageLog::Get().answers[{"parent", WM_VSCROLL}] = [this](HWND, WPARAM wp, LPARAM lp) {
      EXPECT_EQ(reinterpret_cast<HWND>(lp), bar) << "the control names itself";
      heard.push_back({LOWORD(wp), static_cast<short>(HIWORD(wp))});
      int pos = GetScrollPos(bar, SB_CTL);
      switch (LOWORD(wp)) {
        case SB_LINEUP: pos -= 1; break;
        case SB_LINEDOWN: pos += 1; break;
        case SB_PAGEUP: pos -= 10; break;
        case SB_PAGEDOWN: pos += 10; break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = 90; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = static_cast<short>(HIWORD(wp)); break;
        default: break;
      }
      SetScrollPos(bar, SB_CTL, pos, TRUE);
      return LRESULT(0);
    };
  }
  std::vector<int> Codes() const {
    std::vector<int> c;
    for (const Heard& h : heard) c.push_back(h.code);
    return c;
  }
};

TEST_F(ScrollBarTest, TheScrollFunctionsReachTheControl) {
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &si));
  EXPECT_EQ(si.nMax, 99);
  EXPECT_EQ(si.nPage, 10u);
  EXPECT_EQ(si.nPos, 20);
  EXPECT_EQ(SetScrollPos(bar, SB_CTL, 500, TRUE), 20);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 90) << "held at max - page + 1";
  ASSERT_TRUE(SetScrollRange(bar, SB_CTL, 0, 40, TRUE));
  int lo = -1, hi = -1;
  ASSERT_TRUE(GetScrollRange(bar, SB_CTL, &lo, &hi));
  EXPECT_EQ(hi, 40);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 31);
  ASSERT_TRUE(ShowScrollBar(bar, SB_CTL, FALSE));
  EXPECT_FALSE(IsWindowVisible(bar));
}

TEST_F(ScrollBarTest, ArrowsTrackAndKeysSendEveryCode) {
  ClickAt(bar, 8, 5);  // the up arrow
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL}));
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 19);
  heard.clear();
  ClickAt(bar, 8, 195);  // the down arrow
  AdvanceMs(1000);
  ClickAt(bar, 8, 180);  // the track below the thumb
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 30);

  // Held on an arrow, it repeats after a delay.
  heard.clear();
  DownAt(bar, 8, 195);
  AdvanceMs(300);
  EXPECT_EQ(heard.size(), 1u);
  AdvanceMs(150);
  AdvanceMs(60);
  UpAt(bar, 8, 195);
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));

  SetFocus(bar);
  Pump();
  heard.clear();
  for (int vk : {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END}) Press(vk);
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEUP, SB_ENDSCROLL,
                                       SB_PAGEDOWN, SB_ENDSCROLL, SB_TOP, SB_ENDSCROLL, SB_BOTTOM, SB_ENDSCROLL}));
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 90);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenSetsThePosition) {
  SetScrollPos(bar, SB_CTL, 0, TRUE);
  // The thumb starts just below the up arrow; drag it down the track.
  AdvanceMs(1000);
  DownAt(bar, 8, 20);
  MoveTo(bar, 8, 60);
  MoveTo(bar, 8, 100);
  SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &si);
  int tracked = si.nTrackPos;
  UpAt(bar, 8, 100);
  ASSERT_GE(heard.size(), 3u);
  EXPECT_EQ(heard.front().code, SB_THUMBTRACK);
  EXPECT_EQ(heard[heard.size() - 2].code, SB_THUMBPOSITION);
  EXPECT_EQ(heard[heard.size() - 2].pos, tracked);
  EXPECT_EQ(heard.back().code, SB_ENDSCROLL);
  EXPECT_GT(tracked, 30);
  EXPECT_LT(tracked, 60);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), tracked);
}

}  // namespace
