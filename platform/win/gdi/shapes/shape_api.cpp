// Rectangle, RoundRect, Ellipse, Polygon and the arc family.
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/shapes/figure.h"
#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/gdi/shapes/stroke.h"
#include "platform/win/wingdi_shapes.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using win::gdi::Region;
using win::gdi::RegionOp;
using namespace win::gdi::shapes;

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  DrawFigure(*dc, RECT{left, top, right, bottom}, FigureKind::Rectangle);
  return TRUE;
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  DrawFigure(*dc, RECT{left, top, right, bottom}, FigureKind::RoundRect, width, height);
  return TRUE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  DrawFigure(*dc, RECT{left, top, right, bottom}, FigureKind::Ellipse);
  return TRUE;
}

BOOL WINAPI PolyPolygon(HDC hdc, const POINT* points, const INT* counts, int polygons) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !points || !counts || polygons <= 0) return FALSE;
  std::vector<POINT> device;
  for (int k = 0; k < polygons; ++k) {
    if (counts[k] < 2) return FALSE;
  }
  const POINT* p = points;
  std::vector<INT> sizes(counts, counts + polygons);
  for (int k = 0; k < polygons; ++k)
    for (int i = 0; i < counts[k]; ++i) device.push_back(dc->ToDevice(*p++));

  const PenInfo pen = CurrentPen(*dc);
  StrokePixels stroke;
  std::size_t at = 0;
  for (int k = 0; k < polygons; ++k) {
    std::vector<POINT> ring(device.begin() + at, device.begin() + at + sizes[k]);
    StrokePath(pen, ring, true, stroke);
    at += sizes[k];
  }
  Region fill = Region::FromSpans(
      PolygonSpans(device.data(), sizes.data(), polygons, dc->attr.polyFillMode, VisibleRows(*dc, 1)));
  // The outline is drawn over the fill; keep them apart so each pixel is set once.
  if (!stroke.pen.empty()) fill.Subtract(Region::FromSpans(stroke.pen));
  if (!stroke.gap.empty()) fill.Subtract(Region::FromSpans(stroke.gap));
  PaintRegionWithBrush(*dc, fill);
  PaintStroke(*dc, pen, stroke);
  return TRUE;
}

BOOL WINAPI Polygon(HDC hdc, const POINT* points, int count) {
  return PolyPolygon(hdc, points, &count, 1);
}

BOOL WINAPI Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  DrawArc(*dc, RECT{left, top, right, bottom}, POINT{xStart, yStart}, POINT{xEnd, yEnd}, ArcKind::Arc);
  return TRUE;
}

BOOL WINAPI ArcTo(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  const PenInfo pen = CurrentPen(*dc);
  POINT from{}, to{};
  ArcEndPoints(*dc, RECT{left, top, right, bottom}, POINT{xStart, yStart}, POINT{xEnd, yEnd}, &from, &to);
  if (!pen.null) {
    StrokePixels stroke;
    StrokePath(pen, {dc->ToDevice(dc->attr.currentPos), from}, false, stroke);
    PaintStroke(*dc, pen, stroke);
  }
  DrawArc(*dc, RECT{left, top, right, bottom}, POINT{xStart, yStart}, POINT{xEnd, yEnd}, ArcKind::Arc);
  dc->attr.currentPos = dc->ToLogical(to);
  return TRUE;
}

BOOL WINAPI Pie(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  DrawArc(*dc, RECT{left, top, right, bottom}, POINT{xStart, yStart}, POINT{xEnd, yEnd}, ArcKind::Pie);
  return TRUE;
}

BOOL WINAPI Chord(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return FALSE;
  DrawArc(*dc, RECT{left, top, right, bottom}, POINT{xStart, yStart}, POINT{xEnd, yEnd}, ArcKind::Chord);
  return TRUE;
}

int WINAPI SetArcDirection(HDC hdc, int direction) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || (direction != AD_COUNTERCLOCKWISE && direction != AD_CLOCKWISE)) return 0;
  const int old = dc->attr.arcDirection;
  dc->attr.arcDirection = direction;
  return old;
}

int WINAPI GetArcDirection(HDC hdc) {
  DeviceContext* dc = LookupDC(hdc);
  return dc ? dc->attr.arcDirection : 0;
}
