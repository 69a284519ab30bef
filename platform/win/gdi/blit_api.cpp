// BitBlt, StretchBlt, PatBlt and MaskBlt over the blit engine.
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/blit.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/rop.h"
#include "platform/win/wingdi.h"

using win::gdi::BlitSource;
using win::gdi::DeviceContext;
using win::gdi::LookupDC;

namespace {

std::uint8_t RopCode(DWORD rop) {
  return static_cast<std::uint8_t>((rop >> 16) & 0xFF);
}

// A source DC is needed only when the operation reads the source.
bool SourceFor(HDC src, std::uint8_t code, std::optional<BlitSource>* out) {
  if (!win::gdi::Rop3UsesSource(code)) return true;
  DeviceContext* s = LookupDC(src);
  if (!s) return false;
  *out = win::gdi::SourceOf(*s);
  return true;
}

}  // namespace

BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                       int srcHeight, DWORD rop) {
  DeviceContext* d = LookupDC(dest);
  if (!d) return FALSE;
  const std::uint8_t code = RopCode(rop);
  std::optional<BlitSource> source;
  if (!SourceFor(src, code, &source)) return FALSE;
  return win::gdi::Blit(*d, x, y, width, height, source ? &*source : nullptr, srcX, srcY, srcWidth, srcHeight, code,
                        d->attr.stretchMode)
             ? TRUE
             : FALSE;
}

BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
  DeviceContext* d = LookupDC(dest);
  if (!d) return FALSE;
  const std::uint8_t code = RopCode(rop);
  std::optional<BlitSource> source;
  if (!SourceFor(src, code, &source)) return FALSE;
  return win::gdi::Blit(*d, x, y, width, height, source ? &*source : nullptr, srcX, srcY, width, height, code,
                        COLORONCOLOR)
             ? TRUE
             : FALSE;
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
  DeviceContext* d = LookupDC(hdc);
  const std::uint8_t code = RopCode(rop);
  if (!d || win::gdi::Rop3UsesSource(code)) return FALSE;
  // A pattern fill is a rectangle: negative sizes extend it left or up from x, y.
  if (width < 0) {
    x += width;
    width = -width;
  }
  if (height < 0) {
    y += height;
    height = -height;
  }
  return win::gdi::Blit(*d, x, y, width, height, nullptr, 0, 0, width, height, code, COLORONCOLOR) ? TRUE : FALSE;
}

BOOL WINAPI MaskBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, HBITMAP mask, int maskX,
                    int maskY, DWORD rop4) {
  DeviceContext* d = LookupDC(dest);
  if (!d) return FALSE;
  const std::uint8_t fore = RopCode(rop4);
  const std::uint8_t back = static_cast<std::uint8_t>((rop4 >> 24) & 0xFF);
  if (!mask) return BitBlt(dest, x, y, width, height, src, srcX, srcY, rop4 & 0x00FFFFFF);
  const win::gdi::BitmapObject* m = win::gdi::LookupBitmap(mask);
  if (!m || !m->isMonochrome()) return FALSE;
  std::optional<BlitSource> source;
  if (!SourceFor(src, fore, &source) || !SourceFor(src, back, &source)) return FALSE;
  win::gdi::BlitMask bm{m, maskX, maskY, back};
  return win::gdi::Blit(*d, x, y, width, height, source ? &*source : nullptr, srcX, srcY, width, height, fore,
                        COLORONCOLOR, &bm)
             ? TRUE
             : FALSE;
}
