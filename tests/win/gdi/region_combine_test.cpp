#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>

#include "platform/win/gdi/region.h"

using win::gdi::Region;
using win::gdi::RegionOp;
using win::gdi::Span;

namespace {

// A reference model: a small bitmap of the region's pixels.
constexpr int kW = 24;
constexpr int kH = 24;
using Bits = std::array<std::array<bool, kW>, kH>;

Bits Rasterise(const Region& r) {
  Bits b{};
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) b[y][x] = r.Contains(x, y);
  return b;
}

// Checks the canonical band form every operation must leave behind.
void ExpectCanonical(const Region& r) {
  const auto& rs = r.Rects();
  for (std::size_t i = 0; i < rs.size(); ++i) {
    ASSERT_LT(rs[i].left, rs[i].right);
    ASSERT_LT(rs[i].top, rs[i].bottom);
    if (i == 0) continue;
    const RECT& p = rs[i - 1];
    if (p.top == rs[i].top) {
      ASSERT_EQ(p.bottom, rs[i].bottom) << "a band has one height";
      ASSERT_LT(p.right, rs[i].left) << "rectangles in a band are sorted and do not touch";
    } else {
      ASSERT_LE(p.bottom, rs[i].top) << "bands do not overlap";
    }
  }
}

Region RandomRegion(std::mt19937& rng) {
  std::uniform_int_distribution<int> coord(0, kW - 1), count(0, 5);
  std::vector<RECT> rects;
  for (int n = count(rng); n > 0; --n) {
    int x0 = coord(rng), x1 = coord(rng), y0 = coord(rng), y1 = coord(rng);
    rects.push_back(RECT{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1});
  }
  return Region::FromRects(rects);
}

TEST(RegionCombine, AgreesWithAPixelModelForEveryOperation) {
  std::mt19937 rng(12345);
  const struct {
    RegionOp op;
    bool (*f)(bool, bool);
  } ops[] = {
      {RegionOp::And, [](bool a, bool b) { return a && b; }}, {RegionOp::Or, [](bool a, bool b) { return a || b; }},
      {RegionOp::Xor, [](bool a, bool b) { return a != b; }}, {RegionOp::Diff, [](bool a, bool b) { return a && !b; }},
      {RegionOp::Copy, [](bool a, bool) { return a; }},
  };
  for (int trial = 0; trial < 300; ++trial) {
    const Region a = RandomRegion(rng);
    const Region b = RandomRegion(rng);
    const Bits pa = Rasterise(a), pb = Rasterise(b);
    for (const auto& c : ops) {
      const Region r = Region::Combine(a, b, c.op);
      ExpectCanonical(r);
      const Bits pr = Rasterise(r);
      for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
          ASSERT_EQ(pr[y][x], c.f(pa[y][x], pb[y][x]))
              << "trial " << trial << " op " << int(c.op) << " at " << x << "," << y;
      // Equal pixel sets must give equal regions: the form is canonical.
      Region rebuilt;
      std::vector<Span> spans;
      for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
          if (pr[y][x]) spans.push_back(Span{x, x + 1, y});
      ASSERT_EQ(Region::FromSpans(spans), r);
    }
  }
}

TEST(RegionCombine, AdjacentPiecesMergeIntoOneRectangle) {
  // Side by side, stacked, and an L filled back to a square.
  const Region left(0, 0, 5, 10), right(5, 0, 10, 10);
  EXPECT_TRUE(Region::Combine(left, right, RegionOp::Or).IsRect());
  const Region top(0, 0, 10, 5), bottom(0, 5, 10, 10);
  EXPECT_TRUE(Region::Combine(top, bottom, RegionOp::Or).IsRect());
  const Region square(0, 0, 10, 10);
  const Region hole(0, 0, 5, 5);
  const Region ell = Region::Combine(square, hole, RegionOp::Diff);
  EXPECT_EQ(ell.Rects().size(), 2u);
  EXPECT_EQ(Region::Combine(ell, hole, RegionOp::Or), square);
}

TEST(RegionQueries, ContainsIntersectsAndBoundsOnARing) {
  Region ring = Region::Combine(Region(0, 0, 10, 10), Region(3, 3, 7, 7), RegionOp::Diff);
  EXPECT_EQ(ring.Bounds().right, 10);
  EXPECT_EQ(ring.Bounds().bottom, 10);
  EXPECT_TRUE(ring.Contains(0, 0));
  EXPECT_FALSE(ring.Contains(10, 0)) << "right edge is exclusive";
  EXPECT_FALSE(ring.Contains(5, 5)) << "the hole";
  EXPECT_TRUE(ring.Contains(7, 5));
  EXPECT_FALSE(ring.Intersects(RECT{3, 3, 7, 7}));
  EXPECT_TRUE(ring.Intersects(RECT{7, 7, 3, 3 + 5})) << "inverted rectangles are normalised";
  EXPECT_TRUE(ring.ContainsRect(RECT{0, 0, 10, 3}));
  EXPECT_FALSE(ring.ContainsRect(RECT{0, 0, 10, 4}));
  ring.Offset(-20, 5);
  EXPECT_TRUE(ring.Contains(-20, 5));
  EXPECT_FALSE(ring.Contains(-15, 10));
  EXPECT_EQ(ring.Bounds().left, -20);
}

TEST(RegionQueries, EmptyRegionsAreEqualAndContainNothing) {
  EXPECT_EQ(Region(5, 5, 5, 9), Region());
  EXPECT_EQ(Region(9, 9, 1, 1), Region()) << "inverted rectangle";
  EXPECT_TRUE(Region::FromSpans({{4, 4, 0}, {8, 2, 1}}).IsEmpty());
  EXPECT_FALSE(Region().Contains(0, 0));
  EXPECT_EQ(Region().Bounds().right, 0);
}

TEST(RegionQueries, OffsetPastTheCoordinateRangeSaturates) {
  constexpr LONG kMax = std::numeric_limits<LONG>::max();
  Region r = Region::Combine(Region(0, 0, 10, 10), Region(20, 0, 30, 10), RegionOp::Or);
  r.Offset(kMax - 15, 0);
  // The left piece is cut at the end of the range, the right one squashed away.
  ASSERT_EQ(r.Rects().size(), 1u);
  EXPECT_EQ(r.Bounds().left, kMax - 15);
  EXPECT_EQ(r.Bounds().right, kMax - 5);
  r.Offset(10, 0);
  EXPECT_EQ(r.Bounds().right, kMax);
  EXPECT_TRUE(r.Contains(kMax - 1, 5));
}

}  // namespace
