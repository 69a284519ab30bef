// Turning pen strokes into pixels: one-pixel lines (solid or styled) and wide
// lines with their caps and joins. Everything here is in device pixels.
#pragma once

#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/windef.h"

namespace win::gdi::shapes {

// The selected pen, resolved against its DC.
struct PenInfo {
  bool null = false;
  int width = 1;
  COLORREF color = 0;
  bool insideFrame = false;
  bool geometric = false;
  UINT endCap = 0;
  UINT join = 0;
  std::vector<int> dashes;  // on/off runs; empty for solid
  RowRange rows;  // device rows worth drawing (the clip's)
  RECT visible{};  // the clip's bounds, widened by the pen
};
PenInfo CurrentPen(const DeviceContext& dc);

// A stroke's pixels: `pen` in the pen colour, `gap` the gaps of a styled pen
// (painted in the background colour when the background mode is opaque).
struct StrokePixels {
  std::vector<Span> pen;
  std::vector<Span> gap;
};

// Strokes a path through device points; closed adds the edge back to the
// first point. A one-pixel path leaves out its last point (a closed one thus
// sets every vertex once). dashPos carries the style pattern's position.
void StrokePath(const PenInfo& pen, const std::vector<POINT>& points, bool closed, StrokePixels& out,
                int* dashPos = nullptr);

// Applies a pen's dash pattern to pixels given in drawing order.
void ApplyDashes(const PenInfo& pen, const std::vector<POINT>& pixels, StrokePixels& out, int* dashPos = nullptr);

// Paints spans with the pen colour under the DC's raster operation, and the
// gaps in the background colour when the background mode is opaque.
void PaintStroke(DeviceContext& dc, const PenInfo& pen, const StrokePixels& stroke);
// Paints a region in one colour / with the selected brush, under the DC's ROP2.
void PaintRegion(DeviceContext& dc, const Region& region, COLORREF color);
void PaintRegionWithBrush(DeviceContext& dc, const Region& region);

// The device rows worth rasterising for this DC: its clip's rows, widened by
// `margin` so outlines found near the edge are still right.
RowRange VisibleRows(const DeviceContext& dc, int margin);

}  // namespace win::gdi::shapes
