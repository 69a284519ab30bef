// Scan conversion of GDI's figures into pixel spans, in device pixels.
//
// A pixel (x, y) is inside a figure when its centre (x + 0.5, y + 0.5) is; an
// edge through a centre counts for the pixel on its right and below (the
// top-left rule), so adjacent figures neither overlap nor leave gaps.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/win/gdi/region.h"
#include "platform/win/windef.h"

namespace win::gdi::shapes {

struct PointF {
  double x;
  double y;
};

// Rows considered by the rasterisers: [yMin, yMax). Drawing passes the clip's
// rows so that a huge figure costs only what shows.
struct RowRange {
  LONG yMin = std::numeric_limits<LONG>::min() / 2;
  LONG yMax = std::numeric_limits<LONG>::max() / 2;
};

// A rectangle [left, right) x [top, bottom) with elliptic corners of the
// given width and height (clamped to the box; 0 gives square corners). With
// corners as large as the box it is the ellipse inscribed in the box. One span
// per row, rows in order, symmetric left to right and top to bottom.
std::vector<Span> RoundRectSpans(const RECT& box, int cornerWidth, int cornerHeight, RowRange rows = {});
inline std::vector<Span> EllipseSpans(const RECT& box, RowRange rows = {}) {
  return RoundRectSpans(box, box.right - box.left, box.bottom - box.top, rows);
}

// Polygons (each closed implicitly) filled by ALTERNATE (even-odd) or WINDING
// (non-zero) rule.
std::vector<Span> PolygonSpans(const std::vector<std::vector<PointF>>& polygons, int fillMode, RowRange rows = {});
// Integer vertices given as pixel corners, as CreatePolygonRgn and Polygon take them.
std::vector<Span> PolygonSpans(const POINT* points, const INT* counts, int polygons, int fillMode, RowRange rows = {});

// Splits a figure of one span per consecutive row (a convex figure as above)
// into its outline, the pixels with a 4-neighbour outside, and the rest.
void SplitOutline(const std::vector<Span>& rows, std::vector<Span>* outline, std::vector<Span>* interior);

// The pixels of a one-pixel line from a to b without b itself, in order.
template <class F>
void ForEachLinePixel(POINT a, POINT b, F&& pixel) {
  LONG dx = b.x - a.x, dy = b.y - a.y;
  const LONG sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  dx = dx < 0 ? -dx : dx;
  dy = dy < 0 ? -dy : dy;
  LONG x = a.x, y = a.y;
  if (dx >= dy) {
    // x-major: one pixel per column; the minor step happens when the error
    // passes the midpoint.
    LONG err = 2 * dy - dx;
    for (LONG i = 0; i < dx; ++i) {
      pixel(x, y);
      if (err > 0 || (err == 0 && sy > 0)) {
        y += sy;
        err -= 2 * dx;
      }
      err += 2 * dy;
      x += sx;
    }
  } else {
    LONG err = 2 * dx - dy;
    for (LONG i = 0; i < dy; ++i) {
      pixel(x, y);
      if (err > 0 || (err == 0 && sx > 0)) {
        x += sx;
        err -= 2 * dy;
      }
      err += 2 * dx;
      y += sy;
    }
  }
}

// The same pixels, but only those whose major coordinate (x for lines wider
// than tall, else y) lies in the window, found without walking the rest: a
// line far longer than the window costs only what crosses it. Calls
// pixel(x, y, i) with i the pixel's index along the whole line.
template <class F>
void ForEachLinePixelIn(POINT a, POINT b, const RECT& window, F&& pixel) {
  using I = std::int64_t;
  const I dx = std::abs(I{b.x} - a.x), dy = std::abs(I{b.y} - a.y);
  const I sx = b.x < a.x ? -1 : 1, sy = b.y < a.y ? -1 : 1;
  const bool xMajor = dx >= dy;
  const I major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  const I sMajor = xMajor ? sx : sy, sMinor = xMajor ? sy : sx;
  const I start = xMajor ? a.x : a.y, minorStart = xMajor ? a.y : a.x;
  const I lo = xMajor ? window.left : window.top, hi = xMajor ? window.right : window.bottom;
  // Steps i in [0, major) with start + sMajor * i in [lo, hi).
  I i0 = sMajor > 0 ? lo - start : start - (hi - 1);
  I i1 = sMajor > 0 ? hi - start : start - lo + 1;
  i0 = std::max<I>(i0, 0);
  i1 = std::min<I>(i1, major);
  if (i0 >= i1) return;
  // Minor steps taken before step i0 (ties step towards positive minor).
  const I tie = sMinor > 0 ? 0 : -1;
  I k = (2 * minor * i0 + major + tie) / (2 * major);
  I err = 2 * minor * (i0 + 1) - major - 2 * major * k;
  for (I i = i0; i < i1; ++i) {
    const I m = start + sMajor * i, n = minorStart + sMinor * k;
    pixel(static_cast<LONG>(xMajor ? m : n), static_cast<LONG>(xMajor ? n : m), i);
    if (err > 0 || (err == 0 && sMinor > 0)) {
      ++k;
      err -= 2 * major;
    }
    err += 2 * minor;
  }
}

}  // namespace win::gdi::shapes
