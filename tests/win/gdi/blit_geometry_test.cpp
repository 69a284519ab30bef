// Where blits land: stretching, mirroring, stretch modes, origins, clipping,
// overlapping copies and sources that reach outside their bitmap.
#include <gtest/gtest.h>

#include <vector>

#include "gdi_fixture.h"
#include "platform/win/wingdi.h"

using gdi_test::Canvas;

namespace {

constexpr std::uint32_t A = 0x0000AA, B = 0x00BB00, C = 0xCC0000, D = 0x00DDDD, Z = 0x010101;

std::vector<std::uint32_t> Row(Canvas& c, int y = 0) {
  std::vector<std::uint32_t> out;
  for (int x = 0; x < c.width; ++x) out.push_back(c.At(x, y));
  return out;
}
std::vector<std::uint32_t> Column(Canvas& c, int x = 0) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < c.height; ++y) out.push_back(c.At(x, y));
  return out;
}

}  // namespace

TEST(StretchBlt, SizesAndMirrors) {
  Canvas src(4, 1);
  src.At(0, 0) = A;
  src.At(1, 0) = B;
  src.At(2, 0) = C;
  src.At(3, 0) = D;
  struct Case {
    const char* what;
    int destWidth;  // canvas width
    int x, w, sx, sw;
    std::vector<std::uint32_t> expected;
  };
  const Case cases[] = {
      {"same size", 4, 0, 4, 0, 4, {A, B, C, D}},
      {"doubled", 8, 0, 8, 0, 4, {A, A, B, B, C, C, D, D}},
      {"halved takes every other pixel", 2, 0, 2, 0, 4, {A, C}},
      {"negative destination width mirrors", 4, 3, -4, 0, 4, {D, C, B, A}},
      {"negative source width mirrors", 4, 0, 4, 3, -4, {D, C, B, A}},
      {"both negative cancel", 4, 3, -4, 3, -4, {A, B, C, D}},
      {"mirrored and doubled", 8, 7, -8, 0, 4, {D, D, C, C, B, B, A, A}},
      {"part of the source", 3, 0, 3, 1, 2, {B, B, C}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Canvas dst(c.destWidth, 1, Z);
    SetStretchBltMode(dst.dc, COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(dst.dc, c.x, 0, c.w, 1, src.dc, c.sx, 0, c.sw, 1, SRCCOPY));
    EXPECT_EQ(Row(dst), c.expected);
  }
}

TEST(StretchBlt, VerticalMirror) {
  Canvas src(1, 3);
  src.At(0, 0) = A;
  src.At(0, 1) = B;
  src.At(0, 2) = C;
  Canvas dst(1, 3, Z);
  StretchBlt(dst.dc, 0, 2, 1, -3, src.dc, 0, 0, 1, 3, SRCCOPY);
  EXPECT_EQ(Column(dst), (std::vector<std::uint32_t>{C, B, A}));
}

TEST(StretchBlt, ShrinkingModesCombineTheDroppedPixels) {
  const std::uint32_t W = 0xFFFFFF, K = 0x000000;
  struct Case {
    int mode;
    std::vector<std::uint32_t> source;
    std::vector<std::uint32_t> expected;
  };
  const Case cases[] = {
      {BLACKONWHITE, {W, K, W, W}, {K, W}},  // AND keeps a black line
      {WHITEONBLACK, {K, W, K, K}, {W, K}},  // OR keeps a white line
      {COLORONCOLOR, {W, K, W, W}, {W, W}},  // drops it
      {HALFTONE, {0x000000, 0x0000FE, 0x204060, 0x204060}, {0x00007F, 0x204060}},  // averages
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    Canvas src(4, 1);
    for (int i = 0; i < 4; ++i) src.At(i, 0) = c.source[i];
    Canvas dst(2, 1, Z);
    SetStretchBltMode(dst.dc, c.mode);
    StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(Row(dst), c.expected);
  }
}

TEST(BlitGeometry, WindowAndViewportOriginsMoveLogicalCoordinates) {
  Canvas c(6, 1, Z);
  SetWindowOrgEx(c.dc, 10, 0, nullptr);
  PatBlt(c.dc, 10, 0, 1, 1, WHITENESS);  // logical 10 is device 0
  SetViewportOrgEx(c.dc, 3, 0, nullptr);
  PatBlt(c.dc, 10, 0, 1, 1, BLACKNESS);  // now device 3
  POINT p{12, 0};
  LPtoDP(c.dc, &p, 1);
  EXPECT_EQ(p.x, 5);
  DPtoLP(c.dc, &p, 1);
  EXPECT_EQ(p.x, 12);
  EXPECT_EQ(Row(c), (std::vector<std::uint32_t>{0xFFFFFF, Z, Z, 0, Z, Z}));
}

TEST(BlitGeometry, TheSourceDcsOriginAppliesToTheSource) {
  Canvas src(3, 1), dst(2, 1, Z);
  src.At(0, 0) = A;
  src.At(1, 0) = B;
  src.At(2, 0) = C;
  SetWindowOrgEx(src.dc, -1, 0, nullptr);  // source logical 0 is device 1
  BitBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(Row(dst), (std::vector<std::uint32_t>{B, C}));
  SetWindowOrgEx(src.dc, 0, 0, nullptr);
  SetViewportOrgEx(src.dc, -1, 0, nullptr);  // source logical 0 is device -1: outside
  BitBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(Row(dst), (std::vector<std::uint32_t>{B, A}));
}

TEST(BlitGeometry, ClipRegionStaysInDeviceCoordinates) {
  Canvas c(6, 1, Z);
  HRGN rgn = CreateRectRgn(1, 0, 3, 1);
  SelectObject(c.dc, rgn);  // copied: the handle stays ours
  DeleteObject(rgn);
  SetWindowOrgEx(c.dc, 2, 0, nullptr);  // moving the logical origin does not move the clip
  PatBlt(c.dc, 0, 0, 6, 1, BLACKNESS);  // device [-2, 4) cut to the clip [1, 3)
  EXPECT_EQ(Row(c), (std::vector<std::uint32_t>{Z, 0, 0, Z, Z, Z}));
  EXPECT_EQ(GetPixel(c.dc, 2, 0), CLR_INVALID);  // device 0 is outside the clip
  EXPECT_EQ(GetPixel(c.dc, 3, 0), RGB(0, 0, 0));
}

TEST(BlitGeometry, SourceOutsideItsBitmapLeavesTheDestination) {
  Canvas src(2, 1, A), dst(5, 1, Z);
  BitBlt(dst.dc, 0, 0, 5, 1, src.dc, -1, 0, SRCCOPY);
  EXPECT_EQ(Row(dst), (std::vector<std::uint32_t>{Z, A, A, Z, Z}));
}

TEST(BlitGeometry, OverlappingCopyInOneBitmapScrolls) {
  Canvas c(5, 1);
  for (int i = 0; i < 5; ++i) c.At(i, 0) = static_cast<std::uint32_t>(i + 1);
  BitBlt(c.dc, 1, 0, 4, 1, c.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(Row(c), (std::vector<std::uint32_t>{1, 1, 2, 3, 4}));
  BitBlt(c.dc, 0, 0, 4, 1, c.dc, 1, 0, SRCCOPY);
  EXPECT_EQ(Row(c), (std::vector<std::uint32_t>{1, 2, 3, 4, 4}));
}
