// The track bar as a control: the drum machine's slider laid out and
// painted, the value's rules, paging repeated by the shared timer pool,
// dragging, keys, the wheel, focus, custom thumbs and form streaming.
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "controls/styled/stycompo.h"
#include "controls/styled/styextcA.h"
#include "platform/vcl/Classes.h"
#include "platform/win/drums_ext.h"
#include "styled/shared/fixture.h"
#include "support/FormText.h"

namespace styledtest {
namespace {

class TrackBar : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 200);
    bar = new TStyTrackBar(form);
    bar->SetParent(form);
    bar->OnChange = [this](TObject*) { ++changes; };
  }
  void TearDown() override {
    delete form;
    StyledProcs::TearDown();
  }
  // The drum machine's slider, 220 x 35 with TrackWidth 7, at Position.
  void DrumSlider(int min, int max, int position) {
    bar->SetTrackWidth(7);
    bar->SetTickStyle(tsNone);
    bar->SetThumbColor(clSilver);
    bar->SetTrackColor(clGray);
    bar->SetTrackBorderStyle(lsLowered);
    bar->SetMaxValue(max);
    bar->SetMinValue(min);
    bar->SetPosition(position);
    changes = 0;
  }
  // Paints the bar off-screen, as the window would be painted.
  Sheet Paint() {
    Sheet sheet(bar->GetWidth(), bar->GetHeight(), clFuchsia);
    bar->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
    return sheet;
  }
  void Press(int x, int y, UINT msg = WM_LBUTTONDOWN) {
    bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    bar->Perform(msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(x, y));
  }
  void Release(int x, int y) { bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  void Move(int x, int y) { bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Key(WORD key) { bar->Perform(WM_KEYDOWN, key, 0); }
  void Wheel(int delta) { bar->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(50, 50)); }
  // One period of the shared pool's window timer.
  void Tick() {
    win::clock::Advance(50'000);
    Pump();
  }
  bool TimerOn() { return StyApplication->TimerItemById(bar->GetTimerIdent())->GetEnabled(); }

  TForm* form = nullptr;
  TStyTrackBar* bar = nullptr;
  int changes = 0;
};

TEST_F(TrackBar, DrumSliderPlacesItsPointerThumb) {
  EXPECT_EQ(bar->GetWidth(), 220);
  EXPECT_EQ(bar->GetHeight(), 35);
  EXPECT_TRUE(bar->GetTabStop());
  bar->SetTrackWidth(7);
  bar->SetPosition(5);
  EXPECT_EQ(bar->ThumbBitmap()->GetWidth(), 14);
  EXPECT_EQ(bar->ThumbBitmap()->GetHeight(), 16);
  EXPECT_EQ(bar->ThumbMetrics().Thickness, 16);
  EXPECT_EQ(bar->ThumbMetrics().Length, 7);
  Sheet sheet = Paint();
  EXPECT_EQ(bar->GetThumbRect(), TRect(106, 1, 113, 17));
  // The thumb's tip points down at (109, 16); beside it the track shows.
  EXPECT_EQ(sheet.At(109, 16), clBlack);
  EXPECT_EQ(sheet.At(107, 7), Rgb(clBtnFace)) << "the face in ThumbColor";
  EXPECT_EQ(sheet.At(100, 8), clWhite) << "track interior in TrackColor";
  EXPECT_EQ(sheet.At(106, 1), Rgb(clBtnFace)) << "the key colour around the pointer leaves the background";
  // Ticks below the track on the drawing area's bottom edge: one at 0 (x 4).
  EXPECT_EQ(sheet.At(4, 33), clBlack);
  EXPECT_EQ(sheet.At(4, 28), clBlack);
  EXPECT_EQ(sheet.At(4, 27), Rgb(clBtnFace));
}

TEST_F(TrackBar, PositionIsClampedAndEveryChangeAnnounced) {
  DrumSlider(0, 10, 5);
  bar->SetPosition(99);
  EXPECT_EQ(bar->GetPosition(), 10);
  EXPECT_EQ(changes, 1);
  bar->SetPosition(10);
  bar->SetPosition(12);
  EXPECT_EQ(changes, 1) << "the value it already has is no change";
  bar->SetPosition(-3);
  EXPECT_EQ(bar->GetPosition(), 0);
  EXPECT_EQ(changes, 2);
}

TEST_F(TrackBar, RangeEndsKeepTheirOrderAndCarryThePosition) {
  DrumSlider(0, 10, 8);
  bar->SetMaxValue(0);
  bar->SetMinValue(10);
  EXPECT_EQ(bar->GetMinValue(), 0);
  EXPECT_EQ(bar->GetMaxValue(), 10);
  EXPECT_EQ(changes, 0);
  bar->SetMaxValue(6);
  EXPECT_EQ(bar->GetPosition(), 6);
  EXPECT_EQ(changes, 1) << "pulled down with OnChange";
  bar->SetMinValue(7);
  EXPECT_EQ(bar->GetMinValue(), 0) << "not below MaxValue";
  bar->SetMinValue(6);
  EXPECT_EQ(bar->GetMinValue(), 0);
  bar->SetMinValue(5);
  EXPECT_EQ(bar->GetPosition(), 6);
  EXPECT_EQ(changes, 1);
}

TEST_F(TrackBar, SettersIgnoreValuesOutOfTheirRules) {
  bar->SetTrackWidth(2);
  EXPECT_EQ(bar->GetTrackWidth(), 10);
  EXPECT_EQ(bar->ThumbBitmap()->GetWidth(), 22) << "TrackWidth 10: two 11-wide images";
  bar->SetMargin(0);
  EXPECT_EQ(bar->GetMargin(), 1);
  bar->SetTickGap(-2);
  EXPECT_EQ(bar->GetTickGap(), -1);
  bar->SetTickGap(0);
  EXPECT_EQ(bar->GetTickGap(), 0);
}

TEST_F(TrackBar, PressBesideTheThumbPagesAtOnceAndThenEvery300ms) {
  DrumSlider(0, 10, 5);
  Paint();
  Press(20, 8);
  EXPECT_EQ(bar->GetPosition(), 3) << "one page at once";
  EXPECT_TRUE(TimerOn());
  std::vector<int> seen{3};
  for (int i = 0; i < 24; ++i) {
    Tick();
    if (seen.empty() || seen.back() != bar->GetPosition()) seen.push_back(bar->GetPosition());
    // Six ticks of 50 ms hold exactly one repeat.
    if (i == 5) {
      EXPECT_EQ(bar->GetPosition(), 1);
    }
    if (i == 11) {
      EXPECT_EQ(bar->GetPosition(), 0);
    }
  }
  EXPECT_EQ(seen, (std::vector<int>{3, 1, 0}));
  EXPECT_FALSE(TimerOn()) << "the thumb passed the pointer: repeating stopped for good";
  EXPECT_EQ(changes, 3);
  Release(20, 8);
}

TEST_F(TrackBar, PagingRightwardsAndStoppingOnRelease) {
  DrumSlider(0, 10, 2);
  Paint();
  Press(200, 8);
  EXPECT_EQ(bar->GetPosition(), 4);
  for (int i = 0; i < 6; ++i) Tick();
  EXPECT_EQ(bar->GetPosition(), 6);
  Release(200, 8);
  EXPECT_FALSE(TimerOn());
  for (int i = 0; i < 12; ++i) Tick();
  EXPECT_EQ(bar->GetPosition(), 6);
  // A press beside the track (above it) does not page.
  Press(200, 2);
  EXPECT_EQ(bar->GetPosition(), 6);
  Release(200, 2);
  // The right button pages nothing either.
  Press(20, 8, WM_RBUTTONDOWN);
  EXPECT_EQ(bar->GetPosition(), 6);
}

TEST_F(TrackBar, PointerLeavingTheTrackHoldsTheRepeats) {
  DrumSlider(0, 10, 10);
  Paint();
  Press(20, 8);
  EXPECT_EQ(bar->GetPosition(), 8);
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 30));
  for (int i = 0; i < 12; ++i) Tick();
  EXPECT_EQ(bar->GetPosition(), 8);
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 8));
  for (int i = 0; i < 6; ++i) Tick();
  EXPECT_EQ(bar->GetPosition(), 6);
  Release(20, 8);
}

