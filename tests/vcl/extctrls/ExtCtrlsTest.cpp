// Panels, bevels, shapes and images painted on the headless host, the timer
// driven by the clock seam, and the scroll box's range and scrolling.
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace ctltest {
namespace {

class ExtCtrlsTest : public ControlTest {};

TEST_F(ExtCtrlsTest, PanelBevelsAndBorderNarrowTheClientAreaOfAlignedChildren) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 200, 100);
  auto* child = new TPanel(form);
  child->SetParent(panel);
  child->SetAlign(alClient);
  child->SetBevelOuter(TBevelCut::bvNone);
  EXPECT_EQ(child->GetBoundsRect(), TRect(1, 1, 199, 99));
  panel->SetBevelInner(TBevelCut::bvLowered);
  panel->SetBevelWidth(2);
  panel->SetBorderWidth(3);
  EXPECT_EQ(child->GetBoundsRect(), TRect(7, 7, 193, 93));
  panel->SetBevelWidth(2);  // unchanged: nothing moves
  EXPECT_EQ(child->GetBoundsRect(), TRect(7, 7, 193, 93));
}

TEST_F(ExtCtrlsTest, PanelPaintsItsRaisedEdgeFaceAndCaption) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 200, 60);
  panel->SetCaption("WWWWW");
  panel->GetFont()->SetColor(clBlack);
  EXPECT_EQ(PixelAt(panel, 0, 30), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(panel, 199, 30), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(panel, 5, 5), ColorToRGB(clBtnFace));
  bool ink = false;
  for (int x = 70; x < 130; x++) ink = ink || Pixel(panel, x, 30) == 0;
  EXPECT_TRUE(ink);
  panel->SetBevelOuter(TBevelCut::bvLowered);
  EXPECT_EQ(PixelAt(panel, 0, 30), ColorToRGB(clBtnShadow));
}

TEST_F(ExtCtrlsTest, BevelDrawsItsShapeInItsStyle) {
  form->SetColor(clWhite);
  auto* bevel = new TBevel(form);
  bevel->SetParent(form);
  bevel->SetBounds(20, 20, 100, 40);
  struct Case {
    TBevelShape shape;
    TBevelStyle style;
    int x, y;
    TColor expected;
  };
  const Case cases[] = {
      {bsBox, bsLowered, 0, 20, clBtnShadow},           {bsBox, bsLowered, 99, 20, clBtnHighlight},
      {bsBox, bsRaised, 0, 20, clBtnHighlight},         {bsTopLine, bsLowered, 50, 0, clBtnShadow},
      {bsTopLine, bsLowered, 50, 1, clBtnHighlight},    {bsTopLine, bsLowered, 50, 20, clWhite},
      {bsBottomLine, bsRaised, 50, 39, clBtnShadow},    {bsLeftLine, bsLowered, 0, 20, clBtnShadow},
      {bsRightLine, bsLowered, 99, 20, clBtnHighlight}, {bsSpacer, bsLowered, 0, 20, clWhite},
  };
  for (const Case& c : cases) {
    bevel->SetShape(c.shape);
    bevel->SetStyle(c.style);
    EXPECT_EQ(PixelAt(bevel, c.x, c.y), ColorToRGB(c.expected))
        << "shape " << c.shape << " style " << c.style << " at " << c.x << "," << c.y;
  }
}

TEST_F(ExtCtrlsTest, ShapeFillsWithItsBrushAndSquaresKeepTheShorterSide) {
  form->SetColor(clWhite);
  auto* shape = new TShape(form);
  shape->SetParent(form);
  shape->SetBounds(20, 20, 120, 60);
  shape->GetBrush()->SetColor(clRed);
  shape->GetPen()->SetColor(clBlack);
  EXPECT_EQ(PixelAt(shape, 5, 30), 0x0000FFu);
  EXPECT_EQ(Pixel(shape, 0, 30), 0u);  // the pen
  shape->SetShape(TShapeType::stCircle);
  EXPECT_EQ(PixelAt(shape, 60, 30), 0x0000FFu);
  EXPECT_EQ(Pixel(shape, 5, 30), 0xFFFFFFu);  // outside the centred circle
  EXPECT_EQ(Pixel(shape, 31, 1), 0xFFFFFFu);
  shape->SetShape(TShapeType::stEllipse);
  EXPECT_EQ(PixelAt(shape, 5, 30), 0x0000FFu);
  shape->GetBrush()->SetColor(clLime);  // the brush's change repaints
  EXPECT_EQ(PixelAt(shape, 60, 30), 0x00FF00u);
}

TEST_F(ExtCtrlsTest, ImageSizesPlacesAndStretchesItsPicture) {
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetBounds(10, 10, 100, 80);
  TBitmap bitmap;
  bitmap.SetWidth(20);
  bitmap.SetHeight(10);
  bitmap.GetCanvas()->GetBrush()->SetColor(clBlue);
  bitmap.GetCanvas()->FillRect(TRect(0, 0, 20, 10));
  image->GetPicture()->SetBitmap(&bitmap);
  EXPECT_EQ(image->DestRect(), TRect(0, 0, 20, 10));
  EXPECT_EQ(PixelAt(image, 5, 5), 0xFF0000u);
  image->SetCenter(true);
  EXPECT_EQ(image->DestRect(), TRect(40, 35, 60, 45));
  EXPECT_EQ(PixelAt(image, 50, 40), 0xFF0000u);
  image->SetStretch(true);
  EXPECT_EQ(image->DestRect(), TRect(0, 0, 100, 80));
  EXPECT_EQ(PixelAt(image, 95, 75), 0xFF0000u);
  image->SetAutoSize(true);
  EXPECT_EQ(image->GetWidth(), 20);
  EXPECT_EQ(image->GetHeight(), 10);
}

