// The object table and device contexts: selection, deletion, stock objects,
// GetObject descriptions, save levels and attributes.
#include <gtest/gtest.h>

#include "gdi_fixture.h"
#include "platform/win/gdi/device_dc.h"
#include "platform/win/gdi/objects.h"
#include "platform/win/wingdi.h"

using gdi_test::Canvas;

TEST(GdiObjects, SelectedObjectsCannotBeDeletedStockOnesNeverAre) {
  // Stock objects are made once, on first use: a first DC makes the ones it holds.
  DeleteDC(CreateCompatibleDC(nullptr));
  GetStockObject(BLACK_BRUSH);
  const std::size_t live = win::gdi::LiveObjectCount();
  HDC dc = CreateCompatibleDC(nullptr);
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HGDIOBJ stockBrush = SelectObject(dc, brush);
  EXPECT_EQ(stockBrush, GetStockObject(WHITE_BRUSH));  // a new DC holds the white brush
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(SelectObject(dc, stockBrush), static_cast<HGDIOBJ>(brush));
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), 0u);  // gone, and the handle is not reused
  EXPECT_EQ(SelectObject(dc, brush), nullptr);

  // Stock objects survive DeleteObject.
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
  // A DC is not deleted by DeleteObject.
  EXPECT_FALSE(DeleteObject(dc));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(win::gdi::LiveObjectCount(), live);  // nothing left behind
}

