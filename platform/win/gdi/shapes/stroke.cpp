#include "platform/win/gdi/shapes/stroke.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/win/gdi/pen.h"
#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/wingdi_shapes.h"

namespace win::gdi::shapes {
namespace {

constexpr int kTransparent = 1;  // bk mode TRANSPARENT

void AddPixel(std::vector<Span>& spans, LONG x, LONG y) {
  // Runs along a row arrive in order for horizontal lines: extend them.
  if (!spans.empty() && spans.back().y == y && spans.back().x1 == x) {
    ++spans.back().x1;
    return;
  }
  spans.push_back(Span{x, x + 1, y});
}

// A disc of the pen's width centred on pixel (x, y).
void AddDisc(std::vector<Span>& out, LONG x, LONG y, int w, RowRange rows) {
  const RECT box{x - w / 2, y - w / 2, x - w / 2 + w, y - w / 2 + w};
  const auto disc = EllipseSpans(box, rows);
  out.insert(out.end(), disc.begin(), disc.end());
}

void AddSquare(std::vector<Span>& out, LONG x, LONG y, int w) {
  for (LONG row = y - w / 2; row < y - w / 2 + w; ++row) out.push_back(Span{x - w / 2, x - w / 2 + w, row});
}

PointF Centre(POINT p) {
  return PointF{p.x + 0.5, p.y + 0.5};
}

void StrokeWide(const PenInfo& pen, const std::vector<POINT>& pts, bool closed, std::vector<Span>& out) {
  const int w = pen.width;
  const double half = w / 2.0;
  const bool roundJoin = !pen.geometric || pen.join == PS_JOIN_ROUND;
  const UINT cap = pen.geometric ? pen.endCap : PS_ENDCAP_ROUND;
  const std::size_t n = pts.size();
  const std::size_t segments = closed ? n : n - 1;
  std::vector<std::vector<PointF>> quads;
  for (std::size_t i = 0; i < segments; ++i) {
    const POINT a = pts[i], b = pts[(i + 1) % n];
    PointF c0 = Centre(a), c1 = Centre(b);
    const double dx = c1.x - c0.x, dy = c1.y - c0.y;
    const double len = std::hypot(dx, dy);
    if (len == 0) continue;
    const double ux = dx / len, uy = dy / len;
    if (!closed && cap == PS_ENDCAP_SQUARE) {
      if (i == 0) c0 = PointF{c0.x - ux * half, c0.y - uy * half};
      if (i + 1 == segments) c1 = PointF{c1.x + ux * half, c1.y + uy * half};
    }
    const double nx = -uy * half, ny = ux * half;
    quads.push_back({PointF{c0.x + nx, c0.y + ny}, PointF{c1.x + nx, c1.y + ny}, PointF{c1.x - nx, c1.y - ny},
                     PointF{c0.x - nx, c0.y - ny}});
    if (!roundJoin && (closed || i + 1 < segments)) {
      // Bevel (and, cheaply, mitre) joins: fill the wedge between this
      // segment's end and the next one's start around the shared vertex.
      const POINT c = pts[(i + 2) % n];
      const PointF m1 = Centre(c);
      const double ex = m1.x - c1.x, ey = m1.y - c1.y, el = std::hypot(ex, ey);
      if (el > 0) {
        const double mx = -ey / el * half, my = ex / el * half;
        quads.push_back({c1, PointF{c1.x + nx, c1.y + ny}, PointF{c1.x + mx, c1.y + my}});
        quads.push_back({c1, PointF{c1.x - nx, c1.y - ny}, PointF{c1.x - mx, c1.y - my}});
      }
    }
  }
  const auto body = PolygonSpans(quads, WINDING, pen.rows);
  out.insert(out.end(), body.begin(), body.end());
  for (std::size_t i = 0; i < n; ++i) {
    const bool end = !closed && (i == 0 || i + 1 == n);
    if (end ? cap == PS_ENDCAP_ROUND : roundJoin) AddDisc(out, pts[i].x, pts[i].y, w, pen.rows);
  }
  // A path of one point still shows as a dot of the pen's size.
  if (quads.empty() && n > 0 && cap != PS_ENDCAP_ROUND) AddSquare(out, pts[0].x, pts[0].y, w);
}

}  // namespace

PenInfo CurrentPen(const DeviceContext& dc) {
  PenInfo info;
  const PenObject* pen = LookupPen(dc.Pen());
  if (!pen || pen->IsNull()) {
    info.null = true;
    return info;
  }
  info.width = pen->Width();
  info.color = pen->IsDcPen() ? dc.attr.dcPenColor : pen->Color();
  info.insideFrame = pen->IsInsideFrame();
  info.geometric = pen->IsGeometric();
  info.endCap = pen->EndCap();
  info.join = pen->Join();
  info.dashes = pen->DashPattern();
  info.rows = VisibleRows(dc, info.width + 1);
  const RECT& clip = dc.EffectiveClip().Bounds();
  info.visible = RECT{clip.left - 1, clip.top - 1, clip.right + 1, clip.bottom + 1};
  return info;
}

void ApplyDashes(const PenInfo& pen, const std::vector<POINT>& pixels, StrokePixels& out, int* dashPos) {
  if (pen.dashes.empty()) {
    for (const POINT& p : pixels)
      if (p.y >= pen.rows.yMin && p.y < pen.rows.yMax) AddPixel(out.pen, p.x, p.y);
    return;
  }
  int total = 0;
  for (int d : pen.dashes) total += d;
  int pos = dashPos ? *dashPos : 0;
  for (const POINT& p : pixels) {
    if (p.y < pen.rows.yMin || p.y >= pen.rows.yMax) {
      ++pos;
      continue;
    }
    int k = pos % total;
    std::size_t run = 0;
    while (k >= pen.dashes[run]) k -= pen.dashes[run++];
    AddPixel(run % 2 == 0 ? out.pen : out.gap, p.x, p.y);
    ++pos;
  }
  if (dashPos) *dashPos = pos;
}

void StrokePath(const PenInfo& pen, const std::vector<POINT>& points, bool closed, StrokePixels& out, int* dashPos) {
  if (pen.null || points.empty()) return;
  if (pen.width > 1) {
    StrokeWide(pen, points, closed, out.pen);
    return;
  }
  const std::size_t n = points.size();
  const std::size_t segments = closed ? n : n - 1;
  int pos = dashPos ? *dashPos : 0;
  long period = 0;
  for (int d : pen.dashes) period += d;
  for (std::size_t i = 0; i < segments; ++i) {
    const POINT a = points[i], b = points[(i + 1) % n];
    ForEachLinePixelIn(a, b, pen.visible, [&](LONG x, LONG y, std::int64_t index) {
      if (y < pen.visible.top || y >= pen.visible.bottom) return;
      bool on = true;
      if (period > 0) {
        long k = static_cast<long>((pos + index) % period);
        std::size_t run = 0;
        while (k >= pen.dashes[run]) k -= pen.dashes[run++];
        on = run % 2 == 0;
      }
      AddPixel(on ? out.pen : out.gap, x, y);
    });
    // The style pattern runs on along the whole segment, seen or not.
    const long steps = std::max(std::labs(long{b.x} - a.x), std::labs(long{b.y} - a.y));
    if (period > 0) pos = static_cast<int>((pos % period + steps % period) % period);
  }
  if (dashPos) *dashPos = pos;
}

void PaintStroke(DeviceContext& dc, const PenInfo& pen, const StrokePixels& stroke) {
  // Each pixel once, even where a path crosses itself, so XOR pens stay clean.
  if (!stroke.pen.empty()) PaintRegion(dc, Region::FromSpans(stroke.pen), pen.color);
  if (!stroke.gap.empty() && dc.attr.bkMode != kTransparent) {
    PaintRegion(dc, Region::FromSpans(stroke.gap), dc.attr.bkColor);
  }
}

void PaintRegion(DeviceContext& dc, const Region& region, COLORREF color) {
  for (const RECT& r : region.Rects()) {
    for (LONG y = r.top; y < r.bottom; ++y) dc.FillSpan(y, r.left, r.right, color);
  }
}

void PaintRegionWithBrush(DeviceContext& dc, const Region& region) {
  for (const RECT& r : region.Rects()) {
    for (LONG y = r.top; y < r.bottom; ++y) dc.FillSpanWithBrush(y, r.left, r.right);
  }
}

RowRange VisibleRows(const DeviceContext& dc, int margin) {
  const RECT& b = dc.EffectiveClip().Bounds();
  return RowRange{b.top - margin, b.bottom + margin};
}

}  // namespace win::gdi::shapes
