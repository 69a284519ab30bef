// Painting: update regions, WM_PAINT and WM_ERASEBKGND, clipping, presenting.
#include "fixture.h"
#include "platform/win/user/draw_util.h"
#include "platform/win/wingdi.h"

using namespace usertest;
using win::user::FillSolid;

namespace {

class Paint : public UserTest {};

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
constexpr std::uint32_t kRedPixel = 0xFF0000, kBluePixel = 0x0000FF;

void PaintWith(const std::string& name, COLORREF color, std::function<void()> after = nullptr) {
  MessageLog::Get().answers[{name, WM_PAINT}] = [color, after](HWND h, WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT r;
    GetClientRect(h, &r);
    FillSolid(dc, r, color);
    EndPaint(h, &ps);
    if (after) after();
    return LRESULT(0);
  };
}

// A parent with WS_CLIPCHILDREN never draws over its child; without it, it
// does, and the child then paints on top again since children paint after
// their parent.
TEST_F(Paint, ParentDrawsOverChildOnlyWithoutClipChildren) {
  struct Case {
    DWORD parentStyle;
    std::uint32_t childPixelWhenParentDone;
  };
  for (const Case& c : {Case{WS_CLIPCHILDREN, kRedPixel}, Case{0, kBluePixel}}) {
    HWND top = Make("top", WS_POPUP | WS_VISIBLE | c.parentStyle, 0, 0, 100, 100);
    Make("child", WS_CHILD | WS_VISIBLE, 10, 10, 40, 40, top);
    std::uint32_t seen = 0;
    PaintWith("child", kRed);
    PaintWith("top", kBlue, [&] { seen = Pixel(top, 20, 20); });
    Pump();
    MessageLog::Get().Clear();
    InvalidateRect(top, nullptr, TRUE);
    Pump();
    EXPECT_EQ(c.childPixelWhenParentDone, seen) << "style " << c.parentStyle;
    EXPECT_EQ(kRedPixel, Pixel(top, 20, 20));
    EXPECT_EQ(kBluePixel, Pixel(top, 5, 5));
    auto paints = MessageLog::Get().Only({WM_PAINT});
    ASSERT_FALSE(paints.empty());
    EXPECT_EQ("top", paints[0].window);
    DestroyWindow(top);
  }
}

TEST_F(Paint, BeginPaintErasesOnlyWhenAskedAndValidates) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Pump();
  PAINTSTRUCT seen{};
  MessageLog::Get().answers[{"w", WM_PAINT}] = [&](HWND h, WPARAM, LPARAM) {
    BeginPaint(h, &seen);
    EndPaint(h, &seen);
    return LRESULT(0);
  };
  struct Case {
    BOOL erase;
    int erases;
  };
  for (const Case& c : {Case{FALSE, 0}, Case{TRUE, 1}}) {
    MessageLog::Get().Clear();
    RECT r{10, 20, 30, 40};
    InvalidateRect(w, &r, c.erase);
    RECT u;
    EXPECT_TRUE(GetUpdateRect(w, &u, FALSE));
    EXPECT_EQ(10, u.left);
    EXPECT_EQ(40, u.bottom);
    Pump();
    EXPECT_EQ(c.erases, MessageLog::Get().Count("w", WM_ERASEBKGND));
    EXPECT_EQ(1, MessageLog::Get().Count("w", WM_PAINT));
    EXPECT_EQ(FALSE, seen.fErase);  // the class brush erased it
    EXPECT_EQ(20, seen.rcPaint.top);
    EXPECT_FALSE(GetUpdateRect(w, &u, FALSE));
  }
  MessageLog::Get().Clear();
  InvalidateRect(w, nullptr, TRUE);
  ValidateRect(w, nullptr);
  Pump();
  EXPECT_EQ(0, MessageLog::Get().Count("w", WM_PAINT));
}

TEST_F(Paint, ClassBrushErasesAndThePassReachesTheHost) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
  int before = host::headless::PresentCount(HostOf(w));
  Pump();
  EXPECT_EQ(win::user::Sys(COLOR_WINDOW),
            RGB((Pixel(w, 5, 5) >> 16) & 0xFF, (Pixel(w, 5, 5) >> 8) & 0xFF, Pixel(w, 5, 5) & 0xFF));
  EXPECT_GT(host::headless::PresentCount(HostOf(w)), before);
  // Only the changed part goes out.
  RECT r{0, 0, 10, 10};
  InvalidateRect(w, &r, TRUE);
  Pump();
  auto dirty = host::headless::LastPresentDirty(HostOf(w));
  ASSERT_EQ(1u, dirty.size());
  EXPECT_EQ(10, dirty[0].w);
  EXPECT_EQ(10, dirty[0].h);
}

