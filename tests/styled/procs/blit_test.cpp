// The blit engine's placement and transparency, clipping under a packed
// origin, bitmap files and gradients.
#include <vector>

#include "controls/styled/styprocs.h"
#include "styled/shared/fixture.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

TEST_F(StyledProcs, CentredPictureSitsAtHalfTheFreeSpace) {
  Sheet dest(15, 15);
  Sheet pic(10, 10, clRed);
  TRect painted;
  DrawBitmapExt(dest.Canvas(), TRect(0, 0, 15, 15), pic.Canvas(), TRect(0, 0, 10, 10), dfCenter, clNone, nullptr,
                nullptr, painted);
  EXPECT_EQ(painted, TRect(2, 2, 12, 12));
  EXPECT_EQ(dest.At(1, 1), clWhite);
  EXPECT_EQ(dest.At(2, 2), clRed);
  EXPECT_EQ(dest.At(11, 11), clRed);
  EXPECT_EQ(dest.At(12, 12), clWhite);
}

TEST_F(StyledProcs, StretchKeepingProportionsFitsAtTheTopLeft) {
  Sheet dest(60, 60);
  Sheet pic(100, 50, clRed);
  TRect painted;
  DrawBitmapExt(dest.Canvas(), TRect(0, 0, 60, 60), pic.Canvas(), TRect(0, 0, 100, 50), 0x0610, clNone, nullptr,
                nullptr, painted);
  EXPECT_EQ(painted, TRect(0, 0, 60, 30));
  EXPECT_EQ(dest.At(59, 29), clRed);
  EXPECT_EQ(dest.At(59, 30), clWhite);

  struct Case {
    std::uint16_t flags;
    TRect box;
  } cases[] = {{0x0010, {0, 0, 60, 60}}, {0x0410, {0, 0, 60, 30}}, {0x0210, {0, 0, 120, 60}}};
  for (const Case& c : cases) {
    DrawBitmapExt(dest.Canvas(), TRect(0, 0, 60, 60), pic.Canvas(), TRect(0, 0, 100, 50), c.flags, clNone, nullptr,
                  nullptr, painted);
    EXPECT_EQ(painted, c.box) << std::hex << c.flags;
  }
}

TEST_F(StyledProcs, TilesCoverTheDestinationFromItsCorner) {
  Sheet dest(25, 25);
  Sheet pic(10, 10, clWhite);
  pic.Canvas()->SetPixels(0, 0, clBlue);
  TRect painted;
  DrawBitmapExt(dest.Canvas(), TRect(0, 0, 25, 25), pic.Canvas(), TRect(0, 0, 10, 10), dfTile, clNone, nullptr, nullptr,
                painted);
  EXPECT_EQ(painted, TRect(0, 0, 25, 25));
  for (int y : {0, 10, 20})
    for (int x : {0, 10, 20}) EXPECT_EQ(dest.At(x, y), clBlue) << x << "," << y;
  EXPECT_EQ(dest.At(5, 5), clWhite);
}

TEST_F(StyledProcs, TransparentColourKeepsTheDestinationUnderIt) {
  Sheet dest(4, 1, clYellow);
  Sheet pic(4, 1, clLime);
  pic.Canvas()->SetPixels(1, 0, clRed);
  pic.Canvas()->SetPixels(2, 0, clBlack);
  TRect painted;
  DrawBitmapExt(dest.Canvas(), TRect(0, 0, 4, 1), pic.Canvas(), TRect(0, 0, 4, 1), dfTransparent, clLime, nullptr,
                nullptr, painted);
  EXPECT_EQ(dest.At(0, 0), clYellow);
  EXPECT_EQ(dest.At(1, 0), clRed);
  EXPECT_EQ(dest.At(2, 0), clBlack);
  EXPECT_EQ(dest.At(3, 0), clYellow);
}

TEST_F(StyledProcs, ReadyMaskAndBrushCopy) {
  Sheet dest(3, 1, clYellow);
  Sheet pic(3, 1, clBlack);
  pic.Canvas()->SetPixels(0, 0, clRed);
  Sheet mask(3, 1, clWhite);
  mask.Canvas()->SetPixels(0, 0, clBlack);
  TRect painted;
  DrawBitmapExt(dest.Canvas(), TRect(0, 0, 3, 1), pic.Canvas(), TRect(0, 0, 3, 1), dfMask, clNone, nullptr,
                mask.Canvas(), painted);
  EXPECT_EQ(dest.At(0, 0), clRed);
  EXPECT_EQ(dest.At(1, 0), clYellow);

  Sheet dest2(3, 1, clYellow);
  Sheet keyed(3, 1, clLime);
  keyed.Canvas()->SetPixels(0, 0, clRed);
  keyed.bitmap->SetTransparentColor(clLime);
  DrawBitmapExt(dest2.Canvas(), TRect(0, 0, 3, 1), nullptr, TRect(0, 0, 3, 1), dfBrushCopy, clBlue, nullptr,
                keyed.bitmap.get(), painted);
  EXPECT_EQ(dest2.At(0, 0), clRed);
  EXPECT_EQ(dest2.At(1, 0), clBlue);
}

