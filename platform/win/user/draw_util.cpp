#include "platform/win/user/draw_util.h"

#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/objects.h"

namespace win::user {

COLORREF Sys(int colorIndex) {
  return GetSysColor(colorIndex);
}

static void FillWith(HDC dc, const RECT& r, const gdi::Brush& brush) {
  auto* d = gdi::LookupAs<gdi::DeviceContext>(dc);
  if (!d || r.right <= r.left || r.bottom <= r.top) return;
  d->FillDeviceRect(d->ToDevice(r), brush, 13 /* R2_COPYPEN */);
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  auto brush = gdi::Brush::MakeSolid(color);
  FillWith(dc, r, *brush);
}

bool FillBackground(HDC dc, const RECT& r, HBRUSH brush) {
  auto value = reinterpret_cast<ULONG_PTR>(brush);
  if (!value) return false;
  if (value <= 64) {
    // COLOR_xxx + 1, as classes give their background.
    FillSolid(dc, r, GetSysColor(static_cast<int>(value) - 1));
    return true;
  }
  auto* b = gdi::LookupAs<gdi::Brush>(brush);
  if (!b) return false;
  FillWith(dc, r, *b);
  return true;
}

void Frame3D(HDC dc, const RECT& r, COLORREF tl, COLORREF br) {
  FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, tl);
  FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, tl);
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, br);
  FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, br);
}

void Edge3D(HDC dc, RECT& r, bool raised) {
  if (raised) {
    Frame3D(dc, r, Sys(COLOR_3DLIGHT), Sys(COLOR_3DDKSHADOW));
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    Frame3D(dc, r, Sys(COLOR_3DHIGHLIGHT), Sys(COLOR_3DSHADOW));
  } else {
    Frame3D(dc, r, Sys(COLOR_3DSHADOW), Sys(COLOR_3DHIGHLIGHT));
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    Frame3D(dc, r, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
  }
  r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

}  // namespace win::user
