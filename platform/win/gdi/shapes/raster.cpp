#include "platform/win/gdi/shapes/raster.h"

#include <algorithm>
#include <cmath>

#include "platform/win/wingdi_shapes.h"

namespace win::gdi::shapes {
namespace {

// Half-open pixel range [first, end) whose centres lie in [x0, x1).
LONG FirstPixelAtOrAfter(double x) {
  return static_cast<LONG>(std::ceil(x - 0.5 - 1e-9));
}

// How far in from the box edge the corner curve sits on corner row i
// (0 = the outermost row), for a corner ellipse cw x ch.
LONG CornerInset(int i, int cw, int ch) {
  const double a = cw / 2.0, b = ch / 2.0;
  const double dy = b - (i + 0.5);  // distance above the corner ellipse's centre row
  const double t = 1.0 - (dy * dy) / (b * b);
  if (t <= 0) return cw;  // the row misses the curve entirely
  const double hw = a * std::sqrt(t);
  return std::max<LONG>(0, FirstPixelAtOrAfter(a - hw));
}

}  // namespace

std::vector<Span> RoundRectSpans(const RECT& box, int cornerWidth, int cornerHeight, RowRange rows) {
  std::vector<Span> spans;
  const LONG w = box.right - box.left, h = box.bottom - box.top;
  if (w <= 0 || h <= 0) return spans;
  const int cw = std::clamp<int>(cornerWidth, 0, w);
  const int ch = std::clamp<int>(cornerHeight, 0, h);
  const LONG y0 = std::max(box.top, rows.yMin), y1 = std::min(box.bottom, rows.yMax);
  if (y1 <= y0) return spans;
  spans.reserve(static_cast<std::size_t>(y1 - y0));
  for (LONG y = y0; y < y1; ++y) {
    const LONG fromTop = y - box.top, fromBottom = box.bottom - 1 - y;
    const LONG i = std::min(fromTop, fromBottom);
    LONG inset = 0;
    // The corner's last row meets the straight side, so the figure touches
    // all four sides of its box even when it is very flat or very thin.
    if (cw > 0 && ch > 0 && i < (ch + 1) / 2 - 1) inset = CornerInset(static_cast<int>(i), cw, ch);
    // The same for the outermost row: it keeps at least its middle pixels.
    inset = std::min<LONG>(inset, (w - 1) / 2);
    spans.push_back(Span{box.left + inset, box.right - inset, y});
  }
  return spans;
}

std::vector<Span> PolygonSpans(const std::vector<std::vector<PointF>>& polygons, int fillMode, RowRange rows) {
  struct Edge {
    double x0, y0, x1, y1;
    int dir;
  };
  std::vector<Edge> edges;
  double top = 0, bottom = 0;
  bool any = false;
  for (const auto& poly : polygons) {
    const std::size_t n = poly.size();
    for (std::size_t i = 0; i < n; ++i) {
      const PointF& p = poly[i];
      const PointF& q = poly[(i + 1) % n];
      if (!any) {
        top = bottom = p.y;
        any = true;
      }
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
      if (p.y == q.y) continue;
      if (p.y < q.y) {
        edges.push_back(Edge{p.x, p.y, q.x, q.y, 1});
      } else {
        edges.push_back(Edge{q.x, q.y, p.x, p.y, -1});
      }
    }
  }
  std::vector<Span> spans;
  if (edges.empty()) return spans;
  const LONG yStart = std::max<LONG>(static_cast<LONG>(std::floor(top)), rows.yMin);
  const LONG yEnd = std::min<LONG>(static_cast<LONG>(std::ceil(bottom)) + 1, rows.yMax);
  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> xs;
  for (LONG y = yStart; y < yEnd; ++y) {
    const double yc = y + 0.5;
    xs.clear();
    for (const Edge& e : edges) {
      if (yc < e.y0 || yc >= e.y1) continue;  // [top, bottom) of the edge
      xs.push_back(Crossing{e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
    }
    if (xs.size() < 2) continue;
    std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0;
    for (std::size_t k = 0; k + 1 < xs.size(); ++k) {
      winding += (fillMode == WINDING) ? xs[k].dir : 1;
      const bool inside = (fillMode == WINDING) ? winding != 0 : (winding % 2) != 0;
      if (!inside) continue;
      const LONG x0 = FirstPixelAtOrAfter(xs[k].x), x1 = FirstPixelAtOrAfter(xs[k + 1].x);
      if (x1 > x0) spans.push_back(Span{x0, x1, y});
    }
  }
  return spans;
}

std::vector<Span> PolygonSpans(const POINT* points, const INT* counts, int polygons, int fillMode, RowRange rows) {
  std::vector<std::vector<PointF>> polys;
  const POINT* p = points;
  for (int k = 0; k < polygons; ++k) {
    std::vector<PointF> poly;
    for (int i = 0; i < counts[k]; ++i, ++p) poly.push_back(PointF{double(p->x), double(p->y)});
    polys.push_back(std::move(poly));
  }
  return PolygonSpans(polys, fillMode, rows);
}

void SplitOutline(const std::vector<Span>& rows, std::vector<Span>* outline, std::vector<Span>* interior) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Span& s = rows[i];
    const bool hasAbove = i > 0 && rows[i - 1].y == s.y - 1;
    const bool hasBelow = i + 1 < rows.size() && rows[i + 1].y == s.y + 1;
    LONG in0 = s.x0 + 1, in1 = s.x1 - 1;
    if (hasAbove) {
      in0 = std::max(in0, rows[i - 1].x0);
      in1 = std::min(in1, rows[i - 1].x1);
    }
    if (hasBelow) {
      in0 = std::max(in0, rows[i + 1].x0);
      in1 = std::min(in1, rows[i + 1].x1);
    }
    if (!hasAbove || !hasBelow || in1 <= in0) {
      if (outline) outline->push_back(s);
      continue;
    }
    if (interior) interior->push_back(Span{in0, in1, s.y});
    if (outline) {
      if (in0 > s.x0) outline->push_back(Span{s.x0, in0, s.y});
      if (s.x1 > in1) outline->push_back(Span{in1, s.x1, s.y});
    }
  }
}

}  // namespace win::gdi::shapes
