// Frames, bevels, border styles, arrows and glyph effects, pixel for pixel.
#include <vector>

#include "controls/styled/styprocs.h"
#include "styled/shared/fixture.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

constexpr TColor kLight = clRed;
constexpr TColor kShadow = clBlue;

TEST_F(StyledProcs, BevelWidthOneShrinksByOneWithLightTopLeftWhenRaised) {
  Sheet s(10, 10);
  TRect r(0, 0, 10, 10);
  EXPECT_TRUE(DrawBevel(s.Canvas(), r, bvRaised, kLight, kShadow, 1));
  EXPECT_EQ(r, TRect(1, 1, 9, 9));
  EXPECT_EQ(s.At(0, 0), kLight);
  EXPECT_EQ(s.At(0, 9), kLight);
  EXPECT_EQ(s.At(9, 0), kShadow);
  EXPECT_EQ(s.At(9, 9), kShadow);
  EXPECT_EQ(s.At(5, 5), clWhite);
}

TEST_F(StyledProcs, LoweredBevelPutsTheShadowAtTopLeft) {
  Sheet s(10, 10);
  TRect r(0, 0, 10, 10);
  DrawBevel(s.Canvas(), r, bvLowered, kLight, kShadow, 1);
  EXPECT_EQ(s.At(0, 0), kShadow);
  EXPECT_EQ(s.At(9, 9), kLight);
  Sheet n(10, 10);
  r = TRect(0, 0, 10, 10);
  DrawBevel(n.Canvas(), r, bvNormal, kLight, kShadow, 1);
  EXPECT_EQ(n.At(0, 0), clBlack);
  EXPECT_EQ(n.At(9, 9), clBlack);
}

TEST_F(StyledProcs, WideAndFrameBevelsShrinkByWhatTheyPaint) {
  Sheet s(20, 20);
  TRect r(0, 0, 20, 20);
  EXPECT_TRUE(DrawBevel(s.Canvas(), r, bvRaised, kLight, kShadow, 3));
  EXPECT_EQ(r, TRect(3, 3, 17, 17));
  EXPECT_EQ(s.At(1, 1), kLight);
  EXPECT_EQ(s.At(18, 18), kShadow);
  EXPECT_EQ(s.At(10, 10), clWhite);
  Sheet f(20, 20);
  r = TRect(0, 0, 20, 20);
  EXPECT_TRUE(DrawBevel(f.Canvas(), r, bvFrameLowered, kLight, kShadow, 2));
  EXPECT_EQ(r, TRect(3, 3, 17, 17));
  EXPECT_EQ(f.At(0, 0), kShadow);
  EXPECT_EQ(f.At(19, 19), kLight);
}

TEST_F(StyledProcs, NothingDrawnForWidthZeroNoneOrShadow) {
  Sheet s(10, 10);
  for (auto [style, width] : {std::pair{bvRaised, 0}, std::pair{bvNone, 2}, std::pair{bvShadow, 2}}) {
    TRect r(0, 0, 10, 10);
    EXPECT_FALSE(DrawBevel(s.Canvas(), r, style, kLight, kShadow, width));
    EXPECT_EQ(r, TRect(0, 0, 10, 10));
  }
  EXPECT_EQ(s.Edges(0), std::vector<int>{0});
}

TEST_F(StyledProcs, ShadowBevelFillsTheStripsAndFramesTheRest) {
  Sheet s(20, 20);
  TRect r(0, 0, 20, 20);
  EXPECT_TRUE(DrawShadowBevel(s.Canvas(), r, kLight, kShadow, clLime, 4, 1, false));
  EXPECT_EQ(r, TRect(1, 1, 15, 15));
  EXPECT_EQ(s.At(17, 10), kShadow);
  EXPECT_EQ(s.At(10, 17), kShadow);
  EXPECT_EQ(s.At(17, 1), clLime);
  EXPECT_EQ(s.At(1, 17), clLime);
  EXPECT_EQ(s.At(0, 0), kLight);
  EXPECT_EQ(s.At(15, 15), kLight);
  EXPECT_EQ(s.At(14, 14), clWhite);
}

