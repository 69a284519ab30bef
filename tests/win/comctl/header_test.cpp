// The header control on its own: layout, hit testing, clicks, hot tracking,
// refused changes and full-drag tracking.
#include "comctl_fixture.h"

namespace comctltest {
namespace {

class HeaderTest : public ComctlTest {
 protected:
  HWND MakeHeader(DWORD style) {
    MakeParent(320, 120);
    HWND h = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | style, 10, 10, 300, 24, parent,
                             reinterpret_cast<HMENU>(5), nullptr, nullptr);
    for (const char* text : {"Name", "Size", "Type"}) {
      HDITEMA item{};
      item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
      item.pszText = const_cast<LPSTR>(text);
      item.cxy = 80;
      item.fmt = HDF_STRING | HDF_LEFT;
      SendMessageA(h, HDM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&item));
    }
    Paint();
    heard.clear();
    return h;
  }
  int Width(HWND h, int item) {
    HDITEMA hd{};
    hd.mask = HDI_WIDTH;
    SendMessageA(h, HDM_GETITEMA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&hd));
    return hd.cxy;
  }
  int CountColour(HWND h, RECT r, std::uint32_t colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; y++)
      for (int x = r.left; x < r.right; x++)
        if (Pixel(h, x, y) == colour) n++;
    return n;
  }
};

TEST_F(HeaderTest, LayoutTakesItsHeightFromTheTopOfTheRectangle) {
  HWND h = MakeHeader(HDS_BUTTONS);
  RECT r{0, 0, 200, 100};
  WINDOWPOS pos{};
  HDLAYOUT layout{&r, &pos};
  ASSERT_TRUE(SendMessageA(h, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)));
  EXPECT_GT(pos.cy, 10);
  EXPECT_EQ(pos.cx, 200);
  EXPECT_EQ(r.top, pos.cy);
  SetWindowLongA(h, GWL_STYLE, GetWindowLongA(h, GWL_STYLE) | HDS_HIDDEN);
  RECT r2{0, 0, 200, 100};
  HDLAYOUT hidden{&r2, &pos};
  SendMessageA(h, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&hidden));
  EXPECT_EQ(pos.cy, 0);
  EXPECT_EQ(r2.top, 0);
}

TEST_F(HeaderTest, HitTestFindsItemsAndDividers) {
  HWND h = MakeHeader(HDS_BUTTONS);
  struct Case {
    int x;
    UINT flags;
    int item;
  } cases[] = {{10, HHT_ONHEADER, 0},  {79, HHT_ONDIVIDER, 0}, {82, HHT_ONDIVIDER, 0},
               {120, HHT_ONHEADER, 1}, {250, HHT_NOWHERE, -1}, {-5, HHT_TOLEFT, -1}};
  for (const Case& c : cases) {
    HDHITTESTINFO hit{};
    hit.pt = POINT{c.x, 10};
    EXPECT_EQ(SendMessageA(h, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), c.item) << c.x;
    EXPECT_EQ(hit.flags, c.flags) << c.x;
  }
  RECT r{};
  SendMessageA(h, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, 160);
  EXPECT_EQ(r.right, 240);
}

TEST_F(HeaderTest, ButtonsClickOnlyWhenReleasedOverTheSameItem) {
  HWND h = MakeHeader(HDS_BUTTONS);
  Click(h, 120, 10);
  EXPECT_EQ(Codes({HDN_ITEMCLICKA}), (std::vector<UINT>{HDN_ITEMCLICKA}));
  EXPECT_EQ(heard.back().item, 1);
  heard.clear();
  AdvanceMs(1000);
  MouseDown(h, 120, 10);
  MouseMove(h, 200, 10, host::ButtonLeft);
  MouseUp(h, 200, 10);
  EXPECT_TRUE(Codes({HDN_ITEMCLICKA}).empty());
  HWND flat = MakeChild(WC_HEADERA, 0, 10, 60, 200, 24, 6);
  HDITEMA item{};
  item.mask = HDI_WIDTH;
  item.cxy = 100;
  SendMessageA(flat, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  heard.clear();
  Click(flat, 20, 10);
  EXPECT_TRUE(Codes({HDN_ITEMCLICKA}).empty());
}

TEST_F(HeaderTest, HotTrackingColoursTheItemUnderTheMouse) {
  HWND h = MakeHeader(HDS_BUTTONS | HDS_HOTTRACK);
  RECT second{80, 0, 160, 24};
  std::uint32_t hot = GetSysColor(COLOR_HOTLIGHT);
  hot = ((hot & 0xFF) << 16) | (hot & 0xFF00) | ((hot >> 16) & 0xFF);
  EXPECT_EQ(CountColour(h, second, hot), 0);
  MouseMove(h, 120, 10);
  Paint();
  EXPECT_GT(CountColour(h, second, hot), 5);
  MouseMove(h, 20, 10);
  Paint();
  EXPECT_EQ(CountColour(h, second, hot), 0);
}

TEST_F(HeaderTest, RefusedChangeKeepsTheItemAndFullDragChangesAsItMoves) {
  HWND h = MakeHeader(HDS_BUTTONS | HDS_FULLDRAG);
  answers[HDN_ITEMCHANGINGA] = [](NMHDR*) -> LRESULT { return TRUE; };
  HDITEMA hd{};
  hd.mask = HDI_WIDTH;
  hd.cxy = 30;
  EXPECT_FALSE(SendMessageA(h, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&hd)));
  EXPECT_EQ(Width(h, 0), 80);
  answers.clear();
  heard.clear();
  AdvanceMs(1000);
  MouseDown(h, 80, 10);
  MouseMove(h, 100, 10, host::ButtonLeft);
  EXPECT_EQ(Width(h, 0), 100);
  MouseMove(h, 120, 10, host::ButtonLeft);
  MouseUp(h, 120, 10);
  EXPECT_EQ(Width(h, 0), 120);
  EXPECT_EQ(Codes({HDN_BEGINTRACKA, HDN_TRACKA, HDN_ENDTRACKA, HDN_ITEMCHANGEDA}),
            (std::vector<UINT>{HDN_BEGINTRACKA, HDN_TRACKA, HDN_ITEMCHANGEDA, HDN_TRACKA, HDN_ITEMCHANGEDA,
                               HDN_ENDTRACKA, HDN_ITEMCHANGEDA}));
}

}  // namespace
}  // namespace comctltest
