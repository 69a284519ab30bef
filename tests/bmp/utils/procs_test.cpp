// The drawing helpers: wallpaper, gradients, shadowed text, inverse colour,
// ancestors and the parent's background seen through a control.
#include <algorithm>

#include "bmp/shared/fixture.h"
#include "controls/bmp/BmpUtils.h"

namespace bmptest {
namespace {

TEST_F(BmpTest, GradientBandsEndExactlyAtTheFarEdge) {
  Sheet sheet(80, 4, clWhite);
  HDC dc = sheet.Canvas()->GetHandle();
  GradientFill(dc, TRect(0, 0, 75, 4), clBlack, true, 128, clRed);
  EXPECT_EQ(sheet.At(0, 0), clBlack);
  EXPECT_NE(sheet.At(74, 3), clWhite);
  EXPECT_EQ(sheet.At(75, 0), clWhite) << "nothing past the edge";
  // Start + MulDiv(n, d, Steps): the last band is one step short of the end.
  EXPECT_EQ(sheet.At(74, 0), static_cast<TColor>(RGB(MulDiv(127, 255, 128), 0, 0)));
  // Colours never go backwards along the axis.
  for (int x = 1; x < 75; ++x) EXPECT_GE(GetRValue(sheet.At(x, 0)), GetRValue(sheet.At(x - 1, 0)));
  // Vertical, and nothing for negative steps.
  GradientFill(dc, TRect(76, 0, 80, 4), clBlue, false, 2, clBlue);
  EXPECT_EQ(sheet.At(78, 3), clBlue);
  GradientFill(dc, TRect(0, 0, 80, 4), clBlack, true, -1, clBlack);
  EXPECT_EQ(sheet.At(78, 3), clBlue);
}

TEST_F(BmpTest, WallpaperTilesFromTheRectangleCorner) {
  Sheet tile(4, 4, clWhite);
  tile.Canvas()->SetPixels(0, 0, clRed);
  Sheet sheet(12, 12, clBlack);
  DrawWallpaper(sheet.Canvas()->GetHandle(), tile.bitmap.get(), TRect(2, 2, 11, 11), SRCCOPY, true);
  EXPECT_EQ(sheet.At(2, 2), clRed);
  EXPECT_EQ(sheet.At(6, 6), clRed);
  EXPECT_EQ(sheet.At(10, 10), clRed);
  EXPECT_EQ(sheet.At(3, 3), clWhite);
  EXPECT_EQ(sheet.At(11, 11), clBlack);
  EXPECT_EQ(sheet.At(1, 1), clBlack);
  // Untiled: the same coordinates of the bitmap.
  Sheet once(12, 12, clBlack);
  DrawWallpaper(once.Canvas()->GetHandle(), tile.bitmap.get(), TRect(0, 0, 3, 3), SRCCOPY, false);
  EXPECT_EQ(once.At(0, 0), clRed);
  EXPECT_EQ(once.At(2, 2), clWhite);
  EXPECT_EQ(once.At(4, 4), clBlack);
}

TEST_F(BmpTest, InverseColourComplementsEachChannel) {
  EXPECT_EQ(InverseColor(clBlack), static_cast<TColor>(0xFFFFFF));
  EXPECT_EQ(InverseColor(static_cast<TColor>(RGB(10, 200, 255))), static_cast<TColor>(RGB(245, 55, 0)));
  EXPECT_EQ(InverseColor(clBtnFace), static_cast<TColor>(0xFFFFFF - Rgb(clBtnFace)));
}

TEST_F(BmpTest, ShadowTextLiesOnTheNamedSide) {
  struct Case {
    TShadowPosition pos;
    int dx, dy;  // shadow relative to the text
  } cases[] = {{spRightBottom, 3, 3}, {spLeftTop, -3, -3}, {spLeftBottom, -3, 3}, {spRightTop, 3, -3}};
  for (const Case& c : cases) {
    Sheet sheet(60, 40, clWhite);
    sheet.Canvas()->GetFont()->SetSize(14);
    DrawShadowText(sheet.Canvas()->GetHandle(), TRect(10, 10, 50, 30), c.pos, 3, clRed, clBlack, 0, "I");
    // The top-left corner of each colour's bounding box.
    auto corner = [&](TColor colour) {
      TPoint p(1000, 1000);
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
          if (sheet.At(x, y) == colour) p = TPoint(std::min(p.X, x), std::min(p.Y, y));
      return p;
    };
    TPoint text = corner(clBlack), shadow = corner(clRed);
    ASSERT_LT(text.X, 1000);
    ASSERT_LT(shadow.X, 1000);
    EXPECT_EQ(shadow.X - text.X, c.dx) << c.pos;
    EXPECT_EQ(shadow.Y - text.Y, c.dy) << c.pos;
  }
}

class TBox : public TCustomControl {
 public:
  explicit TBox(TComponent* owner) : TCustomControl(owner) {}
};

TEST_F(BmpTest, ParentAtLevelStopsAtTheTop) {
  TForm* form = new TForm(nullptr);
  TBox* outer = new TBox(form);
  outer->SetParent(form);
  TBox* inner = new TBox(form);
  inner->SetParent(outer);
  EXPECT_EQ(ParentAtLevel(inner, 0), inner);
  EXPECT_EQ(ParentAtLevel(inner, 1), outer);
  EXPECT_EQ(ParentAtLevel(inner, 2), form);
  EXPECT_EQ(ParentAtLevel(inner, 9), form);
  delete form;
}

// A graphic control that counts its paints.
class TCountingCell : public TGraphicControl {
 public:
  explicit TCountingCell(TComponent* owner) : TGraphicControl(owner) {}
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    GetCanvas()->GetBrush()->SetColor(clRed);
    GetCanvas()->FillRect(GetClientRect());
  }
};

TEST_F(BmpTest, ParentBackgroundPaintsOnlyTheCellsUnderTheControl) {
  TForm* form = new TForm(nullptr);
  form->SetBounds(0, 0, 400, 300);
  form->SetColor(clBlue);
  std::vector<TCountingCell*> cells;
  for (int i = 0; i < 24; ++i) {
    auto* cell = new TCountingCell(form);
    cell->SetBounds(i * 10, 0, 10, 10);
    cell->SetParent(form);
    cells.push_back(cell);
  }
  TBox* over = new TBox(form);
  over->SetBounds(20, 5, 15, 20);
  over->SetParent(form);
  form->HandleNeeded();
  over->HandleNeeded();
  Sheet sheet(15, 20, clWhite);
  HDC dc = sheet.Canvas()->GetHandle();
  IntersectClipRect(dc, 0, 0, 15, 20);
  PaintParentBackground(over, dc);
  int painted = 0;
  for (TCountingCell* c : cells) painted += c->paints;
  EXPECT_EQ(painted, 2) << "cells 2 and 3 lie under the control";
  EXPECT_EQ(sheet.At(0, 0), clRed);
  EXPECT_EQ(sheet.At(0, 10), Rgb(clBlue)) << "the parent's own background";
  delete form;
}

}  // namespace
}  // namespace bmptest
