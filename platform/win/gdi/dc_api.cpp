// Device contexts: memory DCs, save levels, origins and device capabilities.
#include <strings.h>

#include <memory>

#include "platform/host/host.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/wingdi.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  // Any DC (or none, the screen) gives the same kind of memory DC: it starts
  // with the stock 1x1 monochrome bitmap, as on Windows.
  if (hdc && !LookupDC(hdc)) return nullptr;
  return static_cast<HDC>(win::gdi::AddObject(std::make_unique<DeviceContext>(win::gdi::ObjectKind::MemDC)));
}

HDC WINAPI CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData) {
  (void)device;
  (void)output;
  (void)initData;
  // Only the display exists; its context answers like the screen's (a
  // memory DC reports the screen's capabilities) and is freed by DeleteDC.
  if (!driver || strcasecmp(driver, "DISPLAY") != 0) return nullptr;
  return CreateCompatibleDC(nullptr);
}

BOOL WINAPI DeleteDC(HDC hdc) {
  if (!LookupDC(hdc)) return FALSE;
  return win::gdi::RemoveObject(hdc) ? TRUE : FALSE;
}

int WINAPI SaveDC(HDC hdc) {
  DeviceContext* dc = LookupDC(hdc);
  return dc ? dc->Save() : 0;
}

BOOL WINAPI RestoreDC(HDC hdc, int savedDC) {
  DeviceContext* dc = LookupDC(hdc);
  return dc && dc->Restore(savedDC) ? TRUE : FALSE;
}

int WINAPI SetMapMode(HDC hdc, int mode) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || mode != MM_TEXT) return 0;  // only MM_TEXT is drawn
  int old = dc->attr.mapMode;
  dc->attr.mapMode = mode;
  return old;
}

int WINAPI GetMapMode(HDC hdc) {
  DeviceContext* dc = LookupDC(hdc);
  return dc ? dc->attr.mapMode : 0;
}

namespace {

BOOL ChangeOrigin(HDC hdc, POINT win::gdi::DcAttributes::*field, int x, int y, bool offset, LPPOINT old) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  POINT& p = dc->attr.*field;
  if (old) *old = p;
  if (offset) {
    p.x += x;
    p.y += y;
  } else {
    p = POINT{x, y};
  }
  return TRUE;
}

BOOL ReadOrigin(HDC hdc, POINT win::gdi::DcAttributes::*field, LPPOINT point) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !point) return FALSE;
  *point = dc->attr.*field;
  return TRUE;
}

}  // namespace

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT old) {
  return ChangeOrigin(hdc, &win::gdi::DcAttributes::windowOrg, x, y, false, old);
}
BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT point) {
  return ReadOrigin(hdc, &win::gdi::DcAttributes::windowOrg, point);
}
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT old) {
  return ChangeOrigin(hdc, &win::gdi::DcAttributes::viewportOrg, x, y, false, old);
}
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT point) {
  return ReadOrigin(hdc, &win::gdi::DcAttributes::viewportOrg, point);
}
BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT old) {
  return ChangeOrigin(hdc, &win::gdi::DcAttributes::windowOrg, dx, dy, true, old);
}
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT old) {
  return ChangeOrigin(hdc, &win::gdi::DcAttributes::viewportOrg, dx, dy, true, old);
}
BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT old) {
  return ChangeOrigin(hdc, &win::gdi::DcAttributes::brushOrg, x, y, false, old);
}
BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT point) {
  return ReadOrigin(hdc, &win::gdi::DcAttributes::brushOrg, point);
}

BOOL WINAPI LPtoDP(HDC hdc, LPPOINT points, int count) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || (count > 0 && !points)) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = dc->ToDevice(points[i]);
  return TRUE;
}

BOOL WINAPI DPtoLP(HDC hdc, LPPOINT points, int count) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || (count > 0 && !points)) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = dc->ToLogical(points[i]);
  return TRUE;
}

namespace {
host::Rect ScreenSize() {
  return host::Get().ScreenBounds();
}
}  // namespace

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return 0;
  // Every DC answers for the screen, a memory DC too (as on Windows: not for
  // the bitmap it holds).
  const int bits = 32;
  switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: return ScreenSize().w;
    case VERTRES: return ScreenSize().h;
    case DESKTOPHORZRES: return ScreenSize().w;
    case DESKTOPVERTRES: return ScreenSize().h;
    case HORZSIZE: return ScreenSize().w * 254 / 960;  // millimetres at 96 dpi
    case VERTSIZE: return ScreenSize().h * 254 / 960;
    case BITSPIXEL: return bits;
    case PLANES: return 1;
    case NUMCOLORS: return -1;  // more than 8 bits a pixel
    case NUMBRUSHES:
    case NUMPENS: return -1;
    case NUMFONTS: return 0;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_FLOODFILL |
             RC_STRETCHDIB;
    case CLIPCAPS: return CP_RECTANGLE;
    case SIZEPALETTE: return 0;  // not a palette device
    case NUMRESERVED: return 20;
    case COLORRES: return 24;
    case VREFRESH: return 60;
    case BLTALIGNMENT: return 0;
    case CURVECAPS:
    case LINECAPS:
    case POLYGONALCAPS: return 0xFF;
    case TEXTCAPS: return 0;
    default: return 0;
  }
}

BOOL WINAPI GdiFlush() {
  return TRUE;
}