TEST(GdiObjects, StockObjectsAndTheirKinds) {
  struct Case {
    int index;
    DWORD type;
  };
  const Case cases[] = {
      {WHITE_BRUSH, OBJ_BRUSH}, {LTGRAY_BRUSH, OBJ_BRUSH},    {GRAY_BRUSH, OBJ_BRUSH},    {DKGRAY_BRUSH, OBJ_BRUSH},
      {BLACK_BRUSH, OBJ_BRUSH}, {NULL_BRUSH, OBJ_BRUSH},      {DC_BRUSH, OBJ_BRUSH},      {WHITE_PEN, OBJ_PEN},
      {BLACK_PEN, OBJ_PEN},     {NULL_PEN, OBJ_PEN},          {DC_PEN, OBJ_PEN},          {DEFAULT_PALETTE, OBJ_PAL},
      {SYSTEM_FONT, OBJ_FONT},  {DEFAULT_GUI_FONT, OBJ_FONT}, {ANSI_FIXED_FONT, OBJ_FONT}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    HGDIOBJ h = GetStockObject(c.index);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetStockObject(c.index), h);  // one object per index
    EXPECT_EQ(GetObjectType(h), c.type);
  }
  EXPECT_EQ(GetStockObject(9), nullptr);
  EXPECT_EQ(GetStockObject(-1), nullptr);
  LOGBRUSH lb{};
  ASSERT_EQ(GetObjectA(GetStockObject(LTGRAY_BRUSH), sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
  ASSERT_EQ(GetObjectA(GetStockObject(NULL_BRUSH), sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
}

TEST(GdiObjects, NewMemoryDcHoldsOneMonochromePixelAndMakesMonochromeBitmaps) {
  HDC mem = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetObjectType(mem), static_cast<DWORD>(OBJ_MEMDC));
  BITMAP bm{};
  ASSERT_EQ(GetObjectA(GetCurrentObject(mem, OBJ_BITMAP), sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmHeight, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);

  // The classic trap: compatible with a fresh memory DC means monochrome.
  HBITMAP mono = CreateCompatibleBitmap(mem, 10, 4);
  ASSERT_EQ(GetObjectA(mono, sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(bm.bmWidthBytes, 2);  // rows of device-dependent bitmaps are whole words

  HDC screen = win::gdi::CreateDeviceDC();
  EXPECT_EQ(GetObjectType(screen), static_cast<DWORD>(OBJ_DC));
  HBITMAP colour = CreateCompatibleBitmap(screen, 10, 4);
  ASSERT_EQ(GetObjectA(colour, sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmBitsPixel, 32);
  EXPECT_EQ(bm.bmWidthBytes, 40);
  // Bitmaps go into memory DCs only, and into one at a time.
  EXPECT_EQ(SelectObject(screen, colour), nullptr);
  HGDIOBJ old = SelectObject(mem, colour);
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(other, colour), nullptr);
  // A zero size gives the 1x1 monochrome stock bitmap.
  ASSERT_EQ(GetObjectA(CreateCompatibleBitmap(mem, 0, 5), sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 1);

  SelectObject(mem, old);
  DeleteDC(other);
  DeleteDC(mem);
  win::gdi::DeleteDeviceDC(screen);
  DeleteObject(mono);
  DeleteObject(colour);
}

TEST(GdiObjects, GetObjectDescribesEachKind) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 3;
  info.bmiHeader.biHeight = -2;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(GetObjectA(dib, 0, nullptr), static_cast<int>(sizeof(DIBSECTION)));
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectA(dib, sizeof ds, &ds), static_cast<int>(sizeof ds));
  EXPECT_EQ(ds.dsBm.bmBits, bits);
  EXPECT_EQ(ds.dsBm.bmWidthBytes, 12);  // DIB rows are whole double words
  EXPECT_EQ(ds.dsBm.bmHeight, 2);
  EXPECT_EQ(ds.dsBmih.biBitCount, 24);
  BITMAP bm{};
  ASSERT_EQ(GetObjectA(dib, sizeof bm, &bm), static_cast<int>(sizeof bm));  // a BITMAP when that is all that fits
  EXPECT_EQ(bm.bmWidth, 3);
  EXPECT_EQ(GetObjectA(dib, 4, &bm), 0);

  HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(9, 8, 7));
  LOGBRUSH lb{};
  ASSERT_EQ(GetObjectA(hatch, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(lb.lbColor, RGB(9, 8, 7));
  EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));

  PALETTEENTRY entries[3] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
  alignas(LOGPALETTE) BYTE buffer[sizeof(LOGPALETTE) + 2 * sizeof(PALETTEENTRY)];
  auto* lp = reinterpret_cast<LOGPALETTE*>(buffer);
  lp->palVersion = 0x300;
  lp->palNumEntries = 3;
  std::copy(entries, entries + 3, lp->palPalEntry);
  HPALETTE pal = CreatePalette(lp);
  WORD count = 0;
  ASSERT_EQ(GetObjectA(pal, sizeof count, &count), 2);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(GetObjectType(pal), static_cast<DWORD>(OBJ_PAL));

  DeleteObject(dib);
  DeleteObject(hatch);
  DeleteObject(pal);
  EXPECT_EQ(GetObjectA(hatch, sizeof lb, &lb), 0);
}

TEST(DeviceContext, SaveAndRestoreLevels) {
  Canvas c(2, 1);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  SetTextColor(c.dc, RGB(0, 0, 1));
  EXPECT_EQ(SaveDC(c.dc), 1);
  SetTextColor(c.dc, RGB(0, 0, 2));
  HGDIOBJ before = SelectObject(c.dc, red);
  EXPECT_EQ(SaveDC(c.dc), 2);
  SetTextColor(c.dc, RGB(0, 0, 3));
  SelectObject(c.dc, before);
  EXPECT_EQ(SaveDC(c.dc), 3);
  SetTextColor(c.dc, RGB(0, 0, 4));

  EXPECT_TRUE(RestoreDC(c.dc, -1));  // the last saved state
  EXPECT_EQ(GetTextColor(c.dc), RGB(0, 0, 3));
  EXPECT_TRUE(RestoreDC(c.dc, 2));
  EXPECT_EQ(GetTextColor(c.dc), RGB(0, 0, 2));
  EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BRUSH), static_cast<HGDIOBJ>(red));
  EXPECT_FALSE(RestoreDC(c.dc, 2));  // popped together with everything above it
  EXPECT_FALSE(RestoreDC(c.dc, 0));
  EXPECT_FALSE(RestoreDC(c.dc, -2));
  EXPECT_TRUE(RestoreDC(c.dc, 1));
  EXPECT_EQ(GetTextColor(c.dc), RGB(0, 0, 1));
  EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(DeleteObject(red));  // restoring gave up the selection
}

TEST(DeviceContext, RestoreBringsBackTheClipRegion) {
  Canvas c(4, 1, 0x111111);
  SaveDC(c.dc);
  HRGN rgn = CreateRectRgn(0, 0, 1, 1);
  SelectObject(c.dc, rgn);
  DeleteObject(rgn);
  RestoreDC(c.dc, -1);
  PatBlt(c.dc, 0, 0, 4, 1, BLACKNESS);
  EXPECT_EQ(c.At(3, 0), 0u);
}

TEST(DeviceContext, AttributesReturnTheirOldValuesAndRefuseBadOnes) {
  Canvas c(1, 1);
  EXPECT_EQ(SetROP2(c.dc, R2_XORPEN), R2_COPYPEN);
  EXPECT_EQ(GetROP2(c.dc), R2_XORPEN);
  EXPECT_EQ(SetROP2(c.dc, 0), 0);
  EXPECT_EQ(SetROP2(c.dc, 17), 0);
  EXPECT_EQ(GetROP2(c.dc), R2_XORPEN);
  EXPECT_EQ(SetBkMode(c.dc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkMode(c.dc, 3), 0);
  EXPECT_EQ(SetBkColor(c.dc, RGB(1, 1, 1)), RGB(255, 255, 255));
  EXPECT_EQ(SetTextColor(c.dc, RGB(2, 2, 2)), RGB(0, 0, 0));
  EXPECT_EQ(SetStretchBltMode(c.dc, HALFTONE), BLACKONWHITE);
  EXPECT_EQ(SetStretchBltMode(c.dc, 5), 0);
  EXPECT_EQ(SetPolyFillMode(c.dc, WINDING), ALTERNATE);
  EXPECT_EQ(SetTextCharacterExtra(c.dc, 3), 0);
  EXPECT_EQ(GetTextCharacterExtra(c.dc), 3);
  EXPECT_EQ(SetTextAlign(c.dc, 6), 0u);
  EXPECT_EQ(GetTextAlign(c.dc), 6u);
  EXPECT_EQ(GetBkColor(nullptr), CLR_INVALID);
  EXPECT_EQ(GetDeviceCaps(c.dc, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(c.dc, LOGPIXELSY), 96);
  EXPECT_TRUE(GetDeviceCaps(c.dc, RASTERCAPS) & RC_STRETCHBLT);
  EXPECT_FALSE(GetDeviceCaps(c.dc, RASTERCAPS) & RC_PALETTE);
}

TEST(DeviceContext, DisplayContextReportsTheScreenAndOtherDriversFail) {
  HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, PLANES) * GetDeviceCaps(dc, BITSPIXEL), 32);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(CreateDCA("WINSPOOL", nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(CreateDCA(nullptr, nullptr, nullptr, nullptr), nullptr);
}
