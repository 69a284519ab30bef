// Shape outlines: the outer and inner points of the eleven figures, the
// square box, the shadow's shift, the bevel's insets and the point list.
#include <utility>
#include <vector>

#include "controls/styled/stygrapA.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

using Points = std::vector<TPoint>;

struct Outline {
  Points outer, inner;
};

Outline Build(TStyShapeType shape, int w, int h, int bevelWidth = 1, TStyShadow* shadow = nullptr, bool square = false,
              int round = 33) {
  TStySimpleBevel bevel;
  bevel.SetWidth(static_cast<TStyBevelWidth>(bevelWidth));
  TStyPointList list;
  list.AddPoint(99, 99);  // the builder starts from an empty list
  BuildShapeOutline(TRect(0, 0, w, h), shape, &list, shadow, &bevel, round, square);
  Outline o;
  const int n = list.GetCount() / 2;
  for (int i = 0; i < n; ++i) o.outer.push_back(list.At(i));
  for (int i = n; i < 2 * n; ++i) o.inner.push_back(list.At(i));
  return o;
}

TEST(ShapeOutline, OuterPointsOfThePolygonsFollowTheirSteps) {
  struct Case {
    TStyShapeType shape;
    int w, h;
    Points outer;
  } cases[] = {
      {stOctagon, 40, 30, {{12, 0}, {29, 0}, {40, 9}, {40, 22}, {29, 30}, {12, 30}, {0, 22}, {0, 9}}},
      {stComb, 40, 30, {{20, 0}, {40, 6}, {40, 24}, {20, 30}, {0, 24}, {0, 6}}},
      {stStar,
       100,
       100,
       {{50, 0}, {65, 38}, {100, 38}, {70, 60}, {85, 100}, {50, 75}, {15, 100}, {30, 60}, {0, 38}, {35, 38}}},
      {stDirectUp, 40, 30, {{20, 0}, {40, 30}, {0, 30}}},
      {stDirectRight, 40, 30, {{0, 0}, {40, 15}, {0, 30}}},
      {stDirectDown, 40, 30, {{0, 0}, {40, 0}, {20, 30}}},
      {stDirectLeft, 40, 30, {{40, 0}, {0, 15}, {40, 30}}},
      {stDiamond, 40, 30, {{20, 0}, {40, 15}, {20, 30}, {0, 15}}},
      {stEllipse, 40, 30, {{0, 0}, {40, 30}}},
      {stRectangle, 40, 30, {{0, 0}, {40, 30}}},
      {stRoundRect, 40, 30, {{0, 0}, {40, 30}, {9, 9}}},
  };
  for (const Case& c : cases) {
    const Outline o = Build(c.shape, c.w, c.h);
    EXPECT_EQ(o.outer, c.outer) << EnumNames(c.shape)[c.shape];
    EXPECT_EQ(o.inner.size(), o.outer.size()) << EnumNames(c.shape)[c.shape];
  }
}

TEST(ShapeOutline, TheBevelInsetsTheFaceByHalfItsWidth) {
  // Width 1 and 0: inner and outer coincide; 3: r = s = 1; 4: r = 2, s = 1.
  for (auto [width, r, s] : {std::tuple{0, 0, 0}, std::tuple{1, 0, 0}, std::tuple{3, 1, 1}, std::tuple{4, 2, 1}}) {
    const Outline o = Build(stRectangle, 40, 30, width);
    EXPECT_EQ(o.inner, (Points{{r, r}, {40 - s, 30 - s}})) << width;
  }
  const Outline oct = Build(stOctagon, 40, 30, 4);
  EXPECT_EQ(oct.inner, (Points{{14, 2}, {31, 2}, {39, 11}, {39, 24}, {31, 29}, {14, 29}, {2, 24}, {2, 11}}));
  const Outline star = Build(stStar, 100, 100, 4);
  EXPECT_EQ(star.inner[0], TPoint(50, 2));
  EXPECT_EQ(star.inner[2], TPoint(99, 38));
  EXPECT_EQ(star.inner[4], TPoint(85, 99));
  EXPECT_EQ(star.inner[8], TPoint(1, 38));
  EXPECT_EQ(star.inner[1], star.outer[1]);
}