TEST_F(Paint, RedrawWindowFlags) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100);
  Make("child", WS_CHILD | WS_VISIBLE, 10, 10, 40, 40, top);
  Pump();
  struct Case {
    UINT flags;
    int topPaints, childPaints, internal;
  };
  for (const Case& c :
       {Case{RDW_INVALIDATE | RDW_UPDATENOW, 1, 0, 0}, Case{RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW, 1, 1, 0},
        Case{RDW_INTERNALPAINT, 1, 0, 1}}) {
    MessageLog::Get().Clear();
    RedrawWindow(top, nullptr, nullptr, c.flags);
    if (!(c.flags & RDW_UPDATENOW)) Pump();
    EXPECT_EQ(c.topPaints, MessageLog::Get().Count("top", WM_PAINT)) << c.flags;
    EXPECT_EQ(c.childPaints, MessageLog::Get().Count("child", WM_PAINT)) << c.flags;
  }
}

TEST_F(Paint, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredStrip) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Pump();
  HDC dc = GetDC(w);
  FillSolid(dc, {0, 0, 100, 10}, kRed);
  ReleaseDC(w, dc);
  ValidateRect(w, nullptr);
  ScrollWindowEx(w, 0, 20, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
  EXPECT_EQ(kRedPixel, Pixel(w, 50, 25));
  RECT u;
  ASSERT_TRUE(GetUpdateRect(w, &u, FALSE));
  EXPECT_EQ((RECT{0, 0, 100, 20}).bottom, u.bottom);
  EXPECT_EQ(0, u.top);
}

// Scrolling by less than a band's height moves rows over rows not yet read:
// a copy in the wrong order for the direction smears one band over the next.
TEST_F(Paint, ScrollingKeepsOverlappingBandsApartBothWays) {
  struct Case {
    int dy;
    bool throughDc;
  };
  for (const Case& c : {Case{5, false}, Case{-5, false}, Case{5, true}, Case{-5, true}}) {
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    HDC dc = GetDC(w);
    FillSolid(dc, {0, 40, 100, 50}, kRed);
    FillSolid(dc, {0, 50, 100, 60}, kBlue);
    if (c.throughDc) {
      const RECT all{0, 0, 100, 100};
      EXPECT_TRUE(ScrollDC(dc, 0, c.dy, &all, nullptr, nullptr, nullptr));
    }
    ReleaseDC(w, dc);
    if (!c.throughDc) ScrollWindowEx(w, 0, c.dy, nullptr, nullptr, nullptr, nullptr, 0);
    for (int y : {40, 49}) EXPECT_EQ(kRedPixel, Pixel(w, 50, y + c.dy)) << c.dy << (c.throughDc ? " dc" : "");
    for (int y : {50, 59}) EXPECT_EQ(kBluePixel, Pixel(w, 50, y + c.dy)) << c.dy << (c.throughDc ? " dc" : "");
    DestroyWindow(w);
  }
}

}  // namespace

namespace {

class ScreenAndRegions : public UserTest {};

// A screen DC draws onto our active window in screen coordinates (a drag
// frame or focus rectangle over our own windows); a window region clips
// drawing and hit tests.
TEST_F(ScreenAndRegions, ScreenDCDrawsOntoTheActiveWindow) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, 200, 100, 100, 100);
  Pump();
  HDC screen = GetDC(nullptr);
  FillSolid(screen, {210, 110, 220, 120}, kRed);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(kRedPixel, Pixel(w, 15, 15));
  EXPECT_NE(kRedPixel, Pixel(w, 25, 25));
}

TEST_F(ScreenAndRegions, WindowRegionClipsHitTests) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, top);
  Pump();
  EXPECT_EQ(child, WindowFromPoint({80, 80}));
  SetWindowRgn(child, CreateRectRgn(0, 0, 50, 50), TRUE);
  EXPECT_EQ(child, WindowFromPoint({40, 40}));
  EXPECT_EQ(top, WindowFromPoint({80, 80}));
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(0, GetWindowRgn(child, copy));
  DeleteObject(copy);
}

}  // namespace