TEST_F(TrackBar, DraggingTheThumbFollowsThePointer) {
  DrumSlider(-5000, 10, -1000);
  Paint();
  const TRect thumb = bar->GetThumbRect();
  Press(thumb.Left + 3, 8);
  EXPECT_TRUE(bar->GetDragging());
  EXPECT_EQ(changes, 0);
  Move(110, 8);
  EXPECT_EQ(bar->GetPosition(), -2507);  // -5000 + (110 - 3) / 215 x 5010
  Move(-50, 8);
  EXPECT_EQ(bar->GetPosition(), -5000);
  Move(400, 8);
  EXPECT_EQ(bar->GetPosition(), 10);
  EXPECT_EQ(changes, 3);
  Release(400, 8);
  EXPECT_FALSE(bar->GetDragging());
  Move(100, 8);
  EXPECT_EQ(bar->GetPosition(), 10) << "no drag after the release";
}

TEST_F(TrackBar, ADragMovesTheThumbOverItsSavedBackground) {
  form->Show();
  DrumSlider(0, 10, 5);
  bar->Repaint();
  HDC dc = GetDC(bar->GetHandle());
  auto at = [&](int x, int y) { return static_cast<TColor>(GetPixel(dc, x, y) & 0xFFFFFF); };
  ASSERT_EQ(at(109, 16), clBlack) << "the tip at 5";
  Press(109, 8);
  Move(5, 8);
  ASSERT_EQ(bar->GetPosition(), 0);
  // Only the thumb moved on the window: the old place shows the track and
  // the background again, the new one the pressed thumb.
  EXPECT_EQ(at(109, 16), Rgb(clBtnFace));
  EXPECT_EQ(at(109, 8), clGray);
  EXPECT_EQ(at(4, 16), clBlack);
  EXPECT_NE(at(3, 7), at(4, 7)) << "the checkered face of the pressed image";
  Release(5, 8);
  EXPECT_EQ(at(3, 7), clSilver);
  EXPECT_EQ(at(4, 7), clSilver);
  ReleaseDC(bar->GetHandle(), dc);
  form->Hide();
}

