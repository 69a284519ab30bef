// A block of pixels a device context draws on: a bitmap's bits or a window's
// surface, at any of the depths bitmaps have.
//
// Pixels are handled as "raw" values in the surface's own format: a colour
// table index up to 8 bits, the packed bits at 16, 24 and 32. Raster
// operations work on raw values, as GDI does; RGB values (0x00RRGGBB, blue in
// the lowest byte, as in a 32-bit DIB) convert to and from raw.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win/windef.h"

namespace win::gdi {

struct Surface {
  BYTE* top = nullptr;  // first byte of the top row
  std::ptrdiff_t pitch = 0;  // bytes from a row to the row below (negative: bottom-up)
  int width = 0;
  int height = 0;
  int bitsPerPixel = 32;  // 1, 4, 8, 16, 24 or 32
  // 16 and 32 bits: the channel masks. All zero means the default layout
  // (5-5-5 at 16 bits, 0x00RRGGBB at 32).
  DWORD redMask = 0, greenMask = 0, blueMask = 0;
  // Up to 8 bits: the colour table, entries 0x00RRGGBB (the RGBQUAD layout).
  const std::uint32_t* colors = nullptr;
  int colorCount = 0;

  BYTE* Row(int y) const { return top + pitch * y; }
  bool IsValid() const { return top && width > 0 && height > 0; }
  bool Is32() const {
    return bitsPerPixel == 32 && (redMask == 0 || redMask == 0x00FF0000u) &&
           (greenMask == 0 || greenMask == 0x0000FF00u) && (blueMask == 0 || blueMask == 0x000000FFu);
  }
  bool IsMonochrome() const { return bitsPerPixel == 1; }
};

// A surface over stored bits: `bits` is the first byte as stored (the lowest
// row when the rows run bottom-up), `stride` the bytes of one row. `masks`
// (three) and `colors` are referred to, not copied.
Surface SurfaceOver(BYTE* bits, int width, int height, int bitsPerPixel, int stride, bool topDown, const DWORD* masks,
                    const std::vector<std::uint32_t>& colors);

// All bits of one raw pixel (0x00FFFFFF at 32 bits: the top byte stays 0).
std::uint32_t RawMask(const Surface& s);
// x, y must be inside the surface.
std::uint32_t ReadRaw(const Surface& s, int x, int y);
void WriteRaw(const Surface& s, int x, int y, std::uint32_t raw);
std::uint32_t RawToRgb(const Surface& s, std::uint32_t raw);
// The nearest raw value for an RGB colour (the nearest colour-table entry up to 8 bits).
std::uint32_t RgbToRaw(const Surface& s, std::uint32_t rgb);

// COLORREF (0x00BBGGRR) <-> RGB pixel (0x00RRGGBB).
inline std::uint32_t ColorRefToRgb(COLORREF c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF RgbToColorRef(std::uint32_t rgb) {
  return ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

// Index of the nearest of `count` 0x00RRGGBB colours (ties: the lowest index).
int NearestColorIndex(const std::uint32_t* colors, int count, std::uint32_t rgb);

}  // namespace win::gdi
