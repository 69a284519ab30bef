// Pixel rules of lines and filled shapes, probed on a small canvas.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/win/gdi/pen.h"
#include "shapes_canvas.h"

using shapes_test::kBlack;
using shapes_test::kGreen;
using shapes_test::kRed;
using shapes_test::kWhite;
using shapes_test::ShapeCanvas;
using shapes_test::Str;

namespace {

struct Probe {
  int x, y;
  COLORREF color;
};

struct PixelCase {
  const char* name;
  std::function<void(ShapeCanvas&)> draw;
  std::vector<Probe> probes;
  // Optional: the bounding box and number of pixels of one colour.
  COLORREF counted = kWhite;
  const char* box = nullptr;
  int count = -1;
};

void UsePen(ShapeCanvas& c, int style, int width, COLORREF color) {
  c.Use(CreatePen(style, width, color));
}
void UseNullPen(ShapeCanvas& c) {
  c.Use(win::gdi::CreateStockPen(NULL_PEN));
}

const std::vector<PixelCase>& Cases() {
  static const std::vector<PixelCase> cases = {
      {"a null pen leaves out the right and bottom edge",
       [](ShapeCanvas& c) {
         UseNullPen(c);
         c.UseBrush(kRed);
         Rectangle(c.dc(), 0, 0, 10, 10);
       },
       {{8, 8, kRed}, {9, 0, kWhite}, {0, 9, kWhite}},
       kRed,
       "{0,0,9,9}",
       81},
      {"a one-pixel pen outlines [left, right-1] and the brush fills inside",
       [](ShapeCanvas& c) {
         UsePen(c, PS_SOLID, 1, kBlack);
         c.UseBrush(kRed);
         Rectangle(c.dc(), 1, 1, 11, 11);
       },
       {{1, 1, kBlack}, {10, 10, kBlack}, {11, 11, kWhite}, {2, 2, kRed}, {9, 9, kRed}},
       kRed,
       "{2,2,10,10}",
       64},
      {"an inverted rectangle is put in order",
       [](ShapeCanvas& c) {
         UsePen(c, PS_SOLID, 1, kBlack);
         c.UseBrush(kRed);
         Rectangle(c.dc(), 11, 11, 1, 1);
       },
       {{1, 1, kBlack}, {10, 10, kBlack}},
       kRed,
       "{2,2,10,10}",
       64},
      {"LineTo does not set its end pixel",
       [](ShapeCanvas& c) {
         MoveToEx(c.dc(), 1, 1, nullptr);
         LineTo(c.dc(), 8, 1);
       },
       {{1, 1, kBlack}, {7, 1, kBlack}, {8, 1, kWhite}},
       kBlack,
       "{1,1,8,2}",
       7},
      {"a diagonal line steps one pixel per column and leaves its end out",
       [](ShapeCanvas& c) {
         MoveToEx(c.dc(), 0, 0, nullptr);
         LineTo(c.dc(), 5, 5);
       },
       {{0, 0, kBlack}, {4, 4, kBlack}, {5, 5, kWhite}},
       kBlack,
       "{0,0,5,5}",
       5},
      {"a wide pen is centred on the outline",
       [](ShapeCanvas& c) {
         UsePen(c, PS_SOLID, 3, kBlack);
         c.UseNullBrush();
         Rectangle(c.dc(), 2, 2, 12, 12);
       },
       {{1, 1, kBlack}, {12, 12, kBlack}, {4, 4, kWhite}},
       kBlack,
       "{1,1,13,13}",
       144 - 36},
      {"PS_INSIDEFRAME keeps a wide pen inside the box",
       [](ShapeCanvas& c) {
         UsePen(c, PS_INSIDEFRAME, 3, kBlack);
         c.UseBrush(kRed);
         Rectangle(c.dc(), 2, 2, 12, 12);
       },
       {{1, 1, kWhite}, {2, 2, kBlack}, {11, 11, kBlack}, {5, 5, kRed}},
       kBlack,
       "{2,2,12,12}",
       100 - 16},
      {"a dotted pen paints its gaps in the background colour when opaque",
       [](ShapeCanvas& c) {
         UsePen(c, PS_DOT, 1, kBlack);
         c.context().attr.bkMode = OPAQUE;
         c.context().attr.bkColor = kGreen;
         MoveToEx(c.dc(), 0, 0, nullptr);
         LineTo(c.dc(), 12, 0);
       },
       {{0, 0, kBlack}, {2, 0, kBlack}, {3, 0, kGreen}, {5, 0, kGreen}, {6, 0, kBlack}, {12, 0, kWhite}},
       kBlack,
       "{0,0,9,1}",
       6},
      {"a dotted pen leaves its gaps alone when transparent",
       [](ShapeCanvas& c) {
         UsePen(c, PS_DOT, 1, kBlack);
         c.context().attr.bkMode = TRANSPARENT;
         c.context().attr.bkColor = kGreen;
         MoveToEx(c.dc(), 0, 0, nullptr);
         LineTo(c.dc(), 12, 0);
       },
       {{3, 0, kWhite}, {6, 0, kBlack}},
       kGreen,
       nullptr,
       0},
      {"a wider styled pen draws solid",
       [](ShapeCanvas& c) {
         UsePen(c, PS_DASHDOT, 2, kBlack);
         c.context().attr.bkColor = kGreen;
         MoveToEx(c.dc(), 2, 4, nullptr);
         LineTo(c.dc(), 14, 4);
       },
       {{8, 4, kBlack}, {8, 3, kBlack}},
       kGreen,
       nullptr,
       0},
      {"an ellipse stays in its box and is symmetric",
       [](ShapeCanvas& c) {
         UsePen(c, PS_SOLID, 1, kBlack);
         c.UseBrush(kRed);
         Ellipse(c.dc(), 0, 0, 10, 8);
       },
       {{0, 0, kWhite}, {9, 7, kWhite}, {0, 4, kBlack}, {9, 3, kBlack}, {5, 4, kRed}},
       kBlack,
       "{0,0,10,8}",
       -1},
      {"a null-pen ellipse shrinks by one pixel",
       [](ShapeCanvas& c) {
         UseNullPen(c);
         c.UseBrush(kRed);
         Ellipse(c.dc(), 0, 0, 11, 11);
       },
       {{5, 5, kRed}},
       kRed,
       "{0,0,10,10}",
       -1},
      {"a round rectangle cuts its corners but keeps its edges",
       [](ShapeCanvas& c) {
         UsePen(c, PS_SOLID, 1, kBlack);
         c.UseBrush(kRed);
         RoundRect(c.dc(), 0, 0, 14, 10, 6, 6);
       },
       {{0, 0, kWhite}, {13, 9, kWhite}, {7, 0, kBlack}, {0, 5, kBlack}, {13, 5, kBlack}, {7, 5, kRed}},
       kBlack,
       "{0,0,14,10}",
       -1},
      {"a polygon fills its inside including the top-left edges only",
       [](ShapeCanvas& c) {
         UseNullPen(c);
         c.UseBrush(kRed);
         const POINT square[] = {{2, 2}, {8, 2}, {8, 8}, {2, 8}};
         Polygon(c.dc(), square, 4);
       },
       {{2, 2, kRed}, {7, 7, kRed}, {8, 8, kWhite}},
       kRed,
       "{2,2,8,8}",
       36},
      {"a pie takes the counter-clockwise quarter from the right radial to the top one",
       [](ShapeCanvas& c) {
         UseNullPen(c);
         c.UseBrush(kRed);
         Pie(c.dc(), 0, 0, 17, 17, 16, 8, 8, 0);
       },
       {{12, 4, kRed}, {4, 4, kWhite}, {12, 12, kWhite}, {4, 12, kWhite}},
       kRed,
       nullptr,
       -1},
      {"the clockwise arc direction takes the other three quarters",
       [](ShapeCanvas& c) {
         UseNullPen(c);
         c.UseBrush(kRed);
         SetArcDirection(c.dc(), AD_CLOCKWISE);
         Pie(c.dc(), 0, 0, 17, 17, 16, 8, 8, 0);
       },
       {{12, 4, kWhite}, {4, 4, kRed}, {12, 12, kRed}, {4, 12, kRed}},
       kRed,
       nullptr,
       -1},
      {"a chord fills the side of its chord line where the arc is",
       [](ShapeCanvas& c) {
         UseNullPen(c);
         c.UseBrush(kRed);
         Chord(c.dc(), 0, 0, 17, 17, 16, 8, 0, 8);  // the upper half
       },
       {{8, 3, kRed}, {8, 13, kWhite}},
       kRed,
       nullptr,
       -1},
  };
  return cases;
}

TEST(ShapesPixels, FollowGdiPixelRules) {
  for (const PixelCase& t : Cases()) {
    SCOPED_TRACE(t.name);
    ShapeCanvas c(16, 16);
    t.draw(c);
    for (const Probe& p : t.probes) {
      EXPECT_EQ(c.At(p.x, p.y), p.color) << "at " << p.x << "," << p.y << c.Picture();
    }
    if (t.box) {
      EXPECT_EQ(Str(c.BoxOf(t.counted)), t.box) << c.Picture();
    }
    if (t.count >= 0) {
      EXPECT_EQ(c.Count(t.counted), t.count) << c.Picture();
    }
  }
}

TEST(ShapesPixels, EllipseOutlineIsClosedAndMirrorSymmetric) {
  for (int w = 2; w <= 15; ++w) {
    for (int h = 2; h <= 15; ++h) {
      ShapeCanvas c(16, 16);
      c.UseBrush(kRed);
      Ellipse(c.dc(), 0, 0, w, h);
      SCOPED_TRACE(testing::Message() << w << "x" << h << c.Picture());
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          ASSERT_EQ(c.At(x, y), c.At(w - 1 - x, y));
          ASSERT_EQ(c.At(x, y), c.At(x, h - 1 - y));
          // The fill never touches the outside: the outline closes it in.
          if (c.At(x, y) == kRed) {
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) ASSERT_NE(c.At(x + dx, y + dy), kWhite);
          }
        }
      EXPECT_EQ(Str(c.BoxOf(kBlack)), Str(RECT{0, 0, w, h}));
    }
  }
}