TEST_F(TrackBar, ADragOrPagingThatLosesTheMouseEnds) {
  // A dialog opened from OnChange takes the mouse; the release goes there.
  struct Case {
    const char* what;
    std::function<void()> lose;
  } cases[] = {
      {"capture lost", [] { ReleaseCapture(); }},
      {"cancel mode", [this] { bar->Perform(WM_CANCELMODE, 0, 0); }},
  };
  for (const Case& c : cases) {
    DrumSlider(-5000, 10, -1000);
    Paint();
    const TRect thumb = bar->GetThumbRect();
    Press(thumb.Left + 3, 8);
    ASSERT_TRUE(bar->GetDragging());
    c.lose();
    EXPECT_FALSE(bar->GetDragging()) << c.what;
    bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(20, 8));
    EXPECT_EQ(bar->GetPosition(), -1000) << c.what << ": a move without the button drags nothing";

    Press(20, 8);  // paging towards the start
    ASSERT_TRUE(TimerOn());
    c.lose();
    EXPECT_FALSE(TimerOn()) << c.what << ": the paging stops";
  }
}

TEST_F(TrackBar, VerticalDragWithNoRoomChangesNothing) {
  bar->SetOrientation(toVertical);
  bar->SetTrackWidth(7);
  bar->SetBounds(0, 0, 35, 6);  // a drawing area 4 high: half the thumb's 8
  bar->SetPosition(3);
  changes = 0;
  Paint();
  const TRect thumb = bar->GetThumbRect();
  Press(thumb.Left + 2, 2);
  ASSERT_TRUE(bar->GetDragging());
  Move(thumb.Left + 2, 0);
  Move(thumb.Left + 2, 5);
  EXPECT_EQ(bar->GetPosition(), 3);
  EXPECT_EQ(changes, 0);
  Release(0, 0);
}

