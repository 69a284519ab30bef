#include "platform/win/gdi/dib.h"

#include <cstring>
#include <limits>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/palette.h"

namespace win::gdi {

int DibStride(int width, int bitsPerPixel) {
  if (width <= 0 || bitsPerPixel <= 0) return 0;
  long long bytes = ((static_cast<long long>(width) * bitsPerPixel + 31) / 32) * 4;
  if (bytes > std::numeric_limits<int>::max() / 2) return 0;
  return static_cast<int>(bytes);
}

Surface DibLayout::SurfaceOver(const void* bits) const {
  return gdi::SurfaceOver(static_cast<BYTE*>(const_cast<void*>(bits)), width, height, bitsPerPixel, stride, topDown,
                          masks, colors);
}

bool ReadDibInfo(const BITMAPINFO* info, UINT usage, const DeviceContext* dc, DibLayout* out) {
  if (!info || !out) return false;
  const BYTE* raw = reinterpret_cast<const BYTE*>(info);
  DWORD size;
  std::memcpy(&size, raw, 4);
  DibLayout d;
  WORD planes = 1;
  bool core = size == sizeof(BITMAPCOREHEADER);
  if (core) {
    BITMAPCOREHEADER h;
    std::memcpy(&h, raw, sizeof h);
    d.width = h.bcWidth;
    d.height = h.bcHeight;
    d.bitsPerPixel = h.bcBitCount;
    planes = h.bcPlanes;
  } else if (size == 40 || size == 52 || size == 56 || size == 108 || size == 124) {
    BITMAPINFOHEADER h;
    std::memcpy(&h, raw, sizeof h);
    if (h.biHeight == std::numeric_limits<LONG>::min()) return false;
    d.width = h.biWidth;
    d.topDown = h.biHeight < 0;
    d.height = d.topDown ? -h.biHeight : h.biHeight;
    d.bitsPerPixel = h.biBitCount;
    d.compression = h.biCompression;
    planes = h.biPlanes;
    if (d.compression == BI_BITFIELDS) {
      // The masks follow a 40-byte header, or sit inside the larger ones.
      std::memcpy(d.masks, raw + 40, sizeof d.masks);
      if (!(d.bitsPerPixel == 16 || d.bitsPerPixel == 32)) return false;
      if (!d.masks[0] || !d.masks[1] || !d.masks[2]) return false;
    } else if (d.compression != BI_RGB) {
      return false;
    }
    std::size_t after = size + (d.compression == BI_BITFIELDS && size == 40 ? 12 : 0);
    if (d.bitsPerPixel <= 8) {
      std::size_t count = h.biClrUsed ? h.biClrUsed : (std::size_t{1} << d.bitsPerPixel);
      if (count > (std::size_t{1} << d.bitsPerPixel)) count = std::size_t{1} << d.bitsPerPixel;
      d.colors.assign(std::size_t{1} << d.bitsPerPixel, 0);
      const PaletteObject* pal = nullptr;
      if (usage == DIB_PAL_COLORS) {
        pal = dc ? static_cast<const PaletteObject*>(LookupObject(dc->Palette(), ObjectKind::Palette)) : nullptr;
        if (!pal) pal = static_cast<const PaletteObject*>(LookupObject(DefaultPalette(), ObjectKind::Palette));
      }
      for (std::size_t i = 0; i < count; ++i) {
        if (usage == DIB_PAL_COLORS) {
          WORD index;
          std::memcpy(&index, raw + after + 2 * i, 2);
          d.colors[i] = pal ? pal->ColorAt(index) : 0;
        } else {
          std::uint32_t q;
          std::memcpy(&q, raw + after + 4 * i, 4);
          d.colors[i] = q & 0xFFFFFF;
        }
      }
      after += count * (usage == DIB_PAL_COLORS ? 2 : 4);
    } else if (h.biClrUsed) {
      after += static_cast<std::size_t>(h.biClrUsed) * 4;  // an optimisation table we do not need
    }
    d.infoBytes = after;
  } else {
    return false;
  }
  if (core) {
    std::size_t count = d.bitsPerPixel <= 8 ? (std::size_t{1} << d.bitsPerPixel) : 0;
    d.colors.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
      RGBTRIPLE t;
      std::memcpy(&t, raw + size + 3 * i, 3);
      d.colors[i] =
          (static_cast<std::uint32_t>(t.rgbtRed) << 16) | (static_cast<std::uint32_t>(t.rgbtGreen) << 8) | t.rgbtBlue;
    }
    d.infoBytes = size + count * 3;
  }
  if (planes != 1 || d.width <= 0 || d.height <= 0) return false;
  switch (d.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return false;
  }
  d.stride = DibStride(d.width, d.bitsPerPixel);
  if (d.stride == 0) return false;
  if (static_cast<unsigned long long>(d.stride) * static_cast<unsigned long long>(d.height) > (1ull << 31))
    return false;
  *out = std::move(d);
  return true;
}

}  // namespace win::gdi