TEST_F(StyledProcs, BorderStylesLeaveTheirInnerRectangles) {
  struct Case {
    TStyBorderStyle style;
    TRect inner;
  } cases[] = {
      {lsNone, {0, 0, 20, 20}},          {lsSingle, {1, 1, 20, 20}},       {lsLowered, {2, 2, 18, 18}},
      {lsRaisedspb, {1, 1, 18, 18}},     {lsLoweredspb, {2, 2, 19, 19}},   {lsRaisedExt, {2, 2, 18, 18}},
      {lsLoweredExt, {2, 2, 18, 18}},    {lsWindowBorder, {2, 2, 18, 18}}, {lsSingleRaised, {1, 1, 19, 19}},
      {lsDoubleLowered, {2, 2, 18, 18}},
  };
  for (const Case& c : cases) {
    Sheet s(20, 20);
    TRect r(0, 0, 20, 20);
    EXPECT_TRUE(DrawBorderStyle(s.Canvas(), r, c.style, 0));
    EXPECT_EQ(r, c.inner) << "style " << int(c.style);
  }
}

TEST_F(StyledProcs, DownArrowOfSizeThreeAndSizesOutOfRange) {
  Sheet s(10, 10);
  DrawArrow(s.Canvas(), 0, 0, 3, clBlack, true, true);
  auto row = [&](int y) {
    std::vector<int> xs;
    for (int x = 0; x < 10; ++x)
      if (s.At(x, y) == clBlack) xs.push_back(x);
    return xs;
  };
  EXPECT_EQ(row(0), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(row(1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(row(2), (std::vector<int>{2}));
  EXPECT_TRUE(row(3).empty());

  Sheet blank(40, 40);
  DrawArrow(blank.Canvas(), 0, 0, 1, clBlack, true, true);
  DrawArrow(blank.Canvas(), 0, 0, 16, clBlack, false, true);
  for (int y = 0; y < 40; ++y) EXPECT_EQ(blank.Edges(y), std::vector<int>{0});
}

TEST_F(StyledProcs, UpArrowAndDisabledArrow) {
  Sheet s(10, 10);
  DrawArrow(s.Canvas(), 0, 0, 3, clBlack, false, true);
  EXPECT_EQ(s.At(1, 0), clBlack);  // apex at X + S div 2
  EXPECT_EQ(s.At(0, 0), clWhite);
  EXPECT_EQ(s.At(3, 2), clBlack);
  Sheet d(10, 10, clBlue);
  DrawArrow(d.Canvas(), 0, 0, 3, clBlack, true, false);
  EXPECT_EQ(d.At(0, 0), Rgb(clGrayText));
  EXPECT_EQ(d.At(5, 1), Rgb(clHighlightText));  // the lower arrow shows past the upper one
  EXPECT_EQ(d.At(3, 3), Rgb(clHighlightText));
}

TEST_F(StyledProcs, EmbossedGlyphGivesBlackPixelsHighlightBelowRightAndShadowOnTop) {
  Sheet src(6, 6, clWhite);
  src.Canvas()->SetPixels(2, 2, clBlack);
  src.Canvas()->SetPixels(3, 2, clBlack);
  src.bitmap->SetTransparentColor(clWhite);
  auto dest = std::make_unique<TBitmap>();
  dest->SetPixelFormat(pf32bit);
  MakeEmbossedGlyph(dest.get(), src.bitmap.get(), 0, 0);
  TCanvas* c = dest->GetCanvas();
  EXPECT_EQ(c->GetPixels(2, 2) & 0xFFFFFF, Rgb(clBtnShadow));
  EXPECT_EQ(c->GetPixels(3, 2) & 0xFFFFFF, Rgb(clBtnShadow));
  EXPECT_EQ(c->GetPixels(4, 3) & 0xFFFFFF, Rgb(clBtnHighlight));
  EXPECT_EQ(c->GetPixels(3, 3) & 0xFFFFFF, Rgb(clBtnHighlight));
  EXPECT_EQ(c->GetPixels(0, 0) & 0xFFFFFF, clWhite);  // the transparent colour elsewhere
  EXPECT_EQ(c->GetPixels(5, 5) & 0xFFFFFF, clWhite);
}

TEST_F(StyledProcs, DisabledGlyphThresholdsBrightness) {
  Sheet src(4, 4, clWhite);
  src.Canvas()->SetPixels(1, 1, 0x808080);
  src.Canvas()->SetPixels(2, 2, 0x808080);
  auto dest = std::make_unique<TBitmap>();
  MakeDisabledGlyph(dest.get(), src.bitmap.get());
  EXPECT_EQ(dest->GetCanvas()->GetPixels(1, 1) & 0xFFFFFF, Rgb(clBtnShadow));
  EXPECT_EQ(dest->GetCanvas()->GetPixels(2, 2) & 0xFFFFFF, Rgb(clBtnShadow));
  EXPECT_EQ(dest->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, clWhite);

  Sheet plain(3, 3, clRed);
  MakeDisabledGlyph(dest.get(), plain.bitmap.get());
  EXPECT_EQ(dest->GetCanvas()->GetPixels(1, 1) & 0xFFFFFF, clRed);
}

TEST_F(StyledProcs, SplitMaskBlackensTheTransparentPixels) {
  Sheet src(4, 1, clLime);
  src.Canvas()->SetPixels(1, 0, clRed);
  auto mask = std::make_unique<TBitmap>();
  auto image = std::make_unique<TBitmap>();
  SplitMaskFromBitmap(src.bitmap.get(), mask.get(), image.get(), clLime);
  EXPECT_TRUE(mask->GetMonochrome());
  EXPECT_EQ(mask->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, clWhite);
  EXPECT_EQ(mask->GetCanvas()->GetPixels(1, 0) & 0xFFFFFF, clBlack);
  EXPECT_EQ(image->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, clBlack);
  EXPECT_EQ(image->GetCanvas()->GetPixels(1, 0) & 0xFFFFFF, clRed);
}

}  // namespace
}  // namespace styledtest

namespace styledtest {
namespace {

// A sheet of every border style, bevel style and button frame, kept as a
// picture to look at; each cell must show some frame.
TEST_F(StyledProcs, FramesSheetIsSavedAsAPicture) {
  Sheet sheet(15 * 34, 5 * 34, clBtnFace);
  TCanvas* c = sheet.Canvas();
  for (int i = 0; i < 15; ++i) {
    TRect r = Bounds(i * 34 + 2, 2, 30, 30);
    DrawBorderStyle(c, r, static_cast<TStyBorderStyle>(i), 0);
  }
  for (int i = 1; i < 6; ++i) {
    TRect r = Bounds(i * 34 + 2, 36, 30, 30);
    DrawBevel(c, r, static_cast<TStyBevelStyle>(i), clBtnHighlight, clBtnShadow, 2);
  }
  TRect shadow = Bounds(6 * 34 + 2, 36, 30, 30);
  DrawShadowBevel(c, shadow, clBlack, clGray, clBtnFace, 4, 1, false);
  // Button frames: up in the third row, held down in the fourth, latched in the fifth.
  for (int i = 1; i < 11; ++i) {
    const int states[] = {0, 4, 3};
    for (int row = 0; row < 3; ++row) {
      TRect r = Bounds(i * 34 + 2, (2 + row) * 34 + 2, 30, 30);
      DrawButtonFrame(c, false, r, static_cast<TStyUserButtonStyle>(i), states[row], 0x0004, clBtnFace);
    }
  }
  for (int i = 1; i < 15; ++i) {
    int marks = 0;
    for (int x = i * 34 + 2; x < i * 34 + 32; ++x) marks += sheet.At(x, 2) != Rgb(clBtnFace);
    EXPECT_GT(marks, 0) << "border style " << i;
  }
  EXPECT_TRUE(SavePicture(sheet.bitmap.get(), "frames.png"));
}

}  // namespace
}  // namespace styledtest