TEST_F(TrackBar, VerticalBarsPageAndDragWithTheMaximumOnTop) {
  bar->SetOrientation(toVertical);
  bar->SetTrackWidth(7);
  bar->SetBounds(0, 0, 35, 220);
  bar->SetPosition(5);
  Paint();
  // Track (4, 5)-(11, 215); the thumb stands at offset 105 from the bottom.
  EXPECT_EQ(bar->GetThumbRect(), TRect(0, 106, 15, 114));
  Press(6, 20);
  EXPECT_EQ(bar->GetPosition(), 7) << "above the thumb pages up";
  Release(6, 20);
  Press(6, 200);
  EXPECT_EQ(bar->GetPosition(), 5);
  Release(6, 200);
  Paint();
  const TRect thumb = bar->GetThumbRect();
  Press(5, thumb.Top + 2);
  Move(5, 0);
  EXPECT_EQ(bar->GetPosition(), 10);
  Release(5, 0);
}

TEST_F(TrackBar, KeysStepByLineAndPage) {
  DrumSlider(0, 100, 50);
  bar->SetPageSize(10);
  bar->SetLineSize(3);
  struct Step {
    WORD key;
    int position;
  } steps[] = {{VK_PRIOR, 60}, {VK_NEXT, 50}, {VK_LEFT, 47}, {VK_DOWN, 44}, {VK_UP, 47},
               {VK_RIGHT, 50}, {VK_HOME, 50}, {VK_END, 50},  {'A', 50}};
  for (const Step& s : steps) {
    Key(s.key);
    EXPECT_EQ(bar->GetPosition(), s.position) << "key " << s.key;
  }
  EXPECT_EQ(changes, 6);
  EXPECT_TRUE(bar->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
}

TEST_F(TrackBar, WheelMovesByOneWhateverTheOrientation) {
  DrumSlider(0, 10, 5);
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(bar->GetPosition(), 6) << "down increases";
  Wheel(WHEEL_DELTA);
  EXPECT_EQ(bar->GetPosition(), 5);
  bar->SetOrientation(toVertical);
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(bar->GetPosition(), 6);
  Wheel(-WHEEL_DELTA / 2);
  EXPECT_EQ(bar->GetPosition(), 6) << "half a notch waits for the other half";
  Wheel(-WHEEL_DELTA / 2);
  EXPECT_EQ(bar->GetPosition(), 7);
  int downs = 0;
  bar->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
    ++downs;
    handled = true;
  };
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(bar->GetPosition(), 8);
  bar->OnMouseWheel = [](TObject*, TShiftState, int, POINT, bool& handled) { handled = true; };
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(bar->GetPosition(), 8) << "a handled wheel event leaves the bar alone";
}

