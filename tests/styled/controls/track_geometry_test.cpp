// The track bar's arithmetic and its built thumbs, without a window: where
// the track and the thumb lie, the paging threshold, the value under a drag
// and the pointer and block thumbs' pixels.
#include "controls/styled/stycompo.h"
#include "controls/styled/styextcA.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

using styextcA::tmBoth;
using styextcA::tmBottomRight;
using styextcA::tmTopLeft;

// The drum machine's sliders: 220 x 35, TrackWidth 7, the pointer-down thumb.
TStyTrackSettings DrumSlider(int min = 0, int max = 10) {
  TStyTrackSettings s;
  s.TrackWidth = 7;
  s.TickStyle = tsNone;
  s.MinValue = min;
  s.MaxValue = max;
  s.Thumb = StandardThumbMetrics(14, 16, toHorizontal);
  return s;
}

TEST(TrackGeometry, DrumSliderPlacesTrackAndThumb) {
  TStyTrackLayout l(TRect(0, 0, 220, 35), DrumSlider());
  EXPECT_EQ(l.Area(), TRect(1, 1, 219, 34));
  EXPECT_EQ(l.TrackLength(), 218);
  EXPECT_EQ(l.Track(), TRect(4, 5, 216, 12));
  EXPECT_EQ(l.ThumbRect(5), TRect(106, 1, 113, 17));
  EXPECT_EQ(l.ThumbRect(0), TRect(1, 1, 8, 17));
  EXPECT_EQ(l.ThumbRect(10), TRect(212, 1, 219, 17));
}

TEST(TrackGeometry, TrackFollowsTicksAndOrientation) {
  struct Case {
    TStyOrientation orientation;
    TStyTickStyle ticks;
    TStyTickMarks marks;
    TRect track;
  } cases[] = {
      // Horizontal: 218 x 33 area, half length 3.
      {toHorizontal, tsAuto, tmBottomRight, TRect(4, 5, 216, 12)},
      {toHorizontal, tsNone, tmTopLeft, TRect(4, 5, 216, 12)},
      {toHorizontal, tsAuto, tmTopLeft, TRect(4, 24, 216, 31)},
      {toHorizontal, tsAuto, tmBoth, TRect(4, 14, 216, 21)},
      // Vertical in 35 x 220: area 33 x 218, a thumb 8 long (half 4).
      {toVertical, tsNone, tmBoth, TRect(4, 5, 11, 215)},
      {toVertical, tsAuto, tmTopLeft, TRect(24, 5, 31, 215)},
      {toVertical, tsAuto, tmBoth, TRect(14, 5, 21, 215)},
  };
  for (const Case& c : cases) {
    TStyTrackSettings s = DrumSlider();
    s.Orientation = c.orientation;
    s.TickStyle = c.ticks;
    s.TickMarks = c.marks;
    const TRect client = c.orientation == toHorizontal ? TRect(0, 0, 220, 35) : TRect(0, 0, 35, 220);
    if (c.orientation == toVertical) s.Thumb = StandardThumbMetrics(30, 8, toVertical);
    EXPECT_EQ(TStyTrackLayout(client, s).Track(), c.track)
        << int(c.orientation) << " " << int(c.ticks) << " " << int(c.marks);
  }
}

TEST(TrackGeometry, VerticalBarsHaveTheMinimumAtTheBottom) {
  TStyTrackSettings s = DrumSlider();
  s.Orientation = toVertical;
  s.Thumb = StandardThumbMetrics(30, 8, toVertical);
  EXPECT_EQ(s.Thumb.Thickness, 15);
  EXPECT_EQ(s.Thumb.Length, 8);
  TStyTrackLayout l(TRect(0, 0, 35, 220), s);
  // Thumb across: track left 4 - (15 - 7) div 2.
  EXPECT_EQ(l.ThumbRect(0), TRect(0, 211, 15, 219));
  EXPECT_EQ(l.ThumbRect(10), TRect(0, 1, 15, 9));
  EXPECT_EQ(l.TickPixel(0), 1 + 4);
  EXPECT_EQ(l.TickPixel(10), 1 + 210 + 4);
}

TEST(TrackGeometry, PagingThresholdTruncatesTheThumbsStart) {
  TStyTrackLayout l(TRect(0, 0, 220, 35), DrumSlider());
  // (218 - 7) / 10 per value.
  EXPECT_EQ(l.PagingThreshold(5), 105);
  EXPECT_EQ(l.PagingThreshold(3), 63);
  EXPECT_EQ(l.PagingThreshold(1), 21);
  EXPECT_EQ(l.PagingThreshold(0), 0);
  TStyTrackSettings v = DrumSlider();
  v.Orientation = toVertical;
  v.Thumb = StandardThumbMetrics(30, 8, toVertical);
  // Counted from the top: MaxValue - Position.
  EXPECT_EQ(TStyTrackLayout(TRect(0, 0, 35, 220), v).PagingThreshold(8), 42);
}

