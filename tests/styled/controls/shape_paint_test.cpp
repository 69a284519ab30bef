// Shapes on the canvas: two-colour bevels, shadows, fills through the
// picture mask, the outline given back unchanged, and a picture of all
// eleven figures.
#include <memory>
#include <vector>

#include "controls/styled/stygrapA.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

constexpr TColor kPaper = clWhite;
constexpr TColor kFace = clYellow;
constexpr TColor kLight = clLime;
constexpr TColor kDark = clBlue;
constexpr TColor kShade = clPurple;

class ShapePaint : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    brush.SetColor(kFace);
    bevel.SetLightColor(kLight);
    bevel.SetShadowColor(kDark);
    bevel.SetColor(clBlack);
    shadow.SetColor(kShade);
  }
  void Paint(Sheet& s, const TRect& r, TStyShapeType shape, TStyShadow* sh, TBitmap* picture = nullptr,
             TStyPointList* points = nullptr) {
    PaintShape(r, s.Canvas(), shape, points, false, &brush, 33, &bevel, sh, picture, kPaper);
  }
  TBrush brush;
  TStySimpleBevel bevel;
  TStyShadow shadow;
};

TEST_F(ShapePaint, TwoColourBevelIsRaisedWhenOffsetAndSunkenWhenInset) {
  bevel.SetWidth(1);
  for (auto [style, top, bottom] : {std::tuple{sbOffset, kLight, kDark}, std::tuple{sbInset, kDark, kLight}}) {
    bevel.SetStyle(style);
    Sheet s(7, 9, kPaper);
    Paint(s, TRect(0, 0, 7, 9), stRectangle, nullptr);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(s.At(x, 0), top) << "top row " << x;
    for (int y = 0; y < 9; ++y) EXPECT_EQ(s.At(0, y), top) << "left column " << y;
    for (int y = 0; y < 8; ++y) EXPECT_EQ(s.At(6, y), bottom) << "right column " << y;
    for (int x = 1; x < 7; ++x) EXPECT_EQ(s.At(x, 8), bottom) << "bottom row " << x;
    EXPECT_EQ(s.At(3, 4), kFace);
  }
}

TEST_F(ShapePaint, PlainBevelOutlinesInItsColourAndWidthZeroDrawsNoOutline) {
  bevel.SetWidth(1);
  Sheet s(20, 20, kPaper);
  Paint(s, TRect(0, 0, 20, 20), stRectangle, nullptr);
  EXPECT_EQ(s.At(0, 0), clBlack);
  EXPECT_EQ(s.At(19, 10), clBlack);
  EXPECT_EQ(s.At(10, 10), kFace);
  bevel.SetWidth(0);
  bevel.SetStyle(sbOffset);
  Sheet n(20, 20, kPaper);
  Paint(n, TRect(0, 0, 20, 20), stRectangle, nullptr);
  EXPECT_EQ(n.At(0, 0), kFace);
  EXPECT_EQ(n.At(10, 10), kFace);
  EXPECT_EQ(n.At(19, 19), kPaper);  // a rectangle leaves its right and bottom edge out
}

TEST_F(ShapePaint, ShadowLiesBelowRightAndNoneOrDepthZeroShiftsNothing) {
  bevel.SetWidth(1);
  shadow.SetDepth(6);
  Sheet s(50, 30, kPaper);
  Paint(s, TRect(0, 0, 50, 30), stRectangle, &shadow);
  EXPECT_EQ(s.At(47, 27), kShade);
  EXPECT_EQ(s.At(2, 2), kFace);
  EXPECT_EQ(s.At(47, 2), kPaper);  // beside the shadow's top
  EXPECT_EQ(s.At(43, 2), clBlack);  // the face's right outline at 50 - 6 - 1

  shadow.SetStyle(hssNone);
  Sheet n(50, 30, kPaper);
  Paint(n, TRect(0, 0, 50, 30), stRectangle, &shadow);
  EXPECT_EQ(n.At(47, 27), kFace);
  EXPECT_EQ(n.At(49, 2), clBlack);

  shadow.SetStyle(hssTracing);
  shadow.SetColor(clBlack);
  Sheet t(50, 30, kPaper);
  Paint(t, TRect(0, 0, 50, 30), stRectangle, &shadow);
  // The pattern masks every other pixel of the paper.
  EXPECT_NE(t.At(47, 27), t.At(48, 27));
  EXPECT_TRUE(t.At(47, 27) == clBlack || t.At(47, 27) == kPaper);
}