TEST(ShapeOutline, SquareCentresTheBoxOnTheLongerSide) {
  EXPECT_EQ(Build(stRectangle, 100, 60, 1, nullptr, true).outer, (Points{{20, 0}, {80, 60}}));
  EXPECT_EQ(Build(stEllipse, 60, 100, 1, nullptr, true).outer, (Points{{0, 20}, {60, 80}}));
}

TEST(ShapeOutline, AVisibleShadowPutsTheBoxAtItsPlace) {
  TStyShadow shadow;
  shadow.SetDepth(6);
  EXPECT_EQ(Build(stRectangle, 50, 30, 1, &shadow).outer, (Points{{6, 6}, {50, 30}}));
  shadow.SetStyle(hssNone);
  EXPECT_EQ(Build(stRectangle, 50, 30, 1, &shadow).outer, (Points{{0, 0}, {50, 30}}));
}

TEST(ShapeOutline, RoundRectCornerSizesAreSizesNotPlaces) {
  TStyShadow shadow;
  shadow.SetDepth(4);
  const Outline o = Build(stRoundRect, 44, 34, 1, &shadow, false, 50);
  EXPECT_EQ(o.outer[2], TPoint(15, 15));  // min(40, 30) * 50 / 100
  EXPECT_EQ(o.inner[2], TPoint(15, 15));
  EXPECT_EQ(Build(stRoundRect, 44, 34, 1, nullptr, false, 0).outer[2], TPoint(0, 0));

  TStyPointList list;
  BuildShapeOutline(TRect(0, 0, 44, 34), stRoundRect, &list, &shadow, nullptr, 50, false);
  MoveOutline(&list, stRoundRect, 10, 20);
  EXPECT_EQ(list.At(0), TPoint(14, 24));
  EXPECT_EQ(list.At(2), TPoint(15, 15));
  EXPECT_EQ(list.At(5), TPoint(15, 15));
  MoveOutline(&list, stRectangle, 1, 1);  // any other figure moves every entry
  EXPECT_EQ(list.At(2), TPoint(16, 16));
}

TEST(PointList, PointsKeepTheirSignAndBadIndexesChangeNothing) {
  TStyPointList list;
  list.AddPoint(-5, -32768);
  list.AddPoint(32767, 7);
  EXPECT_EQ(list.At(0), TPoint(-5, -32768));
  EXPECT_EQ(list.At(1), TPoint(32767, 7));
  TPoint untouched(1, 2);
  list.GetPoint(2, untouched);
  EXPECT_EQ(untouched, TPoint(1, 2));
  list.PutPoint(2, TPoint(3, 3));
  EXPECT_EQ(list.GetCount(), 2);
  list.PutPoint(0, TPoint(-1, 1));
  TranslatePoints(&list, 2, -3);
  EXPECT_EQ(list.At(0), TPoint(1, -2));
  EXPECT_EQ(list.At(1), TPoint(-32767, 4));  // 16 bits wrap
  TranslatePoints(nullptr, 1, 1);
}

TEST(ShapeParams, PartsReportTheirChangesAsTheShapes) {
  TStyShape shape;
  int changes = 0;
  shape.OnChange = [&](TObject*) { ++changes; };
  shape.GetBevel()->SetWidth(3);
  shape.GetBrush()->SetColor(clRed);
  shape.GetShadow()->SetDepth(2);
  shape.SetShape(stStar);
  shape.SetShape(stStar);
  EXPECT_EQ(changes, 4);
  TStySimpleBevel other;
  other.SetStyle(sbInset);
  other.SetLightColor(clLime);
  shape.SetBevel(&other);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(shape.GetBevel()->GetLightColor(), clLime);
  EXPECT_EQ(shape.GetBevel()->GetWidth(), 2);
  TStyShape copy;
  int copyChanges = 0;
  copy.OnChange = [&](TObject*) { ++copyChanges; };
  copy.Assign(&shape);
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(copy.GetShape(), stStar);
  EXPECT_EQ(copy.GetShadow()->GetDepth(), 2);
}

}  // namespace
}  // namespace styledtest
