// The closed figures bounded by a box (Rectangle, RoundRect, Ellipse) and the
// elliptic arc family (Arc, Pie, Chord), drawn with GDI's pixel rules.
#pragma once

#include "platform/win/gdi/dc.h"
#include "platform/win/windef.h"

namespace win::gdi::shapes {

enum class FigureKind { Rectangle, RoundRect, Ellipse };

// box in logical coordinates, any corner order. The pen outlines the box's
// pixels [left, right-1] x [top, bottom-1] (a wide pen centred on that
// outline, or inside it for PS_INSIDEFRAME) and the brush fills the inside;
// with no pen the fill covers [left, right-1) x [top, bottom-1).
void DrawFigure(DeviceContext& dc, RECT box, FigureKind kind, int cornerWidth = 0, int cornerHeight = 0);

enum class ArcKind { Arc, Pie, Chord };

// The arc runs in the DC's arc direction from the radial through `start` to
// the radial through `end` (logical points); equal radials give the whole
// ellipse.
void DrawArc(DeviceContext& dc, RECT box, POINT start, POINT end, ArcKind kind);
// The device pixels where that arc starts and ends, in drawing order.
void ArcEndPoints(const DeviceContext& dc, RECT box, POINT start, POINT end, POINT* arcStart, POINT* arcEnd);

}  // namespace win::gdi::shapes