TEST_F(ShapePaint, PictureShowsInsideTheFigureOnly) {
  // A picture with a white pixel and a pixel of the mask's own colours:
  // the figure keeps every picture pixel, outside keeps the paper.
  bevel.SetWidth(1);
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(pf32bit);
  picture->SetSize(40, 40);
  picture->GetCanvas()->GetBrush()->SetColor(clRed);
  picture->GetCanvas()->FillRect(TRect(0, 0, 40, 40));
  picture->GetCanvas()->SetPixels(20, 20, clWhite);
  picture->GetCanvas()->SetPixels(21, 20, clBlack);
  Sheet s(60, 60, clGreen);
  Paint(s, TRect(10, 10, 50, 50), stEllipse, nullptr, picture.get());
  EXPECT_EQ(s.At(25, 25), clRed);
  EXPECT_EQ(s.At(30, 30), clWhite);
  EXPECT_EQ(s.At(31, 30), clBlack);
  EXPECT_EQ(s.At(12, 12), clGreen);  // inside the box, outside the ellipse
  EXPECT_EQ(s.At(5, 30), clGreen);
  EXPECT_EQ(s.At(30, 10), clBlack);  // the outline on top of the picture
  EXPECT_EQ(picture->GetCanvas()->GetPixels(20, 20) & 0xFFFFFF, clWhite);  // the caller's picture is not changed
}

TEST_F(ShapePaint, OutlineComesBackAndTheTargetsPlaceOnlyMovesThePicture) {
  bevel.SetWidth(2);
  bevel.SetStyle(sbOffset);
  shadow.SetDepth(4);
  for (TStyShapeType shape : {stRoundRect, stOctagon, stEllipse}) {
    TStyPointList points;
    BuildShapeOutline(TRect(0, 0, 40, 30), shape, &points, &shadow, &bevel, 33, false);
    std::vector<TPoint> before;
    for (int i = 0; i < points.GetCount(); ++i) before.push_back(points.At(i));
    Sheet here(40, 30, kPaper);
    Paint(here, TRect(0, 0, 40, 30), shape, &shadow, nullptr, &points);
    Sheet there(60, 50, kPaper);
    Paint(there, TRect(13, 17, 53, 47), shape, &shadow, nullptr, &points);
    for (int i = 0; i < points.GetCount(); ++i) EXPECT_EQ(points.At(i), before[i]) << i;
    int differ = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) differ += here.At(x, y) != there.At(x + 13, y + 17);
    EXPECT_EQ(differ, 0) << EnumNames(shape)[shape];
  }
}

TEST_F(ShapePaint, ElevenFiguresWithBevelsAndShadows) {
  constexpr int kCell = 64;
  Sheet s(kCell * 6, kCell * 4, clSilver);
  bevel.SetWidth(2);
  shadow.SetDepth(4);
  for (int i = 0; i <= stStar; ++i) {
    const auto shape = static_cast<TStyShapeType>(i);
    const int x = (i % 6) * kCell, y = (i / 6) * kCell;
    bevel.SetStyle(sbOffset);
    Paint(s, TRect(x + 4, y + 4, x + kCell - 4, y + kCell - 4), shape, &shadow);
    bevel.SetStyle(sbInset);
    Paint(s, TRect(x + 12, y + kCell * 2 + 12, x + kCell - 12, y + kCell * 3 - 12), shape, nullptr);
    // The face's middle is filled with the brush.
    const int mx = x + 4 + (kCell - 8 - 4) / 2, my = y + 4 + (kCell - 8 - 4) / 2;
    EXPECT_EQ(s.At(mx, my + (shape == stDirectDown ? -8
                             : shape == stDirectUp ? 8
                                                   : 0)),
              kFace)
        << EnumNames(shape)[shape];
  }
  EXPECT_TRUE(SavePicture(s.bitmap.get(), "shape_figures.png"));
}

}  // namespace
}  // namespace styledtest