TEST(ShapesPixels, CurrentPositionFollowsLineToAndPolylineTo) {
  ShapeCanvas c(16, 16);
  POINT previous{};
  MoveToEx(c.dc(), 3, 4, nullptr);
  LineTo(c.dc(), 9, 4);
  MoveToEx(c.dc(), 1, 1, &previous);
  EXPECT_EQ(previous.x, 9);
  EXPECT_EQ(previous.y, 4);
  const POINT more[] = {{5, 1}, {5, 6}};
  PolylineTo(c.dc(), more, 2);
  POINT now{};
  GetCurrentPositionEx(c.dc(), &now);
  EXPECT_EQ(now.x, 5);
  EXPECT_EQ(now.y, 6);
  // The corner is set once and the last point is left out.
  EXPECT_EQ(c.At(5, 1), kBlack);
  EXPECT_EQ(c.At(5, 5), kBlack);
  EXPECT_EQ(c.At(5, 6), kWhite);
}

TEST(ShapesPixels, XorOutlinesSetEveryPixelOnceSoTwiceRestores) {
  ShapeCanvas c(20, 20);
  c.Use(CreatePen(PS_SOLID, 1, kWhite));
  c.UseNullBrush();
  c.context().attr.rop2 = R2_XORPEN;
  const POINT star[] = {{10, 1}, {16, 18}, {2, 7}, {18, 7}, {4, 18}};
  const auto before = c.Pixels();
  Polygon(c.dc(), star, 5);
  EXPECT_NE(c.Pixels(), before);
  Polygon(c.dc(), star, 5);
  EXPECT_EQ(c.Pixels(), before) << c.Picture();
  c.Use(CreatePen(PS_SOLID, 4, kWhite));
  Polyline(c.dc(), star, 5);
  Polyline(c.dc(), star, 5);
  EXPECT_EQ(c.Pixels(), before) << c.Picture();
}

