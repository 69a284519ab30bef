// Region objects through the API: creation, combination codes, queries, and
// the clip region of a device context.
#include <gtest/gtest.h>

#include <vector>

#include "shapes_canvas.h"

using shapes_test::ShapeCanvas;
using shapes_test::Str;

namespace {

// Deletes the regions a test makes.
struct Rgns {
  std::vector<HRGN> all;
  HRGN operator()(HRGN r) {
    all.push_back(r);
    return r;
  }
  ~Rgns() {
    for (HRGN r : all) DeleteObject(r);
  }
};

RECT Box(HRGN r) {
  RECT b{};
  GetRgnBox(r, &b);
  return b;
}

TEST(RegionApi, CombineReportsTheResultingComplexity) {
  struct Case {
    const char* name;
    RECT a, b;
    int mode;
    int complexity;
    const char* box;
  } cases[] = {
      {"overlap AND", {0, 0, 10, 10}, {5, 5, 15, 15}, RGN_AND, SIMPLEREGION, "{5,5,10,10}"},
      {"disjoint AND", {0, 0, 5, 5}, {6, 6, 9, 9}, RGN_AND, NULLREGION, "{0,0,0,0}"},
      {"overlap OR", {0, 0, 10, 10}, {5, 5, 15, 15}, RGN_OR, COMPLEXREGION, "{0,0,15,15}"},
      {"side by side OR", {0, 0, 5, 10}, {5, 0, 9, 10}, RGN_OR, SIMPLEREGION, "{0,0,9,10}"},
      {"XOR of equals", {1, 1, 4, 4}, {1, 1, 4, 4}, RGN_XOR, NULLREGION, "{0,0,0,0}"},
      {"DIFF cutting a side", {0, 0, 10, 10}, {5, -1, 11, 11}, RGN_DIFF, SIMPLEREGION, "{0,0,5,10}"},
      {"DIFF punching a hole", {0, 0, 10, 10}, {3, 3, 6, 6}, RGN_DIFF, COMPLEXREGION, "{0,0,10,10}"},
      {"COPY ignores the second", {2, 2, 4, 4}, {0, 0, 0, 0}, RGN_COPY, SIMPLEREGION, "{2,2,4,4}"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.name);
    Rgns own;
    HRGN a = own(CreateRectRgnIndirect(&t.a));
    HRGN b = own(CreateRectRgnIndirect(&t.b));
    HRGN d = own(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(d, a, b, t.mode), t.complexity);
    EXPECT_EQ(Str(Box(d)), t.box);
    // The destination may be one of the sources.
    EXPECT_EQ(CombineRgn(a, a, b, t.mode), t.complexity);
    EXPECT_TRUE(EqualRgn(a, d));
  }
}

TEST(RegionApi, FailuresReportError) {
  Rgns own;
  HRGN a = own(CreateRectRgn(0, 0, 5, 5));
  EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_OR), ERROR);
  EXPECT_EQ(CombineRgn(a, a, a, 0), ERROR);
  EXPECT_EQ(CombineRgn(nullptr, a, a, RGN_AND), ERROR);
  EXPECT_EQ(OffsetRgn(nullptr, 1, 1), ERROR);
  EXPECT_EQ(CreatePolygonRgn(nullptr, 3, WINDING), nullptr);
  const POINT two[] = {{0, 0}, {4, 4}};
  EXPECT_EQ(CreatePolygonRgn(two, 2, 7), nullptr) << "unknown fill mode";
  // Not a region: a pen handle.
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  EXPECT_FALSE(PtInRegion(reinterpret_cast<HRGN>(pen), 0, 0));
  DeleteObject(pen);
}

