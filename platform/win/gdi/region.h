// A region in device coordinates: the area that clipping, visible regions,
// update regions and hit tests work with.
//
// Stored as y-x bands of non-overlapping rectangles: the rectangles of one band
// share top and bottom, are sorted by x and never touch (touching ones are
// merged); bands are sorted by y, never overlap, and two adjacent bands with the
// same x extents are merged into one. That canonical form makes equality a plain
// comparison and lets every operation walk both inputs once.
#pragma once

#include <vector>

#include "platform/win/windef.h"

namespace win::gdi {

// One row of pixels [x0, x1) at y, as shape rasterisers produce them.
struct Span {
  LONG x0;
  LONG x1;
  LONG y;
};

// The combination modes, with the values of RGN_AND .. RGN_COPY.
enum class RegionOp { And = 1, Or = 2, Xor = 3, Diff = 4, Copy = 5 };

class Region {
 public:
  Region() = default;
  // An empty rectangle (right <= left or bottom <= top) gives the empty region;
  // an inverted one is not normalised (callers that want it normalise first).
  explicit Region(const RECT& r);
  Region(LONG left, LONG top, LONG right, LONG bottom);

  // Any set of spans, overlapping or unsorted; empty spans are ignored.
  static Region FromSpans(std::vector<Span> spans);
  // Any list of rectangles, overlapping or not: their union.
  static Region FromRects(const std::vector<RECT>& rects);

  // a op b. Copy gives a.
  static Region Combine(const Region& a, const Region& b, RegionOp op);

  bool IsEmpty() const { return rects_.empty(); }
  // Exactly one rectangle.
  bool IsRect() const { return rects_.size() == 1; }
  // Bounding box; all zero when empty.
  const RECT& Bounds() const { return bounds_; }
  // The canonical rectangles, band by band, for span iteration.
  const std::vector<RECT>& Rects() const { return rects_; }

  void Clear();
  void SetRect(const RECT& r);
  void Offset(LONG dx, LONG dy);

  bool Contains(LONG x, LONG y) const;
  // True when any pixel of r (normalised) is in the region.
  bool Intersects(const RECT& r) const;
  // True when every pixel of r is in the region (an empty r is not contained).
  bool ContainsRect(const RECT& r) const;

  // This region cut to r: the fast path of clipping against a rectangle.
  Region IntersectRect(const RECT& r) const;
  void IntersectWith(const Region& other) { *this = Combine(*this, other, RegionOp::And); }
  void UnionWith(const Region& other) { *this = Combine(*this, other, RegionOp::Or); }
  void Subtract(const Region& other) { *this = Combine(*this, other, RegionOp::Diff); }

  bool operator==(const Region& other) const;
  bool operator!=(const Region& other) const { return !(*this == other); }

 private:
  void UpdateBounds();
  std::vector<RECT> rects_;
  RECT bounds_{0, 0, 0, 0};
};

}  // namespace win::gdi
