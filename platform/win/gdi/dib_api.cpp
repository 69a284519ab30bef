// Moving device-independent bits in and out: GetDIBits, SetDIBits,
// SetDIBitsToDevice and StretchDIBits.
#include <algorithm>
#include <cstring>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/blit.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/dib.h"
#include "platform/win/gdi/rop.h"
#include "platform/win/wingdi.h"

using win::gdi::BitmapObject;
using win::gdi::DeviceContext;
using win::gdi::DibLayout;
using win::gdi::LookupBitmap;
using win::gdi::LookupDC;
using win::gdi::Surface;

namespace {

// Copies pixel rows between surfaces of any formats, through RGB unless the
// layouts match. Rows rows [0, count) of `from` starting at fromRow go to
// rows starting at toRow.
void CopyRows(const Surface& from, int fromRow, const Surface& to, int toRow, int count) {
  const int width = std::min(from.width, to.width);
  const bool same = from.bitsPerPixel == to.bitsPerPixel && from.bitsPerPixel > 8 &&
                    (from.bitsPerPixel == 24 ||
                     (from.redMask == to.redMask && from.greenMask == to.greenMask && from.blueMask == to.blueMask) ||
                     (from.Is32() && to.Is32()));
  std::uint32_t lastIn = 0, lastOut = 0;
  bool cached = false;
  for (int i = 0; i < count; ++i) {
    const int fy = fromRow + i, ty = toRow + i;
    if (fy < 0 || fy >= from.height || ty < 0 || ty >= to.height) continue;
    if (same) {
      std::memcpy(to.Row(ty), from.Row(fy), static_cast<std::size_t>(width) * (from.bitsPerPixel / 8));
      continue;
    }
    for (int x = 0; x < width; ++x) {
      std::uint32_t raw = win::gdi::ReadRaw(from, x, fy);
      if (!cached || raw != lastIn) {
        lastIn = raw;
        lastOut = win::gdi::RgbToRaw(to, win::gdi::RawToRgb(from, raw));
        cached = true;
      }
      win::gdi::WriteRaw(to, x, ty, lastOut);
    }
  }
}

// The colour table GetDIBits reports for a depth: the bitmap's own when the
// depths match, else the default table of that depth.
std::vector<std::uint32_t> TableFor(const BitmapObject& b, int bpp) {
  if (b.bitsPerPixel() == bpp && !b.colors().empty()) return b.colors();
  return win::gdi::DefaultColorTable(bpp);
}

void WriteTable(BITMAPINFO* info, const std::vector<std::uint32_t>& table, UINT usage) {
  BYTE* at = reinterpret_cast<BYTE*>(info) + info->bmiHeader.biSize;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (usage == DIB_PAL_COLORS) {
      WORD index = static_cast<WORD>(i);
      std::memcpy(at + 2 * i, &index, 2);
    } else {
      std::uint32_t q = table[i] & 0xFFFFFF;
      std::memcpy(at + 4 * i, &q, 4);
    }
  }
}

// Surface row of DIB scan line `scan` (scan 0 is the bottom row of a bottom-up DIB).
int RowOfScan(const DibLayout& d, int scan) {
  return d.topDown ? scan : d.height - 1 - scan;
}

}  // namespace

int WINAPI GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info, UINT usage) {
  BitmapObject* b = LookupBitmap(bitmap);
  if (!b || !info) return 0;
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
  if (!bits && h.biBitCount == 0) {
    // Only the header: the bitmap's own description, no colour table.
    h.biWidth = b->width();
    h.biHeight = b->isDibSection() && b->isTopDown() ? -b->height() : b->height();
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(b->bitsPerPixel());
    h.biCompression = b->compression() == BI_BITFIELDS ? BI_BITFIELDS : BI_RGB;
    h.biSizeImage = static_cast<DWORD>(win::gdi::DibStride(b->width(), b->bitsPerPixel()) * b->height());
    h.biXPelsPerMeter = h.biYPelsPerMeter = 0;
    h.biClrUsed = h.biClrImportant = 0;
    return 1;
  }
  const int bpp = h.biBitCount;
  if (!(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32)) return 0;
  if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) return 0;
  if (h.biWidth <= 0 || h.biHeight == 0) return 0;
  if (h.biCompression == BI_BITFIELDS && bpp != 16 && bpp != 32) return 0;
  const std::vector<std::uint32_t> table = bpp <= 8 ? TableFor(*b, bpp) : std::vector<std::uint32_t>{};
  if (bpp <= 8) WriteTable(info, table, usage);
  if (h.biCompression == BI_BITFIELDS) {
    DWORD* masks = reinterpret_cast<DWORD*>(reinterpret_cast<BYTE*>(info) + 40);
    if (h.biSize == 40 && masks[0] == 0 && masks[1] == 0 && masks[2] == 0) {
      // An empty mask request gets the layout we write: 5-6-5 or 8-8-8.
      masks[0] = bpp == 16 ? 0xF800 : 0xFF0000;
      masks[1] = bpp == 16 ? 0x07E0 : 0x00FF00;
      masks[2] = bpp == 16 ? 0x001F : 0x0000FF;
    }
  }
  h.biSizeImage = static_cast<DWORD>(win::gdi::DibStride(h.biWidth, bpp)) *
                  static_cast<DWORD>(h.biHeight < 0 ? -h.biHeight : h.biHeight);
  h.biClrUsed = 0;
  if (!bits) return 1;

  DibLayout d;
  if (!win::gdi::ReadDibInfo(info, DIB_RGB_COLORS, LookupDC(hdc), &d)) return 0;
  if (usage == DIB_PAL_COLORS) d.colors = table;
  if (start >= static_cast<UINT>(d.height)) return 0;
  const int count = static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(d.height) - start));
  // The caller's buffer holds `count` scan lines from `start` on.
  DibLayout band = d;
  band.height = count;
  Surface out = band.SurfaceOver(bits);
  Surface in = b->surface();
  for (int i = 0; i < count; ++i) {
    const int scan = static_cast<int>(start) + i;
    const int srcRow = RowOfScan(d, scan);
    const int dstRow = RowOfScan(band, i);
    if (srcRow < in.height) {
      CopyRows(in, srcRow, out, dstRow, 1);
    } else {
      std::memset(out.Row(dstRow), 0, static_cast<std::size_t>(band.stride));
    }
  }
  return count;
}

