// The bitmap-thumb slider: thumb placement, the value's rules, keys and
// clicks, the degenerate ranges, and its built-in thumbs.
#include <limits>
#include <string>

#include "bmp/shared/fixture.h"
#include "controls/bmp/BmpCtrls.h"
#include "support/FormText.h"

namespace bmptest {
namespace {

class TrackBar : public BmpTest {
 protected:
  void SetUp() override {
    BmpTest::SetUp();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 200);
    slider = new TBmpTrackBar(form);
    slider->SetParent(form);
    slider->OnChange = [this](TObject*) { ++changes; };
  }
  void TearDown() override {
    delete form;
    BmpTest::TearDown();
  }
  // Paints the slider off-screen and gives back its thumb's centre.
  int ThumbCentre() {
    Sheet sheet(slider->GetWidth(), slider->GetHeight());
    slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
    TRect r = slider->GetThumbRect();
    return slider->GetOrientation() == BmpCtrls::toHorizontal ? r.Left + (r.Right - r.Left) / 2
                                                              : r.Top + (r.Bottom - r.Top) / 2;
  }
  void Setup(int width, int height, int min, int max, int position) {
    slider->SetBounds(10, 10, width, height);
    slider->SetMaxValue(max);
    slider->SetMinValue(min);
    slider->SetPosition(position);
    changes = 0;
  }
  void Key(WORD key) { slider->Perform(WM_KEYDOWN, key, 0); }
  void Click(int x, int y) {
    slider->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    slider->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }

  TForm* form = nullptr;
  TBmpTrackBar* slider = nullptr;
  int changes = 0;
};

TEST_F(TrackBar, ThumbCentreTruncatesTowardZero) {
  struct Case {
    int width, height, min, max, position, centre;
  } cases[] = {
      {86, 11, -5000, 0, -1000, 63},  // a track fader
      {86, 11, -5000, 0, -5000, 10}, {86, 11, -5000, 0, 0, 76}, {129, 25, 0, 100, 100, 119},  // the main volume
      {129, 25, 0, 100, 50, 64},
  };
  for (const Case& c : cases) {
    Setup(c.width, c.height, c.min, c.max, c.position);
    EXPECT_EQ(ThumbCentre(), c.centre) << c.min << ".." << c.max << " at " << c.position;
  }
}

TEST_F(TrackBar, VerticalSliderHasItsMinimumAtTheTop) {
  Setup(17, 41, 0, 1, 0);
  EXPECT_EQ(slider->GetOrientation(), BmpCtrls::toVertical);
  EXPECT_EQ(ThumbCentre(), 10);
  slider->SetPosition(1);
  EXPECT_EQ(ThumbCentre(), 31);
}

TEST_F(TrackBar, EveryAcceptedRequestFiresOnChange) {
  Setup(129, 25, 0, 100, 100);
  slider->SetPosition(100);
  EXPECT_EQ(changes, 0) << "the same value is no change";
  slider->SetPosition(105);
  EXPECT_EQ(changes, 1) << "clamped back to the old value, still announced";
  EXPECT_EQ(slider->GetPosition(), 100);
  slider->SetPosition(-7);
  EXPECT_EQ(slider->GetPosition(), 0);
  // The range setters move the value silently.
  slider->SetPosition(20);
  changes = 0;
  slider->SetMinValue(30);
  EXPECT_EQ(slider->GetPosition(), 30);
  slider->SetMaxValue(10);
  EXPECT_EQ(slider->GetMaxValue(), 30) << "cut up to MinValue";
  EXPECT_EQ(changes, 0);
}

TEST_F(TrackBar, KeysStepThroughTheRange) {
  Setup(129, 25, 0, 100, 50);
  slider->SetPageSize(10);
  struct Step {
    WORD key;
    int position;
  } steps[] = {{VK_PRIOR, 40}, {VK_NEXT, 50}, {VK_LEFT, 49}, {VK_UP, 48},  {VK_RIGHT, 49},
               {VK_DOWN, 50},  {VK_END, 100}, {VK_HOME, 0},  {VK_LEFT, 0}, {VK_PRIOR, 0}};
  for (const Step& s : steps) {
    Key(s.key);
    EXPECT_EQ(slider->GetPosition(), s.position) << "key " << s.key;
  }
  // Left at MinValue asks nothing; Page Up asks for -10 and is clamped.
  EXPECT_EQ(changes, 9);
  EXPECT_EQ(slider->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_F(TrackBar, ClickBesideTheThumbMovesByOne) {
  Setup(129, 25, 0, 100, 50);
  ThumbCentre();
  Click(20, 12);
  EXPECT_EQ(slider->GetPosition(), 49);
  ThumbCentre();
  Click(120, 12);
  EXPECT_EQ(slider->GetPosition(), 50);
  TRect thumb = slider->GetThumbRect();
  Click(thumb.Left + 1, 12);
  EXPECT_EQ(slider->GetPosition(), 50) << "a press on the thumb only starts a drag";
  EXPECT_FALSE(slider->GetDragging()) << "released";
}

TEST_F(TrackBar, DraggingFollowsTheMouse) {
  Setup(129, 25, 0, 100, 50);
  int centre = ThumbCentre();
  slider->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre, 12));
  EXPECT_TRUE(slider->GetDragging());
  slider->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centre + 11, 12));
  // 100 / 109 * 11 = 10.09
  EXPECT_EQ(slider->GetPosition(), 60);
  slider->Perform(WM_LBUTTONUP, 0, MAKELPARAM(centre + 11, 12));
  EXPECT_FALSE(slider->GetDragging());
}