TEST(RegionApi, EllipticAndRoundedRegionsHitTestInsideTheirCurve) {
  Rgns own;
  HRGN e = own(CreateEllipticRgn(0, 0, 20, 10));
  EXPECT_EQ(Str(Box(e)), "{0,0,20,10}");
  EXPECT_TRUE(PtInRegion(e, 10, 5));
  EXPECT_TRUE(PtInRegion(e, 0, 5));
  EXPECT_TRUE(PtInRegion(e, 19, 4));
  EXPECT_FALSE(PtInRegion(e, 20, 5)) << "right edge excluded";
  EXPECT_FALSE(PtInRegion(e, 0, 0)) << "the corners lie outside the curve";
  EXPECT_FALSE(PtInRegion(e, 19, 9));
  HRGN inverted = own(CreateEllipticRgn(20, 10, 0, 0));
  EXPECT_TRUE(EqualRgn(e, inverted));

  HRGN rr = own(CreateRoundRectRgn(0, 0, 30, 20, 10, 10));
  EXPECT_FALSE(PtInRegion(rr, 0, 0));
  EXPECT_TRUE(PtInRegion(rr, 15, 0)) << "straight top edge";
  EXPECT_TRUE(PtInRegion(rr, 0, 10)) << "straight left edge";
  EXPECT_TRUE(PtInRegion(rr, 2, 2)) << "inside the corner curve";
  HRGN square = own(CreateRoundRectRgn(0, 0, 30, 20, 0, 0));
  HRGN rect = own(CreateRectRgn(0, 0, 30, 20));
  EXPECT_TRUE(EqualRgn(square, rect));
}

TEST(RegionApi, PolygonRegionsFollowTheirFillMode) {
  // A five-pointed star drawn in one stroke: its centre is wound twice.
  const POINT star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  Rgns own;
  HRGN winding = own(CreatePolygonRgn(star, 5, WINDING));
  HRGN alternate = own(CreatePolygonRgn(star, 5, ALTERNATE));
  EXPECT_TRUE(PtInRegion(winding, 50, 50));
  EXPECT_FALSE(PtInRegion(alternate, 50, 50)) << "the overlap is left out";
  for (HRGN r : {winding, alternate}) {
    EXPECT_TRUE(PtInRegion(r, 50, 10)) << "a tip";
    EXPECT_FALSE(PtInRegion(r, 50, 80)) << "between two tips";
    EXPECT_FALSE(PtInRegion(r, 5, 5));
  }
  // Two separate triangles in one region.
  const POINT two[] = {{0, 0}, {10, 0}, {0, 10}, {20, 20}, {30, 20}, {30, 30}};
  const INT counts[] = {3, 3};
  HRGN pair = own(CreatePolyPolygonRgn(two, counts, 2, ALTERNATE));
  EXPECT_TRUE(PtInRegion(pair, 2, 2));
  EXPECT_TRUE(PtInRegion(pair, 28, 22));
  EXPECT_FALSE(PtInRegion(pair, 15, 15));
}

TEST(RegionApi, QueriesAndEditsKeepTheirShape) {
  Rgns own;
  HRGN r = own(CreateRectRgn(0, 0, 10, 10));
  HRGN hole = own(CreateRectRgn(3, 3, 6, 6));
  ASSERT_EQ(CombineRgn(r, r, hole, RGN_DIFF), COMPLEXREGION);
  EXPECT_EQ(OffsetRgn(r, 100, -5), COMPLEXREGION);
  EXPECT_EQ(Str(Box(r)), "{100,-5,110,5}");
  EXPECT_TRUE(PtInRegion(r, 100, -5));
  EXPECT_FALSE(PtInRegion(r, 104, -1));
  const RECT inHole{103, -2, 106, 1}, touching{105, 0, 120, 1};
  EXPECT_FALSE(RectInRegion(r, &inHole));
  EXPECT_TRUE(RectInRegion(r, &touching));

  // GetRegionData: size first, then a copy that rebuilds the same region.
  const DWORD size = GetRegionData(r, 0, nullptr);
  ASSERT_GT(size, sizeof(RGNDATAHEADER));
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  EXPECT_EQ(GetRegionData(r, size - 1, data), 0u) << "too small";
  EXPECT_EQ(GetRegionData(r, size, data), size);
  EXPECT_EQ(data->rdh.iType, static_cast<DWORD>(RDH_RECTANGLES));
  HRGN rebuilt = own(CreateRectRgn(0, 0, 0, 0));
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    HRGN piece = own(CreateRectRgnIndirect(&rects[i]));
    CombineRgn(rebuilt, rebuilt, piece, RGN_OR);
  }
  EXPECT_TRUE(EqualRgn(rebuilt, r));

  EXPECT_TRUE(SetRectRgn(r, 8, 8, 2, 2));
  EXPECT_EQ(Str(Box(r)), "{2,2,8,8}");
  EXPECT_TRUE(SetRectRgn(r, 4, 4, 4, 9));
  EXPECT_EQ(GetRgnBox(r, nullptr), ERROR);
  RECT empty{};
  EXPECT_EQ(GetRgnBox(r, &empty), NULLREGION);
}

