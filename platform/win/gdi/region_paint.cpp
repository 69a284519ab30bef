// Painting regions: FillRgn, PaintRgn, FrameRgn, InvertRgn. The regions are
// taken in logical coordinates and drawn under the DC's raster operation.
#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/region_object.h"
#include "platform/win/wingdi_shapes.h"
#include "platform/win/wingdi.h"

using win::gdi::Brush;
using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using win::gdi::LookupRegion;
using win::gdi::Region;
using win::gdi::RegionOp;

namespace {

Region ToDevice(const DeviceContext& dc, const Region& logical) {
  Region r = logical;
  r.Offset(dc.DeviceDx(), dc.DeviceDy());
  return r;
}

void Fill(DeviceContext& dc, const Region& device, const Brush& brush) {
  for (const RECT& r : device.Rects()) dc.FillDeviceRect(r, brush, dc.attr.rop2);
}

// The region without the band of the given width and height along its
// edges, diagonal corners included (a box erosion, done one axis at a time).
Region Erode(const Region& r, int width, int height) {
  Region across = r;
  for (int k = 1; k <= width; ++k) {
    for (int dx : {k, -k}) {
      Region moved = r;
      moved.Offset(dx, 0);
      across.IntersectWith(moved);
    }
  }
  Region inside = across;
  for (int k = 1; k <= height; ++k) {
    for (int dy : {k, -k}) {
      Region moved = across;
      moved.Offset(0, dy);
      inside.IntersectWith(moved);
    }
  }
  return inside;
}

}  // namespace

BOOL WINAPI FillRgn(HDC hdc, HRGN rgn, HBRUSH hbrush) {
  DeviceContext* dc = LookupDC(hdc);
  const Region* region = LookupRegion(rgn);
  const Brush* brush = win::gdi::LookupAs<Brush>(hbrush);
  if (!dc || !region || !brush) return FALSE;
  Fill(*dc, ToDevice(*dc, *region), *brush);
  return TRUE;
}

BOOL WINAPI PaintRgn(HDC hdc, HRGN rgn) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  return FillRgn(hdc, rgn, static_cast<HBRUSH>(dc->BrushHandle()));
}

BOOL WINAPI FrameRgn(HDC hdc, HRGN rgn, HBRUSH hbrush, int width, int height) {
  DeviceContext* dc = LookupDC(hdc);
  const Region* region = LookupRegion(rgn);
  const Brush* brush = win::gdi::LookupAs<Brush>(hbrush);
  if (!dc || !region || !brush || width < 0 || height < 0) return FALSE;
  const Region frame = Region::Combine(*region, Erode(*region, width, height), RegionOp::Diff);
  Fill(*dc, ToDevice(*dc, frame), *brush);
  return TRUE;
}

BOOL WINAPI InvertRgn(HDC hdc, HRGN rgn) {
  DeviceContext* dc = LookupDC(hdc);
  const Region* region = LookupRegion(rgn);
  if (!dc || !region) return FALSE;
  const Region device = ToDevice(*dc, *region);
  for (const RECT& r : device.Rects()) {
    for (LONG y = r.top; y < r.bottom; ++y) dc->FillSpan(y, r.left, r.right, 0, R2_NOT);
  }
  return TRUE;
}
