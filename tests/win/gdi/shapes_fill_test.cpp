// Flood fill, region painting and the pens ExtCreatePen makes.
#include <gtest/gtest.h>

#include "shapes_canvas.h"

using shapes_test::kBlack;
using shapes_test::kRed;
using shapes_test::kWhite;
using shapes_test::ShapeCanvas;
using shapes_test::Str;

namespace {

TEST(ShapesFloodFill, StopsAtTheBorderOrSpreadsOverTheSurface) {
  ShapeCanvas c(16, 16);
  c.UseNullBrush();
  Ellipse(c.dc(), 2, 2, 14, 14);  // a closed black ring
  c.UseBrush(kRed);
  EXPECT_FALSE(FloodFill(c.dc(), 2, 7, kBlack)) << "starting on the border fills nothing";
  ASSERT_TRUE(FloodFill(c.dc(), 8, 8, kBlack));
  EXPECT_EQ(c.At(0, 0), kWhite) << "the outside is not reached" << c.Picture();
  EXPECT_EQ(c.Count(kWhite) + c.Count(kRed) + c.Count(kBlack), 256);
  EXPECT_GT(c.Count(kRed), 60);

  // Surface mode: the white outside, connected around the ring.
  c.UseBrush(RGB(0, 0, 255));
  EXPECT_FALSE(ExtFloodFill(c.dc(), 8, 8, kWhite, FLOODFILLSURFACE)) << "the start is not that colour";
  ASSERT_TRUE(ExtFloodFill(c.dc(), 0, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(c.Count(kWhite), 0);
  EXPECT_EQ(c.At(8, 8), kRed);
}

TEST(ShapesFloodFill, KeepsInsideTheClip) {
  ShapeCanvas c(16, 16);
  c.UseBrush(kRed);
  IntersectClipRect(c.dc(), 0, 0, 8, 16);
  ASSERT_TRUE(FloodFill(c.dc(), 1, 1, kBlack));
  EXPECT_EQ(Str(c.BoxOf(kRed)), "{0,0,8,16}");
  EXPECT_FALSE(FloodFill(c.dc(), 12, 1, kBlack)) << "a start outside the clip";
}

TEST(RegionPaint, FillFrameInvertAndPaintInLogicalCoordinates) {
  ShapeCanvas c(20, 20);
  c.context().attr.windowOrg = POINT{-5, -5};  // logical (0, 0) is device (5, 5)
  HRGN ring = CreateRectRgn(0, 0, 10, 10);
  HRGN hole = CreateRectRgn(4, 4, 6, 6);
  CombineRgn(ring, ring, hole, RGN_DIFF);
  HBRUSH red = CreateSolidBrush(kRed);
  ASSERT_TRUE(FillRgn(c.dc(), ring, red));
  EXPECT_EQ(Str(c.BoxOf(kRed)), "{5,5,15,15}");
  EXPECT_EQ(c.Count(kRed), 96);

  HBRUSH black = CreateSolidBrush(kBlack);
  ASSERT_TRUE(FrameRgn(c.dc(), ring, black, 1, 1));
  // The outer frame (36 pixels) and the frame around the hole (12).
  EXPECT_EQ(c.Count(kBlack), 36 + 12) << c.Picture();
  EXPECT_EQ(c.At(5, 5), kBlack);
  EXPECT_EQ(c.At(8, 8), kBlack) << "diagonally next to the hole";
  EXPECT_EQ(c.At(6, 6), kRed);

  const auto before = c.Pixels();
  ASSERT_TRUE(InvertRgn(c.dc(), hole));
  EXPECT_EQ(c.At(9, 9), kBlack) << "inverted white";
  InvertRgn(c.dc(), hole);
  EXPECT_EQ(c.Pixels(), before);

  c.UseBrush(RGB(0, 0, 255));
  ASSERT_TRUE(PaintRgn(c.dc(), hole));
  EXPECT_EQ(c.Count(RGB(0, 0, 255)), 4);
  EXPECT_FALSE(FillRgn(c.dc(), hole, nullptr));
  for (HGDIOBJ o : {HGDIOBJ(ring), HGDIOBJ(hole), HGDIOBJ(red), HGDIOBJ(black)}) DeleteObject(o);
}

TEST(ShapesPens, ExtCreatePenCapsAndDescriptions) {
  const LOGBRUSH solid{BS_SOLID, kBlack, 0};
  // A thick horizontal line from x = 4 to x = 12: flat caps stop at the end
  // points (the last pixel, as for thin lines, left out), square and round
  // caps reach half the width beyond them.
  const struct {
    DWORD cap;
    LONG left, lastRight;
  } caps[] = {{PS_ENDCAP_FLAT, 4, 11}, {PS_ENDCAP_SQUARE, 2, 14}, {PS_ENDCAP_ROUND, 2, 14}};
  for (const auto& t : caps) {
    ShapeCanvas c(20, 20);
    c.Use(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | t.cap, 5, &solid, 0, nullptr));
    MoveToEx(c.dc(), 4, 10, nullptr);
    LineTo(c.dc(), 12, 10);
    const RECT box = c.BoxOf(kBlack);
    EXPECT_EQ(box.left, t.left) << "cap " << t.cap << c.Picture();
    EXPECT_EQ(box.right, t.lastRight + 1) << "cap " << t.cap;
    EXPECT_EQ(box.bottom - box.top, 5);
  }

  const DWORD dashes[] = {2, 1};
  EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_SOLID, 3, &solid, 0, nullptr), nullptr) << "cosmetic pens are thin";
  EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, &solid, 0, nullptr), nullptr) << "no style entries";
  EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_SOLID, 1, nullptr, 0, nullptr), nullptr);
  HPEN user = ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, &solid, 2, dashes);
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(GetObjectType(user), static_cast<DWORD>(OBJ_EXTPEN));
  {
    ShapeCanvas c(20, 4);
    c.Use(user);
    c.context().attr.bkMode = TRANSPARENT;
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 9, 1);
    for (int x = 0; x < 9; ++x) EXPECT_EQ(c.At(x, 1), x % 3 == 2 ? kWhite : kBlack) << x;
  }

  HPEN plain = CreatePen(PS_DASH, 0, RGB(1, 2, 3));
  LOGPEN lp{};
  ASSERT_EQ(GetObjectA(plain, sizeof lp, &lp), static_cast<int>(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
  EXPECT_EQ(lp.lopnWidth.x, 1) << "width 0 means one pixel";
  EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
  EXPECT_EQ(CreatePen(42, 1, 0), nullptr);
  DeleteObject(plain);
}

}  // namespace
