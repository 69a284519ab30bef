// Device-independent bits in and out, DIB sections, and palette colours.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gdi_fixture.h"
#include "platform/win/gdi/bmp_file.h"
#include "platform/win/wingdi.h"

using gdi_test::Canvas;

namespace {

// BITMAPINFO with room for a 256-entry table (or bit field masks).
struct Info {
  alignas(BITMAPINFO) BYTE bytes[sizeof(BITMAPINFOHEADER) + 256 * 4] = {};
  BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(bytes); }
  BITMAPINFOHEADER& header() { return get()->bmiHeader; }
  RGBQUAD* colors() { return get()->bmiColors; }
  Info(int width, int height, int bpp) {
    header().biSize = sizeof(BITMAPINFOHEADER);
    header().biWidth = width;
    header().biHeight = height;
    header().biPlanes = 1;
    header().biBitCount = static_cast<WORD>(bpp);
  }
};

}  // namespace

TEST(GetDIBits, NullBitsFillsTheHeaderFromTheBitmap) {
  Canvas c(5, 3);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  ASSERT_NE(GetDIBits(c.dc, c.bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(info.bmiHeader.biWidth, 5);
  EXPECT_EQ(std::abs(info.bmiHeader.biHeight), 3);
  EXPECT_EQ(info.bmiHeader.biBitCount, 32);
  EXPECT_EQ(info.bmiHeader.biPlanes, 1);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 5u * 3u * 4u);
  info.bmiHeader.biSize = 4;  // not a header
  EXPECT_EQ(GetDIBits(c.dc, c.bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
}

TEST(GetDIBits, RowsComeBottomUpUnlessTheHeightIsNegative) {
  Canvas c(2, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) c.At(x, y) = static_cast<std::uint32_t>(0x100 * y + x);
  for (int sign : {1, -1}) {
    SCOPED_TRACE(sign);
    Info info(2, 3 * sign, 32);
    std::uint32_t out[6] = {};
    ASSERT_EQ(GetDIBits(c.dc, c.bitmap, 0, 3, out, info.get(), DIB_RGB_COLORS), 3);
    for (int row = 0; row < 3; ++row) {
      const int y = sign > 0 ? 2 - row : row;
      EXPECT_EQ(out[row * 2 + 1], static_cast<std::uint32_t>(0x100 * y + 1)) << row;
    }
    // A band: scan lines 1 and 2 only.
    std::uint32_t band[4] = {};
    ASSERT_EQ(GetDIBits(c.dc, c.bitmap, 1, 5, band, info.get(), DIB_RGB_COLORS), 2);
    EXPECT_EQ(band[0], out[2]);
    EXPECT_EQ(band[2], out[4]);
  }
}

TEST(GetDIBits, LowDepthsGetAColourTableAndNearestIndexes) {
  Canvas c(2, 1);
  c.At(0, 0) = 0x000000;
  c.At(1, 0) = 0xF0F0F0;  // nearest to white
  Info info(2, 1, 1);
  DWORD bits = 0;
  ASSERT_EQ(GetDIBits(c.dc, c.bitmap, 0, 1, &bits, info.get(), DIB_RGB_COLORS), 1);
  const RGBQUAD* t = info.colors();
  EXPECT_EQ(t[0].rgbRed + t[0].rgbGreen + t[0].rgbBlue, 0);
  EXPECT_EQ(t[1].rgbRed + t[1].rgbGreen + t[1].rgbBlue, 3 * 255);
  EXPECT_EQ(bits & 0xFF, 0x40u);  // first pixel 0, second 1

  Info info8(2, 1, 8);
  DWORD bits8 = 0;
  ASSERT_EQ(GetDIBits(c.dc, c.bitmap, 0, 1, &bits8, info8.get(), DIB_RGB_COLORS), 1);
  const RGBQUAD& e = info8.colors()[(bits8 >> 8) & 0xFF];
  EXPECT_GT(e.rgbRed, 0xC0);
}

TEST(SetDIBits, WritesEveryDepthThroughItsColourTable) {
  struct Case {
    int bpp;
    std::vector<BYTE> row;  // one row of 2 pixels, padded to 4 bytes
    std::uint32_t first, second;
  };
  // Colour tables below: entry 0 red, entry 1 green (and 2 blue).
  const Case cases[] = {
      {1, {0x40, 0, 0, 0}, 0xFF0000, 0x00FF00},
      {4, {0x01, 0, 0, 0}, 0xFF0000, 0x00FF00},
      {8, {2, 1, 0, 0}, 0x0000FF, 0x00FF00},
      {16, {0x00, 0x7C, 0xE0, 0x03}, 0xFF0000, 0x00FF00},  // 5-5-5
      {24, {0, 0, 0xFF, 0xFF, 0, 0, 0, 0}, 0xFF0000, 0x0000FF},
      {32, {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0}, 0x332211, 0x665544},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.bpp);
    Canvas c(2, 1);
    Info info(2, 1, k.bpp);
    info.colors()[0] = RGBQUAD{0, 0, 255, 0};
    info.colors()[1] = RGBQUAD{0, 255, 0, 0};
    info.colors()[2] = RGBQUAD{255, 0, 0, 0};
    ASSERT_EQ(SetDIBits(c.dc, c.bitmap, 0, 1, k.row.data(), info.get(), DIB_RGB_COLORS), 1);
    EXPECT_EQ(c.At(0, 0), k.first);
    EXPECT_EQ(c.At(1, 0), k.second);
  }
}

TEST(DibSection, BitsAreAddressableInTheirOrientation) {
  for (int sign : {1, -1}) {
    SCOPED_TRACE(sign);
    Info info(2, 2 * sign, 24);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bits, nullptr);
    // First stored pixel: blue, green, red bytes.
    static_cast<BYTE*>(bits)[2] = 0xFF;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 0, sign > 0 ? 1 : 0), RGB(255, 0, 0));  // bottom-up stores the bottom row first
    SetPixel(dc, 1, sign > 0 ? 1 : 0, RGB(0, 0, 255));
    EXPECT_EQ(static_cast<BYTE*>(bits)[3], 0xFF);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
  }
  Info bad(2, 2, 7);
  void* bits = reinterpret_cast<void*>(1);
  EXPECT_EQ(CreateDIBSection(nullptr, bad.get(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
}

TEST(DibToDevice, BottomUpDibsDrawUprightAndSourceYCountsFromTheBottom) {
  // A bottom-up 1 x 3 DIB: stored rows (bottom first) A, B, C.
  const std::uint32_t stored[3] = {0xAAAAAA, 0xBBBBBB, 0xCCCCCC};
  Info info(1, 3, 32);
  {
    Canvas c(1, 3);
    ASSERT_EQ(StretchDIBits(c.dc, 0, 0, 1, 3, 0, 0, 1, 3, stored, info.get(), DIB_RGB_COLORS, SRCCOPY), 3);
    EXPECT_EQ(c.At(0, 0), 0xCCCCCCu);
    EXPECT_EQ(c.At(0, 2), 0xAAAAAAu);
  }
  {
    SCOPED_TRACE("source rectangle (0, 1, 1, 2): the upper two rows");
    Canvas c(1, 2);
    StretchDIBits(c.dc, 0, 0, 1, 2, 0, 1, 1, 2, stored, info.get(), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(c.At(0, 0), 0xCCCCCCu);
    EXPECT_EQ(c.At(0, 1), 0xBBBBBBu);
  }
  {
    SCOPED_TRACE("stretched to double height");
    Canvas c(1, 6);
    StretchDIBits(c.dc, 0, 0, 1, 6, 0, 0, 1, 3, stored, info.get(), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(c.At(0, 1), 0xCCCCCCu);
    EXPECT_EQ(c.At(0, 5), 0xAAAAAAu);
  }
  {
    SCOPED_TRACE("SetDIBitsToDevice with a band of scans 1..2");
    Canvas c(1, 3, 0x010101);
    ASSERT_EQ(SetDIBitsToDevice(c.dc, 0, 0, 1, 3, 0, 0, 1, 2, stored + 1, info.get(), DIB_RGB_COLORS), 2);
    EXPECT_EQ(c.At(0, 0), 0xCCCCCCu);
    EXPECT_EQ(c.At(0, 1), 0xBBBBBBu);
    EXPECT_EQ(c.At(0, 2), 0x010101u);  // scan 0 was not given: left alone
  }
}

TEST(Palette, IndexAndPaletteRelativeColoursResolveAgainstTheSelectedPalette) {
  alignas(LOGPALETTE) BYTE buffer[sizeof(LOGPALETTE) + 2 * sizeof(PALETTEENTRY)];
  auto* lp = reinterpret_cast<LOGPALETTE*>(buffer);
  lp->palVersion = 0x300;
  lp->palNumEntries = 3;
  lp->palPalEntry[0] = PALETTEENTRY{10, 20, 30, 0};
  lp->palPalEntry[1] = PALETTEENTRY{200, 0, 0, 0};
  lp->palPalEntry[2] = PALETTEENTRY{0, 0, 200, 0};
  HPALETTE pal = CreatePalette(lp);
  Canvas c(3, 1);
  HPALETTE old = SelectPalette(c.dc, pal, FALSE);
  EXPECT_EQ(old, GetStockObject(DEFAULT_PALETTE));
  RealizePalette(c.dc);
  SetPixel(c.dc, 0, 0, PALETTEINDEX(1));
  SetPixel(c.dc, 1, 0, PALETTERGB(250, 10, 10));  // nearest entry: 1
  SetPixel(c.dc, 2, 0, RGB(250, 10, 10));  // a plain colour stays itself
  EXPECT_EQ(c.At(0, 0), 0xC80000u);
  EXPECT_EQ(c.At(1, 0), 0xC80000u);
  EXPECT_EQ(c.At(2, 0), 0xFA0A0Au);
  EXPECT_EQ(GetNearestPaletteIndex(pal, RGB(0, 0, 180)), 2u);
  PALETTEENTRY e[3] = {};
  EXPECT_EQ(GetPaletteEntries(pal, 1, 5, e), 2u);
  EXPECT_EQ(e[0].peRed, 200);
  EXPECT_EQ(GetPaletteEntries(pal, 0, 0, nullptr), 3u);
  const PALETTEENTRY changed{1, 1, 1, 0};
  EXPECT_EQ(SetPaletteEntries(pal, 2, 1, &changed), 1u);
  EXPECT_EQ(GetNearestPaletteIndex(pal, RGB(0, 0, 0)), 2u);
  // A DIB_PAL_COLORS table indexes the selected palette.
  Info info(1, 1, 8);
  reinterpret_cast<WORD*>(info.colors())[0] = 1;
  BYTE index[4] = {0, 0, 0, 0};
  SetDIBitsToDevice(c.dc, 0, 0, 1, 1, 0, 0, 0, 1, index, info.get(), DIB_PAL_COLORS);
  EXPECT_EQ(c.At(0, 0), 0xC80000u);
  SelectPalette(c.dc, old, FALSE);
  EXPECT_TRUE(DeleteObject(pal));
}

TEST(GetDIBits, EveryDepthKeepsColoursItsTableCanHold) {
  // Colours every default table holds at 4 bits and up; at 1 bit only black and white.
  const std::uint32_t colours[4] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
  Canvas c(4, 2);
  for (int i = 0; i < 4; ++i) {
    c.At(i, 0) = colours[i];
    c.At(3 - i, 1) = colours[i];
  }
  for (int bpp : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bpp);
    win::gdi::DibImage img;
    ASSERT_TRUE(win::gdi::DibFromBitmap(c.bitmap, bpp, &img));
    EXPECT_FALSE(img.topDown);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) {
        std::uint32_t want = c.At(x, y);
        if (bpp == 1) want = (want == 0xFFFFFF) ? 0xFFFFFF : (want == 0 ? 0 : img.PixelRgb(x, y));
        EXPECT_EQ(img.PixelRgb(x, y), want) << x << "," << y;
      }
    // The file written from it reads back the same.
    std::vector<BYTE> file = win::gdi::WriteBmp(img);
    win::gdi::DibImage back;
    ASSERT_TRUE(win::gdi::ReadBmp(file.data(), file.size(), &back));
    EXPECT_EQ(back.bits, img.bits);
  }
}
