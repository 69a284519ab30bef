// The scan conversion helpers under lines and figures.
#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "platform/win/gdi/shapes/raster.h"
#include "shapes_canvas.h"

using namespace win::gdi::shapes;

namespace {

TEST(ShapesRaster, WindowedLineWalkMatchesTheFullWalk) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(-40, 40);
  for (int trial = 0; trial < 3000; ++trial) {
    const POINT a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
    int l = coord(rng), t = coord(rng), r = coord(rng), btm = coord(rng);
    const RECT window{std::min(l, r), std::min(t, btm), std::max(l, r) + 1, std::max(t, btm) + 1};
    const bool xMajor = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    std::vector<std::tuple<LONG, LONG, std::int64_t>> full, windowed;
    std::int64_t i = 0;
    ForEachLinePixel(a, b, [&](LONG x, LONG y) {
      const LONG m = xMajor ? x : y;
      const LONG lo = xMajor ? window.left : window.top, hi = xMajor ? window.right : window.bottom;
      if (m >= lo && m < hi) full.emplace_back(x, y, i);
      ++i;
    });
    ForEachLinePixelIn(a, b, window, [&](LONG x, LONG y, std::int64_t k) { windowed.emplace_back(x, y, k); });
    ASSERT_EQ(windowed, full) << "line " << a.x << "," << a.y << " -> " << b.x << "," << b.y;
  }
}

TEST(ShapesRaster, AVeryLongLineDrawsWhatCrossesTheSurface) {
  shapes_test::ShapeCanvas c(16, 16);
  MoveToEx(c.dc(), -2000000000, 5, nullptr);
  LineTo(c.dc(), 2000000000, 5);
  EXPECT_EQ(shapes_test::Str(c.BoxOf(RGB(0, 0, 0))), "{0,5,16,6}");
  c.Use(CreatePen(PS_DOT, 1, RGB(0, 0, 0)));
  MoveToEx(c.dc(), 3, -2000000000, nullptr);
  LineTo(c.dc(), 3, 2000000000);
  // Three on, three off, all the way down.
  int on = 0;
  for (int y = 0; y < 16; ++y) {
    if (y != 5) on += c.At(3, y) == RGB(0, 0, 0);
    if (y + 6 < 16 && y != 5 && y + 6 != 5) {
      EXPECT_EQ(c.At(3, y), c.At(3, y + 6)) << y << c.Picture();
    }
  }
  EXPECT_GE(on, 6);
  EXPECT_LE(on, 9);
}

TEST(ShapesRaster, OutlineSplitKeepsEveryPixelOnce) {
  for (int w = 1; w <= 9; ++w)
    for (int h = 1; h <= 9; ++h) {
      const auto spans = EllipseSpans(RECT{0, 0, w, h});
      std::vector<win::gdi::Span> outline, inside;
      SplitOutline(spans, &outline, &inside);
      int total = 0, parts = 0;
      for (const auto& s : spans) total += s.x1 - s.x0;
      for (const auto& s : outline) parts += s.x1 - s.x0;
      for (const auto& s : inside) parts += s.x1 - s.x0;
      EXPECT_EQ(parts, total) << w << "x" << h;
      const auto together = win::gdi::Region::Combine(win::gdi::Region::FromSpans(outline),
                                                      win::gdi::Region::FromSpans(inside), win::gdi::RegionOp::Or);
      EXPECT_EQ(together, win::gdi::Region::FromSpans(spans));
    }
}

}  // namespace