TEST_F(TrackBar, RangesReachingTheIntegerLimitsHoldAtTheirEnds) {
  // The whole integer range: the thumb of the middle value sits mid-track.
  DrumSlider(INT_MIN, INT_MAX, 0);
  Paint();
  const TStyTrackLayout layout = bar->Layout();
  const int middle = layout.Area().Left + (layout.TrackLength() - bar->ThumbMetrics().Length) / 2;
  EXPECT_NEAR(bar->GetThumbRect().Left, middle, 1);
  bar->SetPosition(INT_MAX);
  Paint();
  EXPECT_EQ(bar->GetThumbRect().Right, layout.Area().Right) << "the maximum at the track's end";

  struct Case {
    const char* what;
    int min, max, position, step;
    std::function<void()> act;
    int expected;
  } cases[] = {
      {"page up", INT_MAX - 10, INT_MAX, INT_MAX - 1, 0, [this] { Key(VK_PRIOR); }, INT_MAX},
      {"line up", INT_MAX - 10, INT_MAX, INT_MAX, 0, [this] { Key(VK_RIGHT); }, INT_MAX},
      {"wheel down", INT_MAX - 10, INT_MAX, INT_MAX, 0, [this] { Wheel(-WHEEL_DELTA); }, INT_MAX},
      {"page down", INT_MIN, INT_MIN + 10, INT_MIN + 1, 0, [this] { Key(VK_NEXT); }, INT_MIN},
      {"line down", INT_MIN, INT_MIN + 10, INT_MIN, 0, [this] { Key(VK_LEFT); }, INT_MIN},
      {"wheel up", INT_MIN, INT_MIN + 10, INT_MIN, 0, [this] { Wheel(WHEEL_DELTA); }, INT_MIN},
      {"a page of the whole range", 0, INT_MAX, 1, INT_MAX, [this] { Key(VK_PRIOR); }, INT_MAX},
      {"a page of minus the whole range", 0, INT_MAX, 1, INT_MIN, [this] { Key(VK_NEXT); }, INT_MAX},
      {"paging right with the whole range", 0, INT_MAX, 1, INT_MAX,
       [this] {
         Press(200, 8);
         Tick();
         Release(200, 8);
       },
       INT_MAX},
      {"paging right with minus the whole range", 0, INT_MAX, 1, INT_MIN,
       [this] {
         Press(20, 8);
         for (int i = 0; i < 6; ++i) Tick();
         Release(20, 8);
       },
       0},
  };
  for (const Case& c : cases) {
    DrumSlider(c.min, c.max, c.position);
    bar->SetPageSize(c.step == 0 ? 2 : c.step);
    bar->SetLineSize(1);
    Paint();
    c.act();
    EXPECT_EQ(bar->GetPosition(), c.expected) << c.what;
  }
}