int WINAPI SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
                     UINT usage) {
  BitmapObject* b = LookupBitmap(bitmap);
  if (!b || !bits || !info || b->IsStock()) return 0;
  DibLayout d;
  if (!win::gdi::ReadDibInfo(info, usage, LookupDC(hdc), &d)) return 0;
  if (start >= static_cast<UINT>(d.height)) return 0;
  const int count = static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(d.height) - start));
  DibLayout band = d;
  band.height = count;
  Surface in = band.SurfaceOver(bits);
  Surface out = b->surface();
  for (int i = 0; i < count; ++i) {
    const int scan = static_cast<int>(start) + i;
    CopyRows(in, RowOfScan(band, i), out, RowOfScan(d, scan), 1);
  }
  return count;
}

namespace {

// Blits a band of DIB scan lines [firstScan, firstScan + lines). Source
// coordinates follow the DIB: a bottom-up DIB's y counts from its bottom row.
int DrawDib(HDC hdc, int x, int y, int w, int h, int sx, int sy, int sw, int sh, int firstScan, int lines,
            const void* bits, const BITMAPINFO* info, UINT usage, std::uint8_t rop, bool stretch) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !info) return 0;
  const bool usesS = win::gdi::Rop3UsesSource(rop);
  if (usesS && !bits) return 0;
  DibLayout d;
  if (!win::gdi::ReadDibInfo(info, usage, dc, &d)) return 0;
  if (firstScan < 0 || lines <= 0) return 0;
  lines = std::min(lines, d.height - firstScan);
  if (lines <= 0) return 0;
  // Only the band is backed by the caller's memory; rows outside it are not read.
  DibLayout band = d;
  band.height = lines;
  band.topDown = true;  // rows in memory order: scan order for a bottom-up DIB
  win::gdi::BlitSource src;
  src.surface = band.SurfaceOver(bits);
  src.fromDC = false;
  int anchorY, sizeY;
  if (d.topDown) {
    src.origin = POINT{0, -firstScan};
    anchorY = sy;
    sizeY = sh;
  } else {
    // Memory row r is scan firstScan + r, and scans run upwards: flip.
    src.origin = POINT{0, -firstScan};
    anchorY = sy + sh + (sh > 0 ? -1 : 1);
    sizeY = -sh;
  }
  const int mode = stretch ? dc->attr.stretchMode : COLORONCOLOR;
  win::gdi::Blit(*dc, x, y, w, h, &src, sx, anchorY, sw, sizeY, rop, mode);
  return stretch ? std::abs(sh) : lines;
}

}  // namespace

int WINAPI SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int srcX, int srcY, UINT startScan,
                             UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  if (w <= 0 || h <= 0) return 0;
  return DrawDib(hdc, x, y, w, h, srcX, srcY, w, h, static_cast<int>(startScan), static_cast<int>(lines), bits, info,
                 usage, 0xCC, false);
}

int WINAPI StretchDIBits(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth, int srcHeight,
                         const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
  DibLayout d;
  if (!info || !win::gdi::ReadDibInfo(info, usage, LookupDC(hdc), &d)) return 0;
  int result = DrawDib(hdc, x, y, width, height, srcX, srcY, srcWidth, srcHeight, 0, d.height, bits, info, usage,
                       static_cast<std::uint8_t>((rop >> 16) & 0xFF), true);
  return result ? std::abs(srcHeight) : 0;
}