TEST_F(TrackBar, EmptyRangeOrTinyControlKeepsTheThumbAtTheInset) {
  struct Case {
    int width, height, min, max;
  } cases[] = {{129, 25, 5, 5}, {20, 11, 0, 100}, {12, 11, 0, 100}};
  for (const Case& c : cases) {
    Setup(c.width, c.height, c.min, c.max, c.min);
    ASSERT_EQ(slider->GetOrientation(), BmpCtrls::toHorizontal);
    EXPECT_EQ(ThumbCentre(), 10) << c.width << " " << c.min << ".." << c.max;
    slider->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, c.height / 2));
    EXPECT_FALSE(slider->GetDragging());
    slider->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 12));
    slider->Perform(WM_LBUTTONUP, 0, MAKELPARAM(100, 12));
    EXPECT_EQ(slider->GetPosition(), c.min);
  }
  // One tick, at the inset.
  Setup(129, 40, 5, 5, 5);
  slider->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawTicks});
  Sheet sheet(129, 40);
  slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
  int tickY = slider->GetBarRect().Bottom + 9;
  int ticks = 0;
  for (int x = 0; x < 129; ++x) ticks += sheet.At(x, tickY) == clBlack;
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(sheet.At(10, tickY), clBlack);
}

TEST_F(TrackBar, TicksSpreadOverTheTravel) {
  Setup(150, 40, 0, 4, 0);
  slider->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawTicks});
  slider->SetTickMarks(tmBoth);
  Sheet sheet(150, 40);
  slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
  TRect bar = slider->GetBarRect();
  for (int x : {10, 42, 75, 107, 140}) {
    EXPECT_EQ(sheet.At(x, bar.Bottom + 8), clBlack) << x;
    EXPECT_EQ(sheet.At(x, bar.Bottom + 11), clBlack) << x;
    EXPECT_NE(sheet.At(x, bar.Bottom + 12), clBlack) << x;
    EXPECT_EQ(sheet.At(x, bar.Top - 12), clBlack) << x;
  }
}

TEST_F(TrackBar, OrientationSwapsTheShapeAndTheThumb) {
  EXPECT_EQ(slider->GetWidth(), 150);
  EXPECT_EQ(slider->GetHeight(), 40);
  TBitmap* thumb = slider->GetCurrentThumb();
  ASSERT_FALSE(thumb->Empty()) << "the built-in horizontal thumb";
  int horzWidth = thumb->GetWidth(), horzHeight = thumb->GetHeight();
  EXPECT_LT(horzWidth, horzHeight);
  slider->SetOrientation(BmpCtrls::toVertical);
  EXPECT_EQ(slider->GetWidth(), 40);
  EXPECT_EQ(slider->GetHeight(), 150);
  EXPECT_GT(slider->GetCurrentThumb()->GetWidth(), slider->GetCurrentThumb()->GetHeight());
  // Disabled: the selected picture, the project's own when none is set.
  slider->SetEnabled(false);
  Sheet own(7, 5, clRed);
  EXPECT_NE(slider->GetCurrentThumb()->GetCanvas()->GetPixels(7, 4) & 0xFFFFFF, clRed);
  slider->SetThumbVertSelected(own.bitmap.get());
  slider->SetEnabled(true);
  slider->SetEnabled(false);
  EXPECT_EQ(slider->GetCurrentThumb()->GetWidth(), 7);
}

}  // namespace
}  // namespace bmptest

