// The span and pixel primitives shapes and text draw through, on 32-bit and
// low-depth targets.
#include <gtest/gtest.h>

#include "gdi_fixture.h"
#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/wingdi.h"

using gdi_test::Canvas;

TEST(DcPrimitives, BlendSpanMixesByCoverageInsideTheClip) {
  Canvas c(4, 1, 0x000000);
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(c.dc);
  HRGN clip = CreateRectRgn(0, 0, 3, 1);
  SelectClipRgn(c.dc, clip);
  DeleteObject(clip);
  const BYTE coverage[4] = {255, 128, 0, 255};
  dc->BlendSpan(0, 0, coverage, 4, RGB(0xFF, 0x80, 0x40));
  EXPECT_EQ(c.At(0, 0), 0xFF8040u);  // full coverage: the colour itself
  EXPECT_EQ(c.At(1, 0), 0x804020u);  // half way
  EXPECT_EQ(c.At(2, 0), 0u);  // none
  EXPECT_EQ(c.At(3, 0), 0u);  // clipped
}

TEST(DcPrimitives, PixelsAndSpansOnAPaletteBitmapWorkOnIndexes) {
  // An 8-bit DIB section: entries 0 black, 1 red, 2 green, 253 .. 255 white-ish.
  alignas(BITMAPINFO) BYTE buffer[sizeof(BITMAPINFOHEADER) + 256 * 4] = {};
  auto* info = reinterpret_cast<BITMAPINFO*>(buffer);
  info->bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 4, -1, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
  info->bmiColors[1] = RGBQUAD{0, 0, 255, 0};
  info->bmiColors[2] = RGBQUAD{0, 255, 0, 0};
  info->bmiColors[255] = RGBQUAD{255, 255, 255, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, dib);
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(mem);
  dc->FillSpan(0, 0, 4, RGB(250, 10, 10), R2_COPYPEN);  // nearest entry: 1
  const BYTE* index = static_cast<BYTE*>(bits);
  EXPECT_EQ(index[0], 1);
  EXPECT_EQ(index[3], 1);
  dc->PutPixel(1, 0, RGB(0, 0, 0), R2_NOT);  // inverts the index bits: 1 -> 254
  EXPECT_EQ(index[1], 254);
  dc->FillSpan(0, 2, 3, RGB(0, 255, 0), R2_XORPEN);  // 1 ^ 2
  EXPECT_EQ(index[2], 3);
  EXPECT_EQ(GetPixel(mem, 0, 0), RGB(255, 0, 0));
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(dib);
}

TEST(DcPrimitives, FillDeviceRectWithAnyBrushHonoursTheClip) {
  Canvas c(4, 4, 0x111111);
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(c.dc);
  auto brush = win::gdi::Brush::MakeSolid(RGB(0, 0, 255));
  HRGN clip = CreateRectRgn(1, 1, 3, 3);
  SelectClipRgn(c.dc, clip);
  DeleteObject(clip);
  dc->FillDeviceRect(RECT{-10, -10, 10, 10}, *brush, R2_COPYPEN);
  int blue = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) blue += c.At(x, y) == 0x0000FF;
  EXPECT_EQ(blue, 4);
  EXPECT_EQ(c.At(1, 1), 0x0000FFu);
  EXPECT_EQ(c.At(3, 3), 0x111111u);
}