TEST_F(StyledProcs, EmptySourceOrDestinationDrawsNothing) {
  Sheet dest(10, 10);
  Sheet pic(5, 5, clRed);
  TRect painted(1, 1, 2, 2);
  for (std::uint16_t flags : {0x0000, 0x0008, 0x0010, 0x0610, 0x0410, 0x0210, 0x0020, 0x0040}) {
    DrawBitmapExt(dest.Canvas(), TRect(0, 0, 10, 10), pic.Canvas(), TRect(0, 0, 0, 5), flags, clNone, nullptr, nullptr,
                  painted);
    EXPECT_EQ(painted, TRect()) << flags;
  }
  auto empty = std::make_unique<TBitmap>();
  DrawBitmap(dest.Canvas(), TRect(0, 0, 10, 10), empty.get(), 0x0610, 0, clNone);
  for (int y = 0; y < 10; ++y) EXPECT_EQ(dest.Edges(y), std::vector<int>{0});
}

TEST_F(StyledProcs, ClipFollowsANegativePackedOriginAndTheOldClipComesBack) {
  Sheet dest(40, 40);
  Sheet pic(40, 40, clRed);
  HDC dc = dest.Canvas()->GetHandle();
  HRGN outer = CreateRectRgn(0, 0, 30, 30);
  SelectClipRgn(dc, outer);
  DeleteObject(outer);
  // A control scrolled to (-5, -5) draws its rectangle (10, 10, 20, 20): the
  // clip lies at (5, 5, 15, 15) in device terms.
  SetViewportOrgEx(dc, -5, -5, nullptr);
  DrawBitmap(dest.Canvas(), TRect(10, 10, 20, 20), pic.bitmap.get(), dfClip | dfStretch, PackOrigin(-5, -5), clNone);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  EXPECT_EQ(dest.At(5, 5), clRed);
  EXPECT_EQ(dest.At(14, 14), clRed);
  EXPECT_EQ(dest.At(4, 4), clWhite);
  EXPECT_EQ(dest.At(15, 15), clWhite);
  // The caller's clip is in force again.
  dest.Canvas()->GetBrush()->SetColor(clBlue);
  dest.Canvas()->FillRect(TRect(0, 0, 40, 40));
  EXPECT_EQ(dest.At(29, 29), clBlue);
  EXPECT_EQ(dest.At(30, 30), clWhite);

  TStyColorList colors{clLime};
  FillGradient(dest.Canvas(), TRect(0, 0, 10, 10), gstHorizontal, &colors, nullptr, dfClip, 0);
  EXPECT_EQ(dest.At(9, 9), clLime);
  dest.Canvas()->GetBrush()->SetColor(clBlue);
  dest.Canvas()->FillRect(TRect(0, 0, 40, 40));
  EXPECT_EQ(dest.At(29, 29), clBlue);
  EXPECT_EQ(dest.At(35, 35), clWhite);
}

TEST_F(StyledProcs, BitmapFileSizesByColourCount) {
  Sheet pic(3, 2, clWhite);
  pic.Canvas()->SetPixels(0, 0, clBlack);
  struct Case {
    int colors;
    bool prefix;
    std::int64_t size;
  } cases[] = {{2, false, 70}, {2, true, 74}, {16, false, 126}, {256, false, 1086}, {0, false, 78}};
  for (const Case& c : cases) {
    TMemoryStream stream;
    WriteBitmapFile(&stream, pic.bitmap->GetHandle(), nullptr, c.colors, c.prefix);
    EXPECT_EQ(stream.GetSize(), c.size) << c.colors;
    const auto* bytes = static_cast<const unsigned char*>(stream.GetMemory());
    const int at = c.prefix ? 4 : 0;
    EXPECT_EQ(bytes[at], 'B');
    EXPECT_EQ(bytes[at + 1], 'M');
  }
  TMemoryStream mono;
  WriteBitmapFile(&mono, pic.bitmap->GetHandle(), nullptr, 2, false);
  const auto* b = static_cast<const unsigned char*>(mono.GetMemory());
  EXPECT_EQ(b[10], 62);  // pixels after 14 + 40 + 2 x 4 bytes
  // Bottom-up rows: the top row (black, white, white) is the second row.
  EXPECT_EQ(b[66] & 0xE0, 0x60);
  EXPECT_EQ(b[62] & 0xE0, 0xE0);

  TMemoryStream bad;
  try {
    WriteBitmapFile(&bad, nullptr, nullptr, 0, false);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "Bitmap image is not valid");
  }
}