namespace bmptest {
namespace {

TEST_F(TrackBar, SeeThroughFadersShowTheSkinUnderThem) {
  form->SetBounds(0, 0, 220, 360);
  auto* skin = new TSkin(form);
  skin->SetBounds(0, 0, 220, 300);
  skin->SetParent(form);
  slider->SetBounds(0, 0, 0, 0);
  slider->SetVisible(false);
  std::vector<TBmpTrackBar*> faders;
  for (int i = 0; i < 12; ++i) {
    auto* f = new TBmpTrackBar(form);
    f->SetBounds(20, 10 + i * 20, 86, 11);
    f->SetMinValue(-5000);
    f->SetMaxValue(0);
    f->SetPosition(-1000 - 300 * i);
    f->SetOptions(TBmpOptions{ocPaintTransparently});
    f->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawThumb, poDrawThumbStates});
    f->SetParent(form);
    faders.push_back(f);
  }
  faders[11]->SetEnabled(false);
  auto* main = new TBmpTrackBar(form);
  main->SetBounds(20, 260, 129, 25);
  main->SetMaxValue(100);
  main->SetPosition(100);
  main->SetOptions(TBmpOptions{ocPaintTransparently});
  main->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawThumb, poDrawThumbStates});
  main->SetParent(form);
  auto* style = new TBmpTrackBar(form);
  style->SetBounds(170, 20, 17, 41);
  style->SetMaxValue(1);
  style->SetOptions(TBmpOptions{ocPaintTransparently});
  style->SetParent(form);
  form->HandleNeeded();
  Sheet sheet(220, 300);
  form->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
  Sheet skinOnly(220, 300);
  skin->Perform(WM_PAINT, reinterpret_cast<WPARAM>(skinOnly.Canvas()->GetHandle()), 0);
  // Beside the bar of a fader the skin shows through, not the window colour.
  for (int i = 0; i < 12; ++i) {
    int y = 10 + i * 20;
    EXPECT_EQ(sheet.At(22, y), skinOnly.At(22, y)) << i;
    EXPECT_NE(sheet.At(22, y), Rgb(clBtnFace)) << i;
  }
  EXPECT_EQ(sheet.At(25, 264), skinOnly.At(25, 264));
  styledtest::SavePicture(sheet.bitmap.get(), "bmp_faders.png");
}

}  // namespace
}  // namespace bmptest

namespace bmptest {
namespace {

TEST_F(TrackBar, SharedWallpapersNotifyTheirLinksAndPaintTheSlider) {
  auto* images = new TBmpImages(form);
  auto* item = static_cast<TBitmapItem*>(images->GetBitmaps()->Add());
  Sheet paper(8, 8, clRed);
  TBmpChangeLink other;
  int linked = 0;
  other.OnChange = [&](TObject*) { ++linked; };
  images->RegisterChanges(&other);
  item->SetBitmap(paper.bitmap.get());
  EXPECT_EQ(linked, 1) << "a changed bitmap tells every link";
  item->GetBitmap()->GetCanvas()->SetPixels(0, 0, clGreen);
  EXPECT_EQ(linked, 2) << "so does drawing on it in place";

  Setup(129, 25, 0, 100, 50);
  slider->SetPaintOptions(TPaintOptions{});
  slider->SetOptions(TBmpOptions{ocPaintWallpaper, ocTileWallpaper});
  slider->SetBmpImages(images);
  slider->SetidWallpaper(0);
  Sheet sheet(129, 25);
  slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
  EXPECT_EQ(sheet.At(9, 9), clRed);
  EXPECT_EQ(sheet.At(8, 8), clGreen) << "tiled from the corner";
  // An index outside the collection falls back to the slider's own wallpaper.
  Sheet own(4, 4, clYellow);
  slider->SetWallpaper(own.bitmap.get());
  slider->SetidWallpaper(3);
  slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
  EXPECT_EQ(sheet.At(9, 9), clYellow);

  delete images;
  EXPECT_EQ(slider->GetBmpImages(), nullptr) << "the slider drops the destroyed collection";
  EXPECT_EQ(other.GetSender(), nullptr);
  slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
  EXPECT_EQ(sheet.At(9, 9), clYellow);
}

}  // namespace
}  // namespace bmptest

namespace bmptest {
namespace {

// Ranges at the ends of the int range: the ticks, the keys, the clicks and
// the drag neither overflow nor take ages.
TEST_F(TrackBar, RangesAtTheIntLimitsStayWithinThem) {
  constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  slider->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawTicks, poDrawThumb});
  struct Case {
    int min, max;
  } ranges[] = {{lo, hi}, {0, hi}, {lo, 0}};
  for (const Case& c : ranges) {
    Setup(129, 40, c.min, c.max, c.min);
    Sheet sheet(129, 40);
    slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
    int tickY = slider->GetBarRect().Bottom + 9;
    // More values than pixels: a tick on every pixel of the travel.
    for (int x : {10, 11, 64, 118, 119}) EXPECT_EQ(sheet.At(x, tickY), clBlack) << c.min << ".." << c.max << " " << x;
    EXPECT_NE(sheet.At(9, tickY), clBlack);
    EXPECT_NE(sheet.At(120, tickY), clBlack);
  }

  Setup(129, 25, lo, hi, hi - 1);
  slider->SetPageSize(10);
  Key(VK_NEXT);
  EXPECT_EQ(slider->GetPosition(), hi) << "Page Down past the top stops there";
  slider->SetPosition(lo + 1);
  Key(VK_PRIOR);
  EXPECT_EQ(slider->GetPosition(), lo) << "Page Up past the bottom stops there";

