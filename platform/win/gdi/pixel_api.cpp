// GetPixel, SetPixel and SetPixelV.
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return CLR_INVALID;
  POINT p = dc->ToDevice(POINT{x, y});
  std::uint32_t rgb;
  if (!dc->ReadPixel(p.x, p.y, &rgb)) return CLR_INVALID;  // outside the clip
  return win::gdi::RgbToColorRef(rgb);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return CLR_INVALID;
  POINT p = dc->ToDevice(POINT{x, y});
  if (!dc->IsVisible(p.x, p.y) || !dc->Target().IsValid()) return CLR_INVALID;
  // SetPixel writes the colour itself: the binary raster operation is for pens and brushes.
  dc->PutPixel(p.x, p.y, color, R2_COPYPEN);
  std::uint32_t rgb = 0;
  dc->ReadPixel(p.x, p.y, &rgb);
  return win::gdi::RgbToColorRef(rgb);  // the colour the surface could hold
}

BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color) {
  return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}