TEST_F(TrackBar, TickGapsBelowTwoTickEveryValue) {
  bar->SetTickStyle(tsOwnerDraw);
  bar->SetTickMarks(styextcA::tmBoth);
  std::vector<std::pair<int, TPoint>> ticks;
  bar->OnDrawTick = [&](TObject*, TCanvas*, int value, TPoint pos) { ticks.push_back({value, pos}); };
  struct Case {
    int gap;
    std::vector<int> values;
  } cases[] = {{-1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
               {0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
               {1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
               {3, {0, 3, 6, 9}}};
  for (const Case& c : cases) {
    bar->SetTickGap(c.gap);
    ticks.clear();
    Paint();
    std::vector<int> values;
    for (size_t i = 0; i < ticks.size(); i += 2) values.push_back(ticks[i].first);
    EXPECT_EQ(values, c.values) << "gap " << c.gap;
    EXPECT_EQ(ticks.size(), 2 * c.values.size()) << "both edges";
  }
  // Value 0 of the block thumb (length 10, half 5): top edge, and bottom
  // edge minus TickLength.
  ASSERT_GE(ticks.size(), 2u);
  EXPECT_EQ(ticks[0].second, TPoint(6, 1));
  EXPECT_EQ(ticks[1].second, TPoint(6, 34 - 6));
}

TEST_F(TrackBar, TicksDenserThanPixelsFillTheTrackAndStillPaintAtOnce) {
  // A tick per value of the whole integer range: each pixel of the track
  // gets its tick once, not once per value.
  bar->SetMaxValue(INT_MAX);
  bar->SetMinValue(INT_MIN);
  bar->SetTickColor(clRed);
  Sheet sheet = Paint();
  const TStyTrackLayout layout = bar->Layout();
  const int first = layout.TickPixel(INT_MIN), last = layout.TickPixel(INT_MAX);
  const int row = layout.Area().Bottom - 1;
  for (int x = first; x <= last; ++x) EXPECT_EQ(sheet.At(x, row), Rgb(clRed)) << "x " << x;
  EXPECT_NE(sheet.At(first - 1, row), Rgb(clRed));
  EXPECT_NE(sheet.At(last + 1, row), Rgb(clRed));
  SavePicture(sheet.bitmap.get(), "track_bar_dense_ticks.png");
}

TEST_F(TrackBar, DisabledAndDraggedThumbsShowThePressedImage) {
  DrumSlider(0, 10, 5);
  Sheet normal = Paint();
  bar->SetEnabled(false);
  Sheet disabled = Paint();
  // Face pixels (2, 6) and (3, 6) of the image: plain silver, or the
  // checker of white and silver.
  EXPECT_EQ(normal.At(108, 7), clSilver);
  EXPECT_EQ(normal.At(109, 7), clSilver);
  EXPECT_NE(disabled.At(108, 7), disabled.At(109, 7));
  bar->SetEnabled(true);
  Press(108, 8);
  ASSERT_TRUE(bar->GetDragging());
  Sheet dragged = Paint();
  EXPECT_EQ(dragged.At(108, 7), disabled.At(108, 7));
  EXPECT_EQ(dragged.At(109, 7), disabled.At(109, 7));
  Release(108, 8);
}

TEST_F(TrackBar, CustomThumbsComeFromThePictureOrBackToStandard) {
  Sheet picture(20, 12, clRed);
  bar->SetThumb(picture.bitmap.get());
  EXPECT_EQ(bar->GetThumbStyle(), tsCustom);
  EXPECT_EQ(bar->ThumbMetrics().Thickness, 12);
  EXPECT_EQ(bar->ThumbMetrics().Length, 10);
  EXPECT_NE(bar->GetThumb(), nullptr);
  TBitmap empty;
  bar->SetThumb(&empty);
  EXPECT_EQ(bar->GetThumbStyle(), tsStandard);
  EXPECT_EQ(bar->ThumbBitmap()->GetWidth(), 22);
  EXPECT_EQ(bar->GetThumb(), nullptr) << "a standard thumb is not streamed";
  // Choosing the custom style empties the picture and stays custom.
  bar->SetThumbStyle(tsCustom);
  EXPECT_EQ(bar->GetThumbStyle(), tsCustom);
  EXPECT_TRUE(bar->ThumbBitmap()->Empty());
  Paint();  // an empty custom thumb draws nothing and raises nothing
  bar->SetThumbStyle(tsStandard);
  EXPECT_EQ(bar->ThumbBitmap()->GetWidth(), 22);
}

TEST_F(TrackBar, AnImageListItemBecomesTheCustomThumb) {
  TStyBitmapList list(nullptr);
  Sheet picture(18, 11, clLime);
  list.GetBitmapItem(list.AddItem(nullptr))->SetBitmap(picture.bitmap.get());
  bar->SetListIndex(1);
  bar->SetImageList(&list);
  EXPECT_EQ(bar->GetThumbStyle(), tsStandard) << "item 1 does not exist";
  bar->SetListIndex(0);
  EXPECT_EQ(bar->GetThumbStyle(), tsCustom);
  EXPECT_EQ(bar->ThumbBitmap()->GetWidth(), 18);
  EXPECT_EQ(bar->ThumbMetrics().Thickness, 11);
  EXPECT_EQ(bar->ThumbMetrics().Length, 9);
  EXPECT_EQ(bar->GetThumb(), nullptr) << "the list's thumb is not streamed";
  bar->SetImageList(nullptr);
  EXPECT_EQ(bar->GetThumbStyle(), tsStandard);
  EXPECT_EQ(bar->ThumbBitmap()->GetWidth(), 22);
}

TEST_F(TrackBar, AnExceptionWhilePagingStopsTheRepeats) {
  std::vector<std::string> shown;
  win::user::SetMessageBoxAnswer([&](const win::user::MessageBoxRecord& r) {
    shown.push_back(r.text);
    return IDOK;
  });
  DrumSlider(0, 10, 10);
  Paint();
  Press(20, 8);
  ASSERT_EQ(bar->GetPosition(), 8);
  bar->OnChange = [](TObject*) { throw EConvertError("no change here"); };
  for (int i = 0; i < 18; ++i) Tick();
  EXPECT_EQ(shown, std::vector<std::string>{"no change here."});
  EXPECT_EQ(bar->GetPosition(), 6) << "stored before OnChange raised";
  EXPECT_FALSE(TimerOn());
  Release(20, 8);
  win::user::SetMessageBoxAnswer(nullptr);
  win::user::TakeMessageBoxRecords();
}

TEST_F(TrackBar, FocusStylesAndTheFocusFrame) {
  form->Show();
  DrumSlider(0, 10, 5);
  Press(20, 8);
  Release(20, 8);
  EXPECT_TRUE(bar->Focused());
  bar->SetUseFocusColor(true);
  bar->SetFocusColor(clRed);
  Sheet focused = Paint();
  // Dots of three pixels in FocusColor, three apart.
  EXPECT_EQ(focused.At(0, 0), clRed);
  EXPECT_EQ(focused.At(2, 0), clRed);
  EXPECT_EQ(focused.At(4, 0), Rgb(clBtnFace));
  form->Hide();
}

TEST_F(TrackBar, NoFocusStyleKeepsTheFocusWhereItIs) {
  bar->SetFocusStyle(tbNoFocus);
  bar->SetTabStop(false);
  auto* other = new TStyTrackBar(form);
  other->SetParent(form);
  other->SetTop(100);
  form->Show();
  Pump();
  ASSERT_TRUE(other->Focused()) << "the form's first tab stop";
  Paint();
  Press(20, 8);
  Release(20, 8);
  EXPECT_EQ(bar->GetPosition(), 2) << "the press paged";
  EXPECT_TRUE(other->Focused());
  EXPECT_FALSE(bar->Focused());
  form->Hide();
}

TEST_F(TrackBar, AFullTimerPoolRefusesANewBar) {
  std::vector<WORD> taken;
  for (WORD id; (id = StyApplication->AddTimer(50, [](TObject*) {})) != 0;) taken.push_back(id);
  try {
    new TStyTrackBar(form);
    FAIL() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(e.GetMessage(), "Not enough timers available");
  }
  for (WORD id : taken) StyApplication->RemoveTimer(id);
  delete bar;
  bar = nullptr;
  EXPECT_EQ(StyApplication->GetTimerPool()->GetCount(), 0) << "a destroyed bar gives its timer back";
}

// The tick marks' values stand in the unit's own namespace; a form names
// them all the same.
TEST_F(TrackBar, TickMarksReadAndWriteByName) {
  TForm* read = testsupport::ReadFormText(
      "object frmTicks: TForm\n object barTicks: TStyTrackBar\n TickMarks = tmTopLeft\n end\nend\n");
  auto* ticks = dynamic_cast<TStyTrackBar*>(read->FindComponent("barTicks"));
  ASSERT_NE(ticks, nullptr);
  EXPECT_EQ(ticks->GetTickMarks(), styextcA::tmTopLeft);
  const std::string text = testsupport::WriteFormText(read);
  EXPECT_NE(text.find("TickMarks = tmTopLeft"), std::string::npos) << text;
  delete read;
}

}  // namespace
}  // namespace styledtest