TEST(TrackGeometry, DragValueRoundsAndClamps) {
  TStyTrackLayout l(TRect(0, 0, 220, 35), DrumSlider(-5000, 10));
  // f = (x - 3) / (218 - 3).
  EXPECT_EQ(l.DragValue(3, 0), -5000);
  EXPECT_EQ(l.DragValue(218, 0), 10);
  EXPECT_EQ(l.DragValue(110, 0), -2507);  // -5000 + 107 / 215 x 5010 = -2506.65
  EXPECT_EQ(l.DragValue(-400, 0), -5000);
  EXPECT_EQ(l.DragValue(30000, 0), 10);
  TStyTrackSettings v = DrumSlider();
  v.Orientation = toVertical;
  v.Thumb = StandardThumbMetrics(30, 8, toVertical);
  TStyTrackLayout vl(TRect(0, 0, 35, 220), v);
  // d = 218 - 4; the top is the maximum.
  EXPECT_EQ(vl.DragValue(0, 0), 10);
  EXPECT_EQ(vl.DragValue(0, 214), 0);
  EXPECT_EQ(vl.DragValue(0, 107), 5);
}

TEST(TrackGeometry, DragOnABarNoLongerThanHalfItsThumbAsksNothing) {
  TStyTrackSettings v = DrumSlider();
  v.Orientation = toVertical;
  v.Thumb = StandardThumbMetrics(30, 8, toVertical);  // half length 4
  TStyTrackLayout vl(TRect(0, 0, 35, 6), v);  // area height 4
  EXPECT_EQ(vl.DragValue(0, 2), std::nullopt);
  TStyTrackSettings h = DrumSlider();
  TStyTrackLayout hl(TRect(0, 0, 5, 35), h);  // area width 3 = half length
  EXPECT_EQ(hl.DragValue(2, 0), std::nullopt);
}

class TrackThumbs : public StyledProcs {};

TEST_F(TrackThumbs, PointerDownThumbOfTheDrumSliders) {
  TBitmap thumb;
  BuildStandardThumb(&thumb, toHorizontal, tmBottomRight, 7, clSilver, StyApplication->GetPattern(clSilver));
  ASSERT_EQ(thumb.GetWidth(), 14);
  ASSERT_EQ(thumb.GetHeight(), 16);
  TCanvas* c = thumb.GetCanvas();
  auto at = [&](int x, int y) { return static_cast<TColor>(c->GetPixels(x, y) & 0xFFFFFF); };
  for (int dx : {0, 7}) {
    SCOPED_TRACE(dx);
    EXPECT_EQ(at(dx + 0, 0), kStyThumbKeyColor);  // above the face
    EXPECT_EQ(at(dx + 6, 1), kStyThumbKeyColor);
    EXPECT_EQ(at(dx + 0, 15), kStyThumbKeyColor);  // beside the tip
    EXPECT_EQ(at(dx + 0, 5), clWhite);  // left outline
    EXPECT_EQ(at(dx + 2, 2), clWhite);  // top outline
    EXPECT_EQ(at(dx + 1, 13), clWhite);  // highlight down to the tip
    EXPECT_EQ(at(dx + 6, 5), clBlack);  // dark edge
    EXPECT_EQ(at(dx + 3, 15), clBlack);  // the tip
    EXPECT_EQ(at(dx + 5, 5), static_cast<TColor>(0x808080));  // inner shade
  }
  // The normal face is the thumb colour, the pressed one the checker.
  EXPECT_EQ(at(2, 6), clSilver);
  EXPECT_EQ(at(3, 6), clSilver);
  EXPECT_NE(at(9, 6), at(10, 6));
  EXPECT_TRUE((at(9, 6) == clSilver || at(9, 6) == clWhite) && (at(10, 6) == clSilver || at(10, 6) == clWhite));
  SavePicture(&thumb, "track_thumb_down.png");
}

TEST_F(TrackThumbs, SizesFollowOrientationAndMarks) {
  struct Case {
    TStyOrientation orientation;
    TStyTickMarks marks;
    int trackWidth, width, height;
  } cases[] = {
      {toHorizontal, tmBottomRight, 7, 14, 16}, {toHorizontal, tmTopLeft, 10, 22, 20},
      {toHorizontal, tmBoth, 10, 20, 18},       {toVertical, tmBottomRight, 7, 30, 8},
      {toVertical, tmTopLeft, 10, 38, 12},      {toVertical, tmBoth, 10, 36, 10},
  };
  for (const Case& c : cases) {
    TBitmap thumb;
    BuildStandardThumb(&thumb, c.orientation, c.marks, c.trackWidth, clBtnFace, StyApplication->GetPattern(clBtnFace));
    EXPECT_EQ(thumb.GetWidth(), c.width) << int(c.orientation) << " " << int(c.marks);
    EXPECT_EQ(thumb.GetHeight(), c.height) << int(c.orientation) << " " << int(c.marks);
  }
}

TEST_F(TrackThumbs, BlockThumbIsARaisedFace) {
  TBitmap thumb;
  BuildStandardThumb(&thumb, toHorizontal, tmBoth, 10, clSilver, StyApplication->GetPattern(clSilver));
  TCanvas* c = thumb.GetCanvas();
  auto at = [&](int x, int y) { return static_cast<TColor>(c->GetPixels(x, y) & 0xFFFFFF); };
  EXPECT_EQ(at(0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(at(9, 17), Rgb(cl3DDkShadow));
  EXPECT_EQ(at(5, 9), clSilver);
  SavePicture(&thumb, "track_thumb_block.png");
}

}  // namespace
}  // namespace styledtest
