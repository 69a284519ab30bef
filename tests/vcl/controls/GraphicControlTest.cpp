#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/win/windows.h"

namespace ctltest {
namespace {

TProbe* MakeProbe(TWinControl* parent, TRect bounds, TColor fill = clBlue) {
  auto* p = new TProbe(nullptr);
  p->SetBoundsRect(bounds);
  p->fill = fill;
  p->SetParent(parent);
  return p;
}

TEST_F(ControlsTest, GraphicChildIsPaintedAfterTheParentAndClippedToItself) {
  for (bool doubleBuffered : {false, true}) {
    SCOPED_TRACE(doubleBuffered);
    host->SetDoubleBuffered(doubleBuffered);
    auto* probe = MakeProbe(host, Bounds(10, 10, 20, 20));
    auto* over = MakeProbe(host, Bounds(25, 25, 10, 10), clLime);  // later: above
    InvalidateRect(host->GetHandle(), nullptr, TRUE);
    PaintNow();
    EXPECT_EQ(Pixel(15, 15), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(29, 12), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(5, 5), RGB(255, 0, 0));  // the parent's background
    EXPECT_EQ(Pixel(31, 12), RGB(255, 0, 0));  // the probe's paint stopped at its edge
    EXPECT_EQ(Pixel(27, 27), RGB(0, 255, 0));  // z-order
    EXPECT_EQ(Pixel(40, 40), RGB(255, 0, 0));
    probe->BringToFront();
    PaintNow();
    EXPECT_EQ(Pixel(27, 27), RGB(0, 0, 255));
    delete probe;
    delete over;
  }
}

TEST_F(ControlsTest, ContextMenuGoesToTheGraphicChildUnderThePointer) {
  auto* probe = MakeProbe(host, Bounds(10, 10, 20, 20));
  TPoint seen(-99, -99);
  probe->OnContextPopup = [&](TControl* c, TPoint p) {
    EXPECT_EQ(c, probe);
    seen = p;
    return true;
  };
  TPoint screen = host->ClientToScreen(TPoint(15, 17));
  EXPECT_NE(SendMessageA(host->GetHandle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(host->GetHandle()),
                         PointToLParam(screen.X, screen.Y)),
            0);
  EXPECT_EQ(seen, TPoint(5, 7));

  // With a popup menu and no handler of its own, the menus unit shows it.
  TComponent menu(nullptr);
  probe->OnContextPopup = nullptr;
  probe->SetPopupMenu(&menu);
  TComponent* shown = nullptr;
  vcl::SetPopupMenuHook([&](TControl*, TComponent* popup, TPoint at) {
    shown = popup;
    EXPECT_EQ(at, screen);
    return true;
  });
  SendMessageA(host->GetHandle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(host->GetHandle()),
               PointToLParam(screen.X, screen.Y));
  vcl::SetPopupMenuHook(nullptr);
  EXPECT_EQ(shown, &menu);
  probe->SetPopupMenu(nullptr);
}

TEST_F(ControlsTest, GraphicControlCanvasDrawsOutsidePainting) {
  auto* probe = MakeProbe(host, Bounds(50, 50, 10, 10));
  PaintNow();
  TCanvas* canvas = probe->GetCanvas();
  canvas->GetBrush()->SetColor(clYellow);
  canvas->FillRect(Rect(0, 0, 100, 100));
  vcl::FreeDeviceContexts();
  EXPECT_EQ(Pixel(55, 55), RGB(255, 255, 0));
  EXPECT_EQ(Pixel(61, 55), RGB(255, 0, 0));
}

TEST_F(ControlsTest, ClickOnAGraphicControlReachesItThroughTheParent) {
  auto* probe = MakeProbe(host, Bounds(10, 10, 20, 20));
  int clicks = 0;
  std::vector<std::string> trail;
  probe->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, probe);
    clicks++;
  };
  probe->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
    trail.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  probe->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
    trail.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  probe->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    trail.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };

  SendToHost(WM_LBUTTONDOWN, MK_LBUTTON, 15, 16);
  // Held down: the parent's window has the capture for the probe, so a move
  // outside still reaches it in its own coordinates.
  EXPECT_EQ(GetCapture(), host->GetHandle());
  EXPECT_EQ(GetCaptureControl(), probe);
  SendToHost(WM_MOUSEMOVE, MK_LBUTTON, 150, 100);
  SendToHost(WM_LBUTTONUP, 0, 16, 17);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(trail, (std::vector<std::string>{"down 0 5,6", "move 140,90", "up 6,7"}));

  // Released outside: no click.
  SendToHost(WM_LBUTTONDOWN, MK_LBUTTON, 15, 16);
  SendToHost(WM_LBUTTONUP, 0, 150, 100);
  EXPECT_EQ(clicks, 1);
  // A click beside the probe is the parent's.
  SendToHost(WM_LBUTTONDOWN, MK_LBUTTON, 50, 50);
  SendToHost(WM_LBUTTONUP, 0, 50, 50);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, DoubleClicksOnlyWithDoubleClickStyle) {
  struct Case {
    bool doubleClicks;
    int dblClicks;
    int clicks;
    bool downHasDouble;
  };
  const Case cases[] = {{true, 1, 1, true}, {false, 0, 2, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.doubleClicks);
    auto* probe = MakeProbe(host, Bounds(10, 10, 20, 20));
    TControlStyle style = probe->GetControlStyle();
    if (!c.doubleClicks) style.Exclude(csDoubleClicks);
    probe->Style(style);
    int clicks = 0, dbl = 0;
    bool sawDouble = false;
    probe->OnClick = [&](TObject*) { clicks++; };
    probe->OnDblClick = [&](TObject*) { dbl++; };
    probe->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int, int) { sawDouble |= s.Contains(ssDouble); };
    SendToHost(WM_LBUTTONDOWN, MK_LBUTTON, 15, 15);
    SendToHost(WM_LBUTTONUP, 0, 15, 15);
    SendToHost(WM_LBUTTONDBLCLK, MK_LBUTTON, 15, 15);
    SendToHost(WM_LBUTTONUP, 0, 15, 15);
    EXPECT_EQ(dbl, c.dblClicks);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(sawDouble, c.downHasDouble);
    delete probe;
  }
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowThePointer) {
  auto* a = MakeProbe(host, Bounds(10, 10, 20, 20));
  auto* b = MakeProbe(host, Bounds(50, 10, 20, 20));
  SendToHost(WM_MOUSEMOVE, 0, 15, 15);
  SendToHost(WM_MOUSEMOVE, 0, 16, 15);  // still inside: nothing new
  EXPECT_EQ(a->log, (std::vector<UINT>{CM_MOUSEENTER}));
  SendToHost(WM_MOUSEMOVE, 0, 55, 15);
  EXPECT_EQ(a->log, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
  EXPECT_EQ(b->log, (std::vector<UINT>{CM_MOUSEENTER}));
  EXPECT_EQ(vcl::GetMouseControl(), b);
  SendToHost(WM_MOUSEMOVE, 0, 100, 100);
  EXPECT_EQ(b->log, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
  EXPECT_EQ(vcl::GetMouseControl(), host);
  // Leaving the window leaves its controls too.
  SendToHost(WM_MOUSEMOVE, 0, 15, 15);
  SendMessageA(host->GetHandle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(a->log.back(), CM_MOUSELEAVE);
  EXPECT_EQ(vcl::GetMouseControl(), nullptr);
}

TEST_F(ControlsTest, HiddenOrDisabledGraphicControlsGetNoMouse) {
  auto* probe = MakeProbe(host, Bounds(10, 10, 20, 20));
  int clicks = 0;
  probe->OnClick = [&](TObject*) { clicks++; };
  probe->SetEnabled(false);
  SendToHost(WM_LBUTTONDOWN, MK_LBUTTON, 15, 15);
  SendToHost(WM_LBUTTONUP, 0, 15, 15);
  probe->SetEnabled(true);
  probe->Hide();
  SendToHost(WM_LBUTTONDOWN, MK_LBUTTON, 15, 15);
  SendToHost(WM_LBUTTONUP, 0, 15, 15);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace ctltest