TEST_F(StyledProcs, HorizontalGradientBandsAtMulDivEdges) {
  Sheet s(100, 4);
  DrawGradient(s.Canvas(), TRect(0, 0, 100, 4), clBlue, clBlack, 16, gstHorizontal, 0, 0);
  const std::vector<int> edges = s.Edges(2);
  ASSERT_EQ(edges.size(), 16u);
  EXPECT_EQ(std::vector<int>(edges.begin(), edges.begin() + 9), (std::vector<int>{0, 6, 13, 19, 25, 31, 38, 44, 50}));
  EXPECT_EQ(s.At(0, 0), clBlue);
  EXPECT_EQ(s.At(99, 3), clBlack);
  // Off screen first: the same picture.
  Sheet o(100, 4);
  DrawGradient(o.Canvas(), TRect(0, 0, 100, 4), clBlue, clBlack, 16, gstHorizontal, dfOffscreen, 0);
  EXPECT_EQ(o.Edges(2), edges);
}

TEST_F(StyledProcs, VerticalAndCornerGradientsPutTheFirstColourAtTheirStart) {
  Sheet v(4, 100);
  DrawGradient(v.Canvas(), TRect(0, 0, 4, 100), clRed, clBlue, 4, gstVertical, 0, 0);
  EXPECT_EQ(v.At(1, 0), clRed);
  EXPECT_EQ(v.At(1, 99), clBlue);
  EXPECT_NE(v.At(1, 24), v.At(1, 25));
  Sheet c(50, 50);
  DrawGradient(c.Canvas(), TRect(0, 0, 50, 50), clRed, clBlue, 8, gstBottomRight, 0, 0);
  EXPECT_EQ(c.At(49, 49), clRed);
  EXPECT_EQ(c.At(0, 0), clBlue);
  Sheet e(50, 50);
  DrawGradient(e.Canvas(), TRect(0, 0, 50, 50), clRed, clBlue, 8, gstElliptic, 0, 0);
  EXPECT_EQ(e.At(25, 25), clRed);
}

TEST_F(StyledProcs, ColourRampsRoundTheHalfAwayFromZero) {
  TStyColorList ramp;
  MakeColorRamp(clBlue, clBlack, 3, &ramp);
  EXPECT_EQ(ramp, (TStyColorList{0xFF0000, 0x7F0000, 0x000000}));
  MakeColorRamp(0x000000, 0x0000FD, 3, &ramp);
  EXPECT_EQ(ramp[1], 0x00007F);
  HPALETTE palette = CreateRampPalette(&ramp);
  ASSERT_NE(palette, nullptr);
  PALETTEENTRY entries[3]{};
  EXPECT_EQ(GetPaletteEntries(palette, 0, 3, entries), 3u);
  EXPECT_EQ(entries[2].peRed, 0xFD);
  EXPECT_EQ(entries[2].peFlags, PC_NOCOLLAPSE);
  DeleteObject(palette);
  TStyColorList none;
  EXPECT_EQ(CreateRampPalette(&none), nullptr);
}

}  // namespace
}  // namespace styledtest

namespace styledtest {
namespace {

TEST_F(StyledProcs, MaskedOntoLaysThePictureIntoWorkAndWorkOntoTheCanvas) {
  const TColor workKey = clLime, pictureKey = clFuchsia, shape = clBlue;
  Sheet canvas(4, 1, clYellow);
  Sheet work(4, 1, shape);
  work.Canvas()->SetPixels(0, 0, workKey);
  work.Canvas()->SetPixels(3, 0, workKey);
  Sheet picture(4, 1, pictureKey);
  picture.Canvas()->SetPixels(1, 0, clRed);
  DrawMaskedOnto(canvas.Canvas(), TRect(0, 0, 4, 1), picture.bitmap.get(), work.bitmap.get(), pictureKey, workKey);
  EXPECT_EQ(work.At(1, 0), clRed);  // the opaque picture pixel
  EXPECT_EQ(work.At(2, 0), shape);  // under a transparent one the work stays
  EXPECT_EQ(canvas.At(0, 0), clYellow);
  EXPECT_EQ(canvas.At(1, 0), clRed);
  EXPECT_EQ(canvas.At(2, 0), shape);
  EXPECT_EQ(canvas.At(3, 0), clYellow);
  EXPECT_TRUE(picture.bitmap->GetMonochrome());  // the picture became its own mask
}

}  // namespace
}  // namespace styledtest