TEST_F(ExtCtrlsTest, TransparentImageLetsTheParentShowThroughItsTransparentColour) {
  form->SetColor(clYellow);
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetBounds(10, 10, 20, 20);
  TBitmap bitmap;
  bitmap.SetWidth(20);
  bitmap.SetHeight(20);
  bitmap.GetCanvas()->GetBrush()->SetColor(clWhite);  // the corner pixel's colour is the transparent one
  bitmap.GetCanvas()->FillRect(TRect(0, 0, 20, 20));
  bitmap.GetCanvas()->GetBrush()->SetColor(clRed);
  bitmap.GetCanvas()->FillRect(TRect(5, 5, 15, 15));
  image->GetPicture()->SetBitmap(&bitmap);
  EXPECT_EQ(PixelAt(image, 1, 1), 0xFFFFFFu);
  image->SetTransparent(true);
  EXPECT_EQ(PixelAt(image, 1, 1), 0x00FFFFu);
  EXPECT_EQ(Pixel(image, 10, 10), 0x0000FFu);
}

class TimerTest : public ControlTest {};

TEST_F(TimerTest, FiresEveryIntervalOfTheClockSeamWhileEnabled) {
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, timer);
    ticks++;
  };
  timer->SetInterval(100);
  Advance(99);
  EXPECT_EQ(ticks, 0);
  Advance(1);
  EXPECT_EQ(ticks, 1);
  Advance(250);
  EXPECT_GE(ticks, 2);
  int before = ticks;
  timer->SetEnabled(false);
  Advance(1000);
  EXPECT_EQ(ticks, before);
  timer->SetEnabled(true);
  timer->SetInterval(0);  // no interval: no ticks
  Advance(1000);
  EXPECT_EQ(ticks, before);
}

TEST_F(TimerTest, ANewTimerRunsEverySecondOnceItHasAHandler) {
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ticks++; };
  Advance(999);
  EXPECT_EQ(ticks, 0);
  Advance(1);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, ChangingTheIntervalStartsTheCountAgain) {
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ticks++; };
  timer->SetInterval(500);
  Advance(400);
  timer->SetInterval(200);
  Advance(150);
  EXPECT_EQ(ticks, 0);
  Advance(50);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, AHandlerMayFreeItsTimerAndAnExceptionIsReported) {
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) {
    ticks++;
    delete timer;
  };
  Advance(30);
  EXPECT_EQ(ticks, 1);
  auto* failing = new TTimer(form);
  failing->SetInterval(10);
  failing->OnTimer = [](TObject*) { throw Exception("tick failed"); };
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  Advance(10);
  std::vector<win::user::MessageBoxRecord> boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "tick failed.");
}

class ScrollBoxTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    box = new TScrollBox(form);
    box->SetParent(form);
    box->SetBorderStyle(bsNone);
    box->SetBounds(10, 10, 200, 100);
    far = new TPanel(form);
    far->SetParent(box);
    far->SetBounds(20, 250, 50, 50);
    Pump();
  }
  TScrollBox* box = nullptr;
  TPanel* far = nullptr;
};

TEST_F(ScrollBoxTest, RangeFollowsTheChildrenAndScrollingMovesThem) {
  EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 300);
  EXPECT_TRUE(box->GetVertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(box->GetHorzScrollBar()->IsScrollBarVisible());
  box->GetVertScrollBar()->SetPosition(120);
  EXPECT_EQ(far->GetTop(), 130);
  // A child moved further out widens the range, counted from the top of
  // the scrolled area.
  far->SetTop(far->GetTop() + 100);
  EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 400);
  // The position stops where the last child's bottom meets the client's.
  box->GetVertScrollBar()->SetPosition(5000);
  int maxPos = box->GetVertScrollBar()->GetPosition();
  EXPECT_EQ(far->GetTop() + far->GetHeight(), box->GetClientHeight());
  EXPECT_GT(maxPos, 120);
  box->GetVertScrollBar()->SetPosition(0);
  EXPECT_EQ(far->GetTop(), 350);
}

TEST_F(ScrollBoxTest, ScrollBarMessagesAndScrollInViewMoveTheChildren) {
  SendMessageA(box->GetHandle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 8);
  EXPECT_EQ(far->GetTop(), 242);
  SendMessageA(box->GetHandle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(far->GetTop(), 250);
  box->ScrollInView(far);
  EXPECT_EQ(far->GetTop() + far->GetHeight(), box->GetClientHeight());
}

TEST_F(ScrollBoxTest, AutoScrollOffKeepsTheRangeGiven) {
  box->SetAutoScroll(false);
  EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 0);
  far->SetTop(600);
  EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 0);
}

}  // namespace
}  // namespace ctltest