// The clip region lives in device coordinates; IntersectClipRect and
// ExcludeClipRect take logical ones, so a moved window origin moves only them.
TEST(RegionClip, ClipRegionsUnderAMovedWindowOrigin) {
  ShapeCanvas c(20, 20);
  Rgns own;
  HDC dc = c.dc();
  c.context().attr.windowOrg = POINT{10, 10};  // logical (10, 10) is device (0, 0)
  HRGN probe = own(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetClipRgn(dc, probe), 0) << "no clip region yet";

  EXPECT_EQ(IntersectClipRect(dc, 12, 12, 16, 16), SIMPLEREGION);
  ASSERT_EQ(GetClipRgn(dc, probe), 1);
  EXPECT_EQ(Str(Box(probe)), "{2,2,6,6}") << "stored in device coordinates";
  RECT box{};
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(Str(box), "{12,12,16,16}") << "reported in logical coordinates";
  EXPECT_TRUE(PtVisible(dc, 12, 12));
  EXPECT_FALSE(PtVisible(dc, 2, 2));

  // A selected region is taken as device coordinates as it is.
  HRGN device = own(CreateRectRgn(0, 0, 4, 4));
  EXPECT_EQ(SelectClipRgn(dc, device), SIMPLEREGION);
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(Str(box), "{10,10,14,14}");
  c.UseBrush(RGB(255, 0, 0));
  Rectangle(dc, 0, 0, 40, 40);
  EXPECT_EQ(Str(c.BoxOf(RGB(255, 0, 0))), "{0,0,4,4}") << c.Picture();
  // Moving the origin afterwards does not move the clip.
  c.context().attr.windowOrg = POINT{0, 0};
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(Str(box), "{0,0,4,4}");
  // The DC keeps a copy: changing the region later changes nothing.
  OffsetRgn(device, 10, 10);
  EXPECT_TRUE(PtVisible(dc, 1, 1));

  EXPECT_EQ(ExcludeClipRect(dc, 1, 1, 2, 2), COMPLEXREGION);
  EXPECT_FALSE(PtVisible(dc, 1, 1));
  EXPECT_EQ(OffsetClipRgn(dc, 10, 0), COMPLEXREGION);
  EXPECT_TRUE(PtVisible(dc, 10, 0));
  EXPECT_FALSE(PtVisible(dc, 0, 0));
  const RECT far{0, 0, 5, 5}, near{12, 2, 13, 3};
  EXPECT_FALSE(RectVisible(dc, &far));
  EXPECT_TRUE(RectVisible(dc, &near));

  EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(dc, probe), 0);
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(Str(box), "{0,0,20,20}");
  EXPECT_EQ(ExtSelectClipRgn(dc, nullptr, RGN_AND), ERROR) << "only RGN_COPY takes no region";
}

TEST(RegionClip, ExtSelectClipRgnCombinesWithTheCurrentClip) {
  ShapeCanvas c(20, 20);
  Rgns own;
  HDC dc = c.dc();
  HRGN left = own(CreateRectRgn(0, 0, 10, 20));
  // With no clip yet, the whole surface stands in for it.
  EXPECT_EQ(ExtSelectClipRgn(dc, left, RGN_DIFF), SIMPLEREGION);
  EXPECT_FALSE(PtVisible(dc, 5, 5));
  EXPECT_TRUE(PtVisible(dc, 15, 5));
  HRGN top = own(CreateRectRgn(0, 0, 20, 5));
  EXPECT_EQ(ExtSelectClipRgn(dc, top, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(PtVisible(dc, 5, 2));
  EXPECT_EQ(ExtSelectClipRgn(dc, top, RGN_AND), SIMPLEREGION);
  EXPECT_FALSE(PtVisible(dc, 15, 10));
  HRGN none = own(CreateRectRgn(50, 50, 60, 60));
  EXPECT_EQ(ExtSelectClipRgn(dc, none, RGN_AND), NULLREGION);
  RECT box{1, 1, 1, 1};
  EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
  EXPECT_EQ(Str(box), "{0,0,0,0}");
}

}  // namespace
