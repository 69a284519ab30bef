#include "platform/win/gdi/shapes/figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/win/gdi/region_object.h"
#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/gdi/shapes/stroke.h"
#include "platform/win/wingdi_shapes.h"

namespace win::gdi::shapes {
namespace {

std::vector<Span> FigureSpans(const RECT& box, FigureKind kind, int cw, int ch, RowRange rows) {
  switch (kind) {
    case FigureKind::Rectangle: return RoundRectSpans(box, 0, 0, rows);
    case FigureKind::RoundRect: return RoundRectSpans(box, cw, ch, rows);
    case FigureKind::Ellipse: return EllipseSpans(box, rows);
  }
  return {};
}

RECT Shrink(const RECT& r, int by) {
  return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// Where the pen's outline lies for a figure drawn in `box` (device).
RECT OuterBox(const RECT& box, const PenInfo& pen) {
  const int w = pen.width;
  if (w <= 1 || pen.insideFrame) return box;
  return RECT{box.left - w / 2, box.top - w / 2, box.right + (w - 1) / 2, box.bottom + (w - 1) / 2};
}

// Angle of a point seen from the centre, counter-clockwise as on screen
// (y grows downwards), in [0, 2 pi).
double ScreenAngle(double cx, double cy, double x, double y) {
  double a = std::atan2(cy - y, x - cx);
  if (a < 0) a += 2 * std::numbers::pi;
  return a;
}

// Orders outline pixels around the centre so a dash pattern runs along them.
// Only pixels inside `shown` are listed: a huge figure costs what is visible.
std::vector<POINT> AroundCentre(const std::vector<Span>& spans, double cx, double cy, const RECT& shown) {
  std::vector<std::pair<double, POINT>> keyed;
  for (const Span& s : spans) {
    for (LONG x = std::max(s.x0, shown.left); x < std::min(s.x1, shown.right); ++x)
      keyed.push_back({ScreenAngle(cx, cy, x + 0.5, s.y + 0.5), POINT{x, s.y}});
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<POINT> ordered;
  ordered.reserve(keyed.size());
  for (const auto& k : keyed) ordered.push_back(k.second);
  return ordered;
}

// The outline ring (pen) and the inside (brush) of a figure in outer box O.
void SplitFigure(const RECT& outer, FigureKind kind, int cw, int ch, int w, RowRange rows, std::vector<Span>& ring,
                 std::vector<Span>& inside) {
  const auto full = FigureSpans(outer, kind, cw, ch, rows);
  if (w <= 1) {
    SplitOutline(full, &ring, &inside);
    return;
  }
  const RECT inner = Shrink(outer, w);
  std::vector<Span> edge;
  SplitOutline(full, &edge, nullptr);
  const Region innerRegion =
      Region::FromSpans(FigureSpans(inner, kind, std::max(0, cw - 2 * w), std::max(0, ch - 2 * w), rows));
  // The outermost pixels always belong to the ring, so no gap opens between
  // the two curves where they run steeply.
  Region ringRegion = Region::Combine(Region::FromSpans(full), innerRegion, RegionOp::Diff);
  ringRegion.UnionWith(Region::FromSpans(edge));
  const Region insideRegion = Region::Combine(innerRegion, ringRegion, RegionOp::Diff);
  for (const RECT& r : ringRegion.Rects())
    for (LONG y = r.top; y < r.bottom; ++y) ring.push_back(Span{r.left, r.right, y});
  for (const RECT& r : insideRegion.Rects())
    for (LONG y = r.top; y < r.bottom; ++y) inside.push_back(Span{r.left, r.right, y});
}

void PaintSpansWithBrush(DeviceContext& dc, const std::vector<Span>& spans) {
  for (const Span& s : spans) dc.FillSpanWithBrush(s.y, s.x0, s.x1);
}

void PaintOutline(DeviceContext& dc, const PenInfo& pen, const std::vector<Span>& ring, double cx, double cy) {
  StrokePixels stroke;
  if (pen.dashes.empty()) {
    stroke.pen = ring;
  } else {
    ApplyDashes(pen, AroundCentre(ring, cx, cy, dc.EffectiveClip().Bounds()), stroke);
  }
  PaintStroke(dc, pen, stroke);
}

}  // namespace

void DrawFigure(DeviceContext& dc, RECT logicalBox, FigureKind kind, int cornerWidth, int cornerHeight) {
  const RECT box = NormaliseRect(dc.ToDevice(logicalBox));
  const PenInfo pen = CurrentPen(dc);
  const int cw = std::abs(cornerWidth), ch = std::abs(cornerHeight);
  if (pen.null) {
    // No outline: the right and bottom edges stay outside.
    const RECT fill{box.left, box.top, box.right - 1, box.bottom - 1};
    PaintSpansWithBrush(dc, FigureSpans(fill, kind, cw, ch, VisibleRows(dc, 1)));
    return;
  }
  const RECT outer = OuterBox(box, pen);
  std::vector<Span> ring, inside;
  SplitFigure(outer, kind, cw, ch, pen.width, VisibleRows(dc, pen.width + 1), ring, inside);
  PaintSpansWithBrush(dc, inside);
  if (kind == FigureKind::Rectangle && !pen.dashes.empty() && outer.right - outer.left > 1 &&
      outer.bottom - outer.top > 1) {
    // A styled frame runs its pattern clockwise from the top-left corner.
    StrokePixels stroke;
    StrokePath(pen,
               {POINT{outer.left, outer.top}, POINT{outer.right - 1, outer.top},
                POINT{outer.right - 1, outer.bottom - 1}, POINT{outer.left, outer.bottom - 1}},
               true, stroke);
    PaintStroke(dc, pen, stroke);
    return;
  }
  PaintOutline(dc, pen, ring, (outer.left + outer.right) / 2.0, (outer.top + outer.bottom) / 2.0);
}

namespace {

// The ellipse, the arc's angular range and its end pixels, in device pixels.
struct ArcGeometry {
  RECT box;
  double cx, cy;
  double a0, sweep;  // counter-clockwise from a0
  POINT p0, p1;  // first and last pixel of the counter-clockwise run
};

ArcGeometry MeasureArc(const DeviceContext& dc, RECT logicalBox, POINT start, POINT end) {
  ArcGeometry g;
  g.box = NormaliseRect(dc.ToDevice(logicalBox));
  const POINT s = dc.ToDevice(start), e = dc.ToDevice(end);
  g.cx = (g.box.left + g.box.right) / 2.0;
  g.cy = (g.box.top + g.box.bottom) / 2.0;
  double a0 = ScreenAngle(g.cx, g.cy, s.x, s.y), a1 = ScreenAngle(g.cx, g.cy, e.x, e.y);
  if (dc.attr.arcDirection == AD_CLOCKWISE) std::swap(a0, a1);
  g.a0 = a0;
  g.sweep = a1 - a0;
  if (g.sweep <= 0) g.sweep += 2 * std::numbers::pi;
  // Where each radial meets the ellipse, as a pixel of the box.
  const double rx = (g.box.right - g.box.left) / 2.0, ry = (g.box.bottom - g.box.top) / 2.0;
  auto onEllipse = [&](double angle) {
    const double dx = std::cos(angle), dy = -std::sin(angle);
    const double t = (rx > 0 && ry > 0) ? 1.0 / std::sqrt((dx * dx) / (rx * rx) + (dy * dy) / (ry * ry)) : 0.0;
    const LONG px = static_cast<LONG>(std::floor(g.cx + dx * t));
    const LONG py = static_cast<LONG>(std::floor(g.cy + dy * t));
    return POINT{std::clamp(px, g.box.left, std::max(g.box.left, g.box.right - 1)),
                 std::clamp(py, g.box.top, std::max(g.box.top, g.box.bottom - 1))};
  };
  g.p0 = onEllipse(g.a0);
  g.p1 = onEllipse(g.a0 + g.sweep);
  return g;
}

}  // namespace

void ArcEndPoints(const DeviceContext& dc, RECT box, POINT start, POINT end, POINT* arcStart, POINT* arcEnd) {
  const ArcGeometry g = MeasureArc(dc, box, start, end);
  const bool clockwise = dc.attr.arcDirection == AD_CLOCKWISE;
  if (arcStart) *arcStart = clockwise ? g.p1 : g.p0;
  if (arcEnd) *arcEnd = clockwise ? g.p0 : g.p1;
}

void DrawArc(DeviceContext& dc, RECT logicalBox, POINT start, POINT end, ArcKind kind) {
  const ArcGeometry g = MeasureArc(dc, logicalBox, start, end);
  const RECT& box = g.box;
  const double cx = g.cx, cy = g.cy, a0 = g.a0, sweep = g.sweep;
  const POINT p0 = g.p0, p1 = g.p1;
  const double rx = (box.right - box.left) / 2.0, ry = (box.bottom - box.top) / 2.0;
  const PenInfo pen = CurrentPen(dc);
  const RECT outer = pen.null ? box : OuterBox(box, pen);
  auto inSweep = [&](double x, double y) {
    double d = ScreenAngle(cx, cy, x, y) - a0;
    if (d < 0) d += 2 * std::numbers::pi;
    return d <= sweep + 1e-9;
  };

  std::vector<Span> ring, inside;
  const RowRange rows = VisibleRows(dc, pen.width + 1);
  if (pen.null) {
    inside = EllipseSpans(RECT{box.left, box.top, box.right - 1, box.bottom - 1}, rows);
  } else {
    SplitFigure(outer, FigureKind::Ellipse, 0, 0, pen.width, rows, ring, inside);
  }
  // Keep the pixels of the arc's part of the ellipse.
  // (Only what the clip can show is tested, pixel by pixel.)
  const RECT& shown = dc.EffectiveClip().Bounds();
  auto keep = [&shown](const std::vector<Span>& spans, auto&& test) {
    std::vector<Span> out;
    for (const Span& sp : spans)
      for (LONG x = std::max(sp.x0, shown.left); x < std::min(sp.x1, shown.right); ++x)
        if (test(x + 0.5, sp.y + 0.5)) out.push_back(Span{x, x + 1, sp.y});
    return out;
  };
  std::vector<Span> arcRing = keep(ring, inSweep);

  if (kind != ArcKind::Arc) {
    std::vector<Span> fill;
    if (kind == ArcKind::Pie) {
      fill = keep(inside, inSweep);
    } else {
      // The chord keeps the side of the line p0-p1 where the arc bulges.
      const double mid = a0 + sweep / 2;
      const double mx = cx + std::cos(mid) * rx, my = cy - std::sin(mid) * ry;
      const double vx = p1.x - p0.x, vy = p1.y - p0.y;
      const double side = vx * (my - (p0.y + 0.5)) - vy * (mx - (p0.x + 0.5));
      fill = keep(inside, [&](double x, double y) {
        const double c = vx * (y - (p0.y + 0.5)) - vy * (x - (p0.x + 0.5));
        return sweep >= 2 * std::numbers::pi - 1e-9 || c * side >= 0;
      });
    }
    PaintSpansWithBrush(dc, fill);
  }
  if (pen.null) return;
  StrokePixels stroke;
  if (pen.dashes.empty()) {
    stroke.pen = arcRing;
  } else {
    ApplyDashes(pen, AroundCentre(arcRing, cx, cy, shown), stroke);
  }
  if (kind == ArcKind::Pie) {
    const POINT c{static_cast<LONG>(std::floor(cx)), static_cast<LONG>(std::floor(cy))};
    StrokePath(pen, {p1, c, p0}, false, stroke);
  } else if (kind == ArcKind::Chord) {
    StrokePath(pen, {p1, p0}, false, stroke);
  }
  PaintStroke(dc, pen, stroke);
}

}  // namespace win::gdi::shapes
