// The plain DC attributes: raster operation, background, text colours and
// alignment, stretch and fill modes, DC brush and pen colours.
#include "platform/win/gdi/dc.h"
#include "platform/win/wingdi.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;

namespace {

// Sets one attribute and returns the old value; `invalid` when the DC is
// unknown or the value out of range.
template <class T>
T Exchange(HDC hdc, T win::gdi::DcAttributes::*field, T value, T invalid, bool valid = true) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !valid) return invalid;
  T old = dc->attr.*field;
  dc->attr.*field = value;
  return old;
}

template <class T>
T Read(HDC hdc, T win::gdi::DcAttributes::*field, T invalid) {
  DeviceContext* dc = LookupDC(hdc);
  return dc ? dc->attr.*field : invalid;
}

}  // namespace

int WINAPI SetROP2(HDC hdc, int rop2) {
  return Exchange(hdc, &win::gdi::DcAttributes::rop2, rop2, 0, rop2 >= R2_BLACK && rop2 <= R2_WHITE);
}
int WINAPI GetROP2(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::rop2, 0);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
  return Exchange(hdc, &win::gdi::DcAttributes::bkMode, mode, 0, mode == TRANSPARENT || mode == OPAQUE);
}
int WINAPI GetBkMode(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::bkMode, 0);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &win::gdi::DcAttributes::bkColor, color, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::bkColor, CLR_INVALID);
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &win::gdi::DcAttributes::textColor, color, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::textColor, CLR_INVALID);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
  return Exchange(hdc, &win::gdi::DcAttributes::textAlign, align, static_cast<UINT>(GDI_ERROR));
}
UINT WINAPI GetTextAlign(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::textAlign, static_cast<UINT>(GDI_ERROR));
}

int WINAPI SetTextCharacterExtra(HDC hdc, int extra) {
  return Exchange(hdc, &win::gdi::DcAttributes::charExtra, extra, static_cast<int>(0x80000000));
}
int WINAPI GetTextCharacterExtra(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::charExtra, static_cast<int>(0x80000000));
}

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
  return Exchange(hdc, &win::gdi::DcAttributes::stretchMode, mode, 0, mode >= BLACKONWHITE && mode <= HALFTONE);
}
int WINAPI GetStretchBltMode(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::stretchMode, 0);
}

int WINAPI SetPolyFillMode(HDC hdc, int mode) {
  return Exchange(hdc, &win::gdi::DcAttributes::polyFillMode, mode, 0, mode == ALTERNATE || mode == WINDING);
}
int WINAPI GetPolyFillMode(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::polyFillMode, 0);
}

COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &win::gdi::DcAttributes::dcBrushColor, color, CLR_INVALID);
}
COLORREF WINAPI GetDCBrushColor(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::dcBrushColor, CLR_INVALID);
}
COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color) {
  return Exchange(hdc, &win::gdi::DcAttributes::dcPenColor, color, CLR_INVALID);
}
COLORREF WINAPI GetDCPenColor(HDC hdc) {
  return Read(hdc, &win::gdi::DcAttributes::dcPenColor, CLR_INVALID);
}
