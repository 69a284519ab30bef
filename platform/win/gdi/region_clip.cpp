// The application clip region of a device context. It is kept in device
// coordinates, so moving the logical origin afterwards does not move it;
// IntersectClipRect and ExcludeClipRect convert their logical rectangle first.
#include <optional>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/region_object.h"
#include "platform/win/wingdi_shapes.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using win::gdi::LookupRegion;
using win::gdi::NormaliseRect;
using win::gdi::Region;
using win::gdi::RegionComplexity;
using win::gdi::RegionOp;

namespace {

int ClipComplexity(const DeviceContext& dc) {
  return RegionComplexity(dc.EffectiveClip());
}

// The clip as it stands: with none set, everything the DC can draw on.
Region CurrentClip(const DeviceContext& dc) {
  return dc.ClipRegion() ? *dc.ClipRegion() : Region(dc.DeviceBounds());
}

}  // namespace

int WINAPI ExtSelectClipRgn(HDC hdc, HRGN rgn, int mode) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || mode < RGN_MIN || mode > RGN_MAX) return ERROR;
  if (!rgn) {
    // Only a copy of nothing is meaningful: it removes the clip.
    if (mode != RGN_COPY) return ERROR;
    dc->SetClipRegion(std::nullopt);
    return ClipComplexity(*dc);
  }
  const Region* r = LookupRegion(rgn);
  if (!r) return ERROR;
  if (mode == RGN_COPY) {
    dc->SetClipRegion(*r);
  } else {
    dc->SetClipRegion(Region::Combine(CurrentClip(*dc), *r, static_cast<RegionOp>(mode)));
  }
  return ClipComplexity(*dc);
}

int WINAPI SelectClipRgn(HDC hdc, HRGN rgn) {
  return ExtSelectClipRgn(hdc, rgn, RGN_COPY);
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return ERROR;
  const RECT device = NormaliseRect(dc->ToDevice(RECT{left, top, right, bottom}));
  dc->SetClipRegion(CurrentClip(*dc).IntersectRect(device));
  return ClipComplexity(*dc);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return ERROR;
  const RECT device = NormaliseRect(dc->ToDevice(RECT{left, top, right, bottom}));
  dc->SetClipRegion(Region::Combine(CurrentClip(*dc), Region(device), RegionOp::Diff));
  return ClipComplexity(*dc);
}

int WINAPI OffsetClipRgn(HDC hdc, int dx, int dy) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return ERROR;
  if (dc->ClipRegion()) {
    Region moved = *dc->ClipRegion();
    moved.Offset(dx, dy);  // logical units are device units in MM_TEXT
    dc->SetClipRegion(std::move(moved));
  }
  return ClipComplexity(*dc);
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !rect) return ERROR;
  const Region& clip = dc->EffectiveClip();
  if (clip.IsEmpty()) {
    *rect = RECT{0, 0, 0, 0};
    return NULLREGION;
  }
  const RECT& b = clip.Bounds();
  const POINT tl = dc->ToLogical(POINT{b.left, b.top});
  const POINT br = dc->ToLogical(POINT{b.right, b.bottom});
  *rect = RECT{tl.x, tl.y, br.x, br.y};
  return RegionComplexity(clip);
}

int WINAPI GetClipRgn(HDC hdc, HRGN rgn) {
  DeviceContext* dc = LookupDC(hdc);
  Region* target = LookupRegion(rgn);
  if (!dc || !target) return -1;
  if (!dc->ClipRegion()) return 0;
  *target = *dc->ClipRegion();
  return 1;
}

BOOL WINAPI PtVisible(HDC hdc, int x, int y) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  const POINT p = dc->ToDevice(POINT{x, y});
  return dc->IsVisible(p.x, p.y) ? TRUE : FALSE;
}

BOOL WINAPI RectVisible(HDC hdc, const RECT* rect) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !rect) return FALSE;
  return dc->EffectiveClip().Intersects(dc->ToDevice(*rect)) ? TRUE : FALSE;
}
