// The current position and the line calls. Lines leave out their last
// point, so that joined lines set every pixel once.
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/shapes/stroke.h"
#include "platform/win/wingdi_shapes.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using namespace win::gdi::shapes;

namespace {

void StrokeLogical(DeviceContext& dc, const POINT* points, std::size_t count, bool closed) {
  const PenInfo pen = CurrentPen(dc);
  if (pen.null || count == 0) return;
  std::vector<POINT> device;
  device.reserve(count);
  for (std::size_t i = 0; i < count; ++i) device.push_back(dc.ToDevice(points[i]));
  StrokePixels stroke;
  StrokePath(pen, device, closed, stroke);
  PaintStroke(dc, pen, stroke);
}

}  // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->attr.currentPos;
  dc->attr.currentPos = POINT{x, y};
  return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT point) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !point) return FALSE;
  *point = dc->attr.currentPos;
  return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  const POINT path[2] = {dc->attr.currentPos, POINT{x, y}};
  StrokeLogical(*dc, path, 2, false);
  dc->attr.currentPos = path[1];
  return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !points || count < 2) return FALSE;
  StrokeLogical(*dc, points, static_cast<std::size_t>(count), false);
  return TRUE;
}

BOOL WINAPI PolylineTo(HDC hdc, const POINT* points, DWORD count) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !points) return FALSE;
  if (count == 0) return TRUE;
  std::vector<POINT> path{dc->attr.currentPos};
  path.insert(path.end(), points, points + count);
  StrokeLogical(*dc, path.data(), path.size(), false);
  dc->attr.currentPos = points[count - 1];
  return TRUE;
}

BOOL WINAPI PolyPolyline(HDC hdc, const POINT* points, const DWORD* counts, DWORD polylines) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !points || !counts) return FALSE;
  for (DWORD k = 0; k < polylines; ++k) {
    if (counts[k] < 2) return FALSE;
  }
  for (DWORD k = 0; k < polylines; ++k) {
    StrokeLogical(*dc, points, counts[k], false);
    points += counts[k];
  }
  return TRUE;
}