  slider->SetPosition(hi);
  ThumbCentre();
  Click(3, 12);
  EXPECT_EQ(slider->GetPosition(), hi - 1);
  slider->SetPosition(hi);
  ThumbCentre();
  Click(125, 12);
  EXPECT_EQ(slider->GetPosition(), hi) << "a click right of the thumb at the top stays there";

  slider->SetPosition(0);
  int centre = ThumbCentre();
  slider->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre, 12));
  ASSERT_TRUE(slider->GetDragging());
  slider->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centre + 60, 12));
  EXPECT_EQ(slider->GetPosition(), hi) << "dragged far right";
  ThumbCentre();
  slider->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 12));
  EXPECT_EQ(slider->GetPosition(), lo) << "dragged far left";
  slider->Perform(WM_LBUTTONUP, 0, MAKELPARAM(0, 12));
}

// A form's range comes out as the form gives it, whichever bound it names
// first and wherever the range lies against the defaults (0..10).
TEST_F(TrackBar, RangeReadFromAFormInEitherOrder) {
  struct Case {
    const char* properties;
    int min, max, position;
  } cases[] = {
      {"MinValue = 20\n MaxValue = 30\n Position = 25\n", 20, 30, 25},  // above the default range
      {"MaxValue = 30\n MinValue = 20\n Position = 25\n", 20, 30, 25},
      {"MaxValue = -10\n MinValue = -20\n Position = -15\n", -20, -10, -15},  // below it
      {"MinValue = -20\n MaxValue = -10\n Position = -15\n", -20, -10, -15},
      {"MaxValue = -5000\n MinValue = -10000\n", -10000, -5000, -5000},  // the position follows the range
      {"MinValue = 30\n MaxValue = 20\n", 30, 30, 30},  // contradictory: the minimum stays
      {"MaxValue = 20\n MinValue = 30\n", 30, 30, 30},
  };
  for (const Case& c : cases) {
    TForm* read = testsupport::ReadFormText(std::string("object frmFader: TForm\n object sldFader: TBmpTrackBar\n") +
                                            c.properties + " end\nend\n");
    auto* fader = dynamic_cast<TBmpTrackBar*>(read->FindComponent("sldFader"));
    ASSERT_NE(fader, nullptr) << c.properties;
    EXPECT_EQ(fader->GetMinValue(), c.min) << c.properties;
    EXPECT_EQ(fader->GetMaxValue(), c.max) << c.properties;
    EXPECT_EQ(fader->GetPosition(), c.position) << c.properties;
    fader->SetMinValue(c.max + 1);
    EXPECT_EQ(fader->GetMinValue(), c.max) << "once loaded, the bounds limit each other again";
    delete read;
  }
}

// The orientation and the bevels have value names of the unit's own
// namespace; a form names them and gets them back on writing.
TEST_F(TrackBar, OrientationAndBevelsReadAndWriteByName) {
  TForm* read = testsupport::ReadFormText(
      "object frmFader: TForm\n object sldSwitch: TBmpTrackBar\n Orientation = toVertical\n"
      " BevelInner = bvRaised\n BevelOuter = bvLowered\n end\nend\n");
  auto* fader = dynamic_cast<TBmpTrackBar*>(read->FindComponent("sldSwitch"));
  ASSERT_NE(fader, nullptr);
  EXPECT_EQ(fader->GetOrientation(), BmpCtrls::toVertical);
  EXPECT_EQ(fader->GetBevelInner(), BmpCtrls::bvRaised);
  EXPECT_EQ(fader->GetBevelOuter(), BmpCtrls::bvLowered);
  const std::string text = testsupport::WriteFormText(read);
  EXPECT_NE(text.find("Orientation = toVertical"), std::string::npos) << text;
  EXPECT_NE(text.find("BevelInner = bvRaised"), std::string::npos) << text;
  delete read;
}

TEST_F(TrackBar, BarSizesAtTheIntLimitsPaint) {
  Setup(129, 40, 0, 10, 5);
  slider->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawTicks});
  slider->SetBarColor(clRed);
  struct Case {
    int size;
    bool filled;
  } cases[] = {{std::numeric_limits<int>::max(), true}, {std::numeric_limits<int>::min(), false}};
  for (const Case& c : cases) {
    slider->SetBarSize(c.size);
    Sheet sheet(129, 40, clWhite);
    slider->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
    // Thicker than the control: filled from edge to edge along the bar.
    EXPECT_EQ(sheet.At(64, 0) == clRed, c.filled) << c.size;
    EXPECT_EQ(sheet.At(64, 39) == clRed, c.filled) << c.size;
  }
}

}  // namespace
}  // namespace bmptest