TEST(ShapesPixels, PolygonFillModeDecidesTheOverlap) {
  const POINT star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  for (int mode : {ALTERNATE, WINDING}) {
    ShapeCanvas c(20, 20);
    UseNullPen(c);
    c.UseBrush(kRed);
    c.context().attr.polyFillMode = mode;
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.At(10, 11), mode == WINDING ? kRed : kWhite) << c.Picture();
    EXPECT_EQ(c.At(10, 3), kRed);
  }
}

TEST(ShapesPixels, NothingDrawsOutsideTheClip) {
  ShapeCanvas c(16, 16);
  c.UseBrush(kRed);
  IntersectClipRect(c.dc(), 4, 4, 8, 8);
  Ellipse(c.dc(), -50, -50, 60, 60);
  MoveToEx(c.dc(), 0, 6, nullptr);
  LineTo(c.dc(), 16, 6);
  EXPECT_EQ(Str(c.BoxOf(kRed)), "{4,4,8,8}");
  EXPECT_EQ(c.Count(kWhite), 256 - 16);
}

TEST(ShapesPixels, ArcsDrawTheirPartOfTheOutlineAndArcToMovesOn) {
  ShapeCanvas whole(17, 17), arc(17, 17);
  whole.UseNullBrush();
  Ellipse(whole.dc(), 0, 0, 17, 17);
  // From the right radial counter-clockwise to the top one: the upper-right quarter.
  Arc(arc.dc(), 0, 0, 17, 17, 16, 8, 8, 0);
  const RECT box = arc.BoxOf(kBlack);
  EXPECT_GE(box.left, 8) << arc.Picture();
  EXPECT_LE(box.bottom, 9) << arc.Picture();
  EXPECT_GT(arc.Count(kBlack), 8);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x)
      if (arc.At(x, y) == kBlack) {
        ASSERT_EQ(whole.At(x, y), kBlack) << "on the ellipse's outline at " << x << "," << y;
      }

  // ArcTo: a line from the current position to the arc's start, then the arc;
  // the current position ends at the arc's end.
  ShapeCanvas c(20, 20);
  MoveToEx(c.dc(), 19, 19, nullptr);
  ArcTo(c.dc(), 0, 0, 17, 17, 16, 8, 8, 0);
  POINT now{};
  GetCurrentPositionEx(c.dc(), &now);
  EXPECT_EQ(now.x, 8);
  EXPECT_EQ(now.y, 0);
  EXPECT_EQ(c.At(19, 19), kBlack) << "the joining line" << c.Picture();
  EXPECT_EQ(c.At(9, 0), kBlack) << "the arc" << c.Picture();
  EXPECT_EQ(c.At(3, 12), kWhite);
}

}  // namespace
