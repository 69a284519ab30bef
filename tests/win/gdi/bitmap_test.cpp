// Bitmap creation and the device-dependent bits: formats that follow the DC,
// CBM_INIT, and GetBitmapBits / SetBitmapBits bounds.
#include <gtest/gtest.h>

#include <vector>

#include "gdi_fixture.h"
#include "platform/win/gdi/device_dc.h"
#include "platform/win/wingdi.h"

using gdi_test::Canvas;

namespace {
int Depth(HBITMAP b) {
  BITMAP bm{};
  return GetObjectA(b, sizeof bm, &bm) ? bm.bmBitsPixel : -1;
}
}  // namespace

TEST(Bitmaps, CompatibleAndDibBitmapsFollowTheDc) {
  HDC screen = win::gdi::CreateDeviceDC();
  HDC fresh = CreateCompatibleDC(screen);  // holds the 1x1 monochrome bitmap

  // An 8-bit DIB section in a DC makes 8-bit DIB sections with its colours.
  alignas(BITMAPINFO) BYTE buffer[sizeof(BITMAPINFOHEADER) + 256 * 4] = {};
  auto* info = reinterpret_cast<BITMAPINFO*>(buffer);
  info->bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 2, 2, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
  info->bmiColors[7] = RGBQUAD{1, 2, 3, 0};
  info->bmiColors[255] = RGBQUAD{255, 255, 255, 0};
  HBITMAP dib8 = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  HDC holding8 = CreateCompatibleDC(screen);
  HGDIOBJ old8 = SelectObject(holding8, dib8);

  struct Case {
    const char* what;
    HDC dc;
    int depth;
  };
  const Case cases[] = {
      {"window DC", screen, 32}, {"fresh memory DC", fresh, 1}, {"DC with an 8-bit DIB", holding8, 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HBITMAP compatible = CreateCompatibleBitmap(c.dc, 3, 3);
    EXPECT_EQ(Depth(compatible), c.depth);
    // CreateDIBitmap makes a bitmap compatible with the DC too, filled from the bits.
    const std::uint32_t pixel = 0x00FFFFFF;
    BITMAPINFO one{};
    one.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HBITMAP fromDib = CreateDIBitmap(c.dc, &one.bmiHeader, CBM_INIT, &pixel, &one, DIB_RGB_COLORS);
    EXPECT_EQ(Depth(fromDib), c.depth);
    HDC probe = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(probe, fromDib);
    EXPECT_EQ(GetPixel(probe, 0, 0), RGB(255, 255, 255));
    SelectObject(probe, old);
    DeleteDC(probe);
    DeleteObject(compatible);
    DeleteObject(fromDib);
  }
  DIBSECTION ds{};
  HBITMAP sibling = CreateCompatibleBitmap(holding8, 2, 2);
  ASSERT_EQ(GetObjectA(sibling, sizeof ds, &ds), static_cast<int>(sizeof ds));
  RGBQUAD table[256];
  info->bmiHeader.biBitCount = 8;
  GetDIBits(holding8, sibling, 0, 0, nullptr, info, DIB_RGB_COLORS);
  std::copy(info->bmiColors, info->bmiColors + 256, table);
  EXPECT_EQ(table[7].rgbRed, 3);

  SelectObject(holding8, old8);
  DeleteObject(sibling);
  DeleteDC(holding8);
  DeleteObject(dib8);
  DeleteDC(fresh);
  win::gdi::DeleteDeviceDC(screen);
}

TEST(Bitmaps, BitmapBitsAreWordAlignedRowsAndBounded) {
  // 3 x 2 monochrome: rows of 2 bytes.
  const BYTE bits[4] = {0xA0, 0x00, 0x40, 0x00};
  HBITMAP mono = CreateBitmap(3, 2, 1, 1, bits);
  EXPECT_EQ(GetBitmapBits(mono, 0, nullptr), 4);
  BYTE back[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_EQ(GetBitmapBits(mono, 6, back), 4);  // never more than the bitmap holds
  EXPECT_EQ(back[0], 0xA0);
  EXPECT_EQ(back[2], 0x40);
  EXPECT_EQ(back[4], 0xEE);
  EXPECT_EQ(GetBitmapBits(mono, 1, back), 1);  // a short buffer gets a prefix
  const BYTE more[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(SetBitmapBits(mono, 8, more), 4);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mono);
  EXPECT_EQ(GetPixel(dc, 2, 1), RGB(255, 255, 255));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(mono);

  EXPECT_EQ(CreateBitmap(-1, 2, 1, 1, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(2, 2, 1, 3, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);  // too large to hold
  EXPECT_EQ(Depth(CreateBitmap(0, 5, 1, 32, nullptr)), 1);  // the stock 1x1 bitmap
}
