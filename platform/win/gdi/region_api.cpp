// Region objects: creating, combining, moving and asking them.
#include <algorithm>
#include <cstring>

#include "platform/win/gdi/region_object.h"
#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/wingdi_shapes.h"

using win::gdi::LookupRegion;
using win::gdi::MakeRegionHandle;
using win::gdi::NormaliseRect;
using win::gdi::Region;
using win::gdi::RegionComplexity;
using win::gdi::RegionOp;

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
  return MakeRegionHandle(Region(NormaliseRect(RECT{left, top, right, bottom})));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
  if (!rect) return nullptr;
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN WINAPI CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse) {
  const RECT box = NormaliseRect(RECT{left, top, right, bottom});
  return MakeRegionHandle(
      Region::FromSpans(win::gdi::shapes::RoundRectSpans(box, std::abs(widthEllipse), std::abs(heightEllipse))));
}

HRGN WINAPI CreateEllipticRgn(int left, int top, int right, int bottom) {
  const RECT box = NormaliseRect(RECT{left, top, right, bottom});
  return MakeRegionHandle(Region::FromSpans(win::gdi::shapes::EllipseSpans(box)));
}

HRGN WINAPI CreateEllipticRgnIndirect(const RECT* rect) {
  if (!rect) return nullptr;
  return CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN WINAPI CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode) {
  if (!points || !counts || polygons <= 0 || (fillMode != ALTERNATE && fillMode != WINDING)) return nullptr;
  for (int k = 0; k < polygons; ++k) {
    if (counts[k] < 2) return nullptr;
  }
  return MakeRegionHandle(Region::FromSpans(win::gdi::shapes::PolygonSpans(points, counts, polygons, fillMode)));
}

HRGN WINAPI CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  return CreatePolyPolygonRgn(points, &count, 1, fillMode);
}

int WINAPI CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  Region* d = LookupRegion(dest);
  const Region* a = LookupRegion(src1);
  if (!d || !a || mode < RGN_MIN || mode > RGN_MAX) return ERROR;
  if (mode == RGN_COPY) {
    *d = *a;
    return RegionComplexity(*d);
  }
  const Region* b = LookupRegion(src2);
  if (!b) return ERROR;
  *d = Region::Combine(*a, *b, static_cast<RegionOp>(mode));
  return RegionComplexity(*d);
}

int WINAPI OffsetRgn(HRGN rgn, int dx, int dy) {
  Region* r = LookupRegion(rgn);
  if (!r) return ERROR;
  r->Offset(dx, dy);
  return RegionComplexity(*r);
}

BOOL WINAPI PtInRegion(HRGN rgn, int x, int y) {
  const Region* r = LookupRegion(rgn);
  return r && r->Contains(x, y) ? TRUE : FALSE;
}

BOOL WINAPI RectInRegion(HRGN rgn, const RECT* rect) {
  const Region* r = LookupRegion(rgn);
  return r && rect && r->Intersects(*rect) ? TRUE : FALSE;
}

int WINAPI GetRgnBox(HRGN rgn, LPRECT rect) {
  const Region* r = LookupRegion(rgn);
  if (!r || !rect) return ERROR;
  *rect = r->Bounds();
  return RegionComplexity(*r);
}

BOOL WINAPI EqualRgn(HRGN a, HRGN b) {
  const Region* ra = LookupRegion(a);
  const Region* rb = LookupRegion(b);
  if (!ra || !rb) return ERROR;
  return *ra == *rb ? TRUE : FALSE;
}

BOOL WINAPI SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  Region* r = LookupRegion(rgn);
  if (!r) return FALSE;
  r->SetRect(NormaliseRect(RECT{left, top, right, bottom}));
  return TRUE;
}

DWORD WINAPI GetRegionData(HRGN rgn, DWORD size, LPRGNDATA data) {
  const Region* r = LookupRegion(rgn);
  if (!r) return 0;
  const auto& rects = r->Rects();
  const DWORD rectBytes = static_cast<DWORD>(rects.size() * sizeof(RECT));
  const DWORD needed = static_cast<DWORD>(sizeof(RGNDATAHEADER)) + rectBytes;
  if (!data) return needed;
  // A short buffer gets nothing rather than a cut list.
  if (size < needed) return 0;
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = rectBytes;
  data->rdh.rcBound = r->Bounds();
  if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rectBytes);
  return size;
}
