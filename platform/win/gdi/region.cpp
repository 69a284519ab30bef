#include "platform/win/gdi/region.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace win::gdi {
namespace {

// Half-open x interval [x0, x1) of one band.
struct Interval {
  LONG x0;
  LONG x1;
};
using Intervals = std::vector<Interval>;

RECT Normalised(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

bool IsEmptyRect(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

// Appends bands in y order and keeps the canonical form: a band that starts
// where the previous one ended with the same x extents extends it instead.
class BandWriter {
 public:
  explicit BandWriter(std::vector<RECT>& out) : out_(out) {}

  void Append(LONG top, LONG bottom, const Intervals& xs) {
    if (xs.empty() || bottom <= top) return;
    if (havePrev_ && prevBottom_ == top && SameAsPrevious(xs)) {
      for (std::size_t i = prevStart_; i < out_.size(); ++i) out_[i].bottom = bottom;
      prevBottom_ = bottom;
      return;
    }
    prevStart_ = out_.size();
    for (const Interval& iv : xs) out_.push_back(RECT{iv.x0, top, iv.x1, bottom});
    prevBottom_ = bottom;
    havePrev_ = true;
  }

 private:
  bool SameAsPrevious(const Intervals& xs) const {
    if (out_.size() - prevStart_ != xs.size()) return false;
    for (std::size_t i = 0; i < xs.size(); ++i) {
      const RECT& r = out_[prevStart_ + i];
      if (r.left != xs[i].x0 || r.right != xs[i].x1) return false;
    }
    return true;
  }

  std::vector<RECT>& out_;
  std::size_t prevStart_ = 0;
  LONG prevBottom_ = 0;
  bool havePrev_ = false;
};

// Index one past the band that starts at i.
std::size_t BandEnd(const std::vector<RECT>& rs, std::size_t i) {
  std::size_t j = i;
  const LONG top = rs[i].top;
  while (j < rs.size() && rs[j].top == top) ++j;
  return j;
}

bool Apply(RegionOp op, bool inA, bool inB) {
  switch (op) {
    case RegionOp::And: return inA && inB;
    case RegionOp::Or: return inA || inB;
    case RegionOp::Xor: return inA != inB;
    case RegionOp::Diff: return inA && !inB;
    case RegionOp::Copy: return inA;
  }
  return false;
}

// Combines the x extents of one band of a (rects [a0, a1)) with one band of b
// by sweeping the sorted edges of both; an empty range stands for "outside".
void CombineBand(const RECT* a0, const RECT* a1, const RECT* b0, const RECT* b1, RegionOp op, Intervals& out) {
  out.clear();
  constexpr LONG kEnd = std::numeric_limits<LONG>::max();
  // Edge k of a range: even k is a left edge, odd k a right edge.
  auto edge = [](const RECT* first, std::size_t count2, std::size_t k) {
    if (k >= count2) return kEnd;
    const RECT& r = first[k / 2];
    return (k % 2 == 0) ? r.left : r.right;
  };
  const std::size_t na = static_cast<std::size_t>(a1 - a0) * 2;
  const std::size_t nb = static_cast<std::size_t>(b1 - b0) * 2;
  std::size_t ka = 0, kb = 0;
  bool inside = false;
  LONG start = 0;
  while (ka < na || kb < nb) {
    const LONG x = std::min(edge(a0, na, ka), edge(b0, nb, kb));
    while (ka < na && edge(a0, na, ka) == x) ++ka;
    while (kb < nb && edge(b0, nb, kb) == x) ++kb;
    // An odd count of edges passed means "inside" that operand.
    const bool now = Apply(op, ka % 2 == 1, kb % 2 == 1);
    if (now && !inside) {
      start = x;
    } else if (!now && inside) {
      out.push_back(Interval{start, x});
    }
    inside = now;
  }
}

}  // namespace

Region::Region(const RECT& r) {
  SetRect(r);
}

Region::Region(LONG left, LONG top, LONG right, LONG bottom) : Region(RECT{left, top, right, bottom}) {}

void Region::Clear() {
  rects_.clear();
  bounds_ = RECT{0, 0, 0, 0};
}

void Region::SetRect(const RECT& r) {
  rects_.clear();
  if (IsEmptyRect(r)) {
    bounds_ = RECT{0, 0, 0, 0};
    return;
  }
  rects_.push_back(r);
  bounds_ = r;
}

void Region::UpdateBounds() {
  if (rects_.empty()) {
    bounds_ = RECT{0, 0, 0, 0};
    return;
  }
  RECT b{rects_.front().left, rects_.front().top, rects_.front().right, rects_.back().bottom};
  for (const RECT& r : rects_) {
    b.left = std::min(b.left, r.left);
    b.right = std::max(b.right, r.right);
  }
  bounds_ = b;
}

Region Region::FromSpans(std::vector<Span> spans) {
  std::erase_if(spans, [](const Span& s) { return s.x1 <= s.x0; });
  std::sort(spans.begin(), spans.end(),
            [](const Span& p, const Span& q) { return p.y != q.y ? p.y < q.y : p.x0 < q.x0; });
  Region result;
  BandWriter writer(result.rects_);
  Intervals row;
  std::size_t i = 0;
  while (i < spans.size()) {
    const LONG y = spans[i].y;
    row.clear();
    for (; i < spans.size() && spans[i].y == y; ++i) {
      if (!row.empty() && spans[i].x0 <= row.back().x1) {
        row.back().x1 = std::max(row.back().x1, spans[i].x1);
      } else {
        row.push_back(Interval{spans[i].x0, spans[i].x1});
      }
    }
    writer.Append(y, y + 1, row);
  }
  result.UpdateBounds();
  return result;
}

Region Region::FromRects(const std::vector<RECT>& rects) {
  std::vector<RECT> live;
  std::vector<LONG> ys;
  for (const RECT& r : rects) {
    if (IsEmptyRect(r)) continue;
    live.push_back(r);
    ys.push_back(r.top);
    ys.push_back(r.bottom);
  }
  Region result;
  if (live.empty()) return result;
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::sort(live.begin(), live.end(), [](const RECT& p, const RECT& q) { return p.left < q.left; });
  BandWriter writer(result.rects_);
  Intervals row;
  for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
    const LONG top = ys[k];
    const LONG bottom = ys[k + 1];
    row.clear();
    for (const RECT& r : live) {
      if (r.top > top || r.bottom < bottom) continue;
      if (!row.empty() && r.left <= row.back().x1) {
        row.back().x1 = std::max(row.back().x1, r.right);
      } else {
        row.push_back(Interval{r.left, r.right});
      }
    }
    writer.Append(top, bottom, row);
  }
  result.UpdateBounds();
  return result;
}

Region Region::Combine(const Region& a, const Region& b, RegionOp op) {
  if (op == RegionOp::Copy) return a;
  // Cheap answers first: they are the common case under clipping.
  if (a.IsEmpty() || b.IsEmpty()) {
    switch (op) {
      case RegionOp::And: return Region();
      case RegionOp::Diff: return a;
      default: return a.IsEmpty() ? b : a;
    }
  }
  if (op == RegionOp::And && b.IsRect()) return a.IntersectRect(b.rects_.front());
  if (op == RegionOp::And && a.IsRect()) return b.IntersectRect(a.rects_.front());

  Region result;
  result.rects_.reserve(a.rects_.size() + b.rects_.size());
  BandWriter writer(result.rects_);
  Intervals xs;
  const std::vector<RECT>& ra = a.rects_;
  const std::vector<RECT>& rb = b.rects_;
  std::size_t ia = 0, ib = 0;
  std::size_t ea = BandEnd(ra, 0), eb = BandEnd(rb, 0);
  LONG y = std::min(ra[0].top, rb[0].top);
  constexpr LONG kNone = std::numeric_limits<LONG>::max();
  while (ia < ra.size() || ib < rb.size()) {
    const LONG aTop = ia < ra.size() ? ra[ia].top : kNone;
    const LONG bTop = ib < rb.size() ? rb[ib].top : kNone;
    const bool aActive = aTop <= y;
    const bool bActive = bTop <= y;
    if (!aActive && !bActive) {
      y = std::min(aTop, bTop);
      continue;
    }
    const LONG yEnd = std::min(aActive ? ra[ia].bottom : aTop, bActive ? rb[ib].bottom : bTop);
    const RECT* a0 = ra.data() + ia;
    const RECT* a1 = aActive ? ra.data() + ea : a0;
    const RECT* b0 = rb.data() + ib;
    const RECT* b1 = bActive ? rb.data() + eb : b0;
    CombineBand(a0, a1, b0, b1, op, xs);
    writer.Append(y, yEnd, xs);
    y = yEnd;
    if (aActive && ra[ia].bottom == y) {
      ia = ea;
      if (ia < ra.size()) ea = BandEnd(ra, ia);
    }
    if (bActive && rb[ib].bottom == y) {
      ib = eb;
      if (ib < rb.size()) eb = BandEnd(rb, ib);
    }
    // Nothing more can appear once the operand that bounds the result is done.
    if ((op == RegionOp::And && (ia >= ra.size() || ib >= rb.size())) || (op == RegionOp::Diff && ia >= ra.size())) {
      break;
    }
  }
  result.UpdateBounds();
  return result;
}

Region Region::IntersectRect(const RECT& clip) const {
  const RECT c = Normalised(clip);
  Region result;
  if (IsEmpty() || IsEmptyRect(c)) return result;
  if (c.left <= bounds_.left && c.top <= bounds_.top && c.right >= bounds_.right && c.bottom >= bounds_.bottom) {
    return *this;
  }
  BandWriter writer(result.rects_);
  Intervals xs;
  std::size_t i = 0;
  while (i < rects_.size()) {
    const std::size_t end = BandEnd(rects_, i);
    const LONG top = std::max(rects_[i].top, c.top);
    const LONG bottom = std::min(rects_[i].bottom, c.bottom);
    if (rects_[i].top >= c.bottom) break;
    if (bottom > top) {
      xs.clear();
      for (std::size_t k = i; k < end; ++k) {
        const LONG x0 = std::max(rects_[k].left, c.left);
        const LONG x1 = std::min(rects_[k].right, c.right);
        if (x1 > x0) xs.push_back(Interval{x0, x1});
      }
      writer.Append(top, bottom, xs);
    }
    i = end;
  }
  result.UpdateBounds();
  return result;
}

void Region::Offset(LONG dx, LONG dy) {
  if (IsEmpty()) return;
  auto fits = [](LONG v, LONG d) {
    const std::int64_t r = std::int64_t{v} + d;
    return r >= std::numeric_limits<LONG>::min() && r <= std::numeric_limits<LONG>::max();
  };
  if (fits(bounds_.left, dx) && fits(bounds_.right, dx) && fits(bounds_.top, dy) && fits(bounds_.bottom, dy)) {
    for (RECT& r : rects_) {
      r.left += dx;
      r.right += dx;
      r.top += dy;
      r.bottom += dy;
    }
    bounds_ = RECT{bounds_.left + dx, bounds_.top + dy, bounds_.right + dx, bounds_.bottom + dy};
    return;
  }
  // Moving past the coordinate range saturates instead of wrapping (which
  // would scramble the bands); squashed rectangles are merged again.
  auto add = [](LONG v, LONG d) {
    return static_cast<LONG>(std::clamp<std::int64_t>(std::int64_t{v} + d, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
  };
  std::vector<RECT> moved;
  moved.reserve(rects_.size());
  for (const RECT& r : rects_)
    moved.push_back(RECT{add(r.left, dx), add(r.top, dy), add(r.right, dx), add(r.bottom, dy)});
  *this = FromRects(moved);
}

bool Region::Contains(LONG x, LONG y) const {
  if (IsEmpty() || x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) {
    return false;
  }
  // Bands do not overlap, so bottoms rise with the index.
  auto it = std::partition_point(rects_.begin(), rects_.end(), [y](const RECT& r) { return r.bottom <= y; });
  if (it == rects_.end() || it->top > y) return false;
  const LONG top = it->top;
  for (; it != rects_.end() && it->top == top && it->left <= x; ++it) {
    if (x < it->right) return true;
  }
  return false;
}

bool Region::Intersects(const RECT& rect) const {
  const RECT r = Normalised(rect);
  if (IsEmpty() || IsEmptyRect(r)) return false;
  if (r.right <= bounds_.left || r.left >= bounds_.right || r.bottom <= bounds_.top || r.top >= bounds_.bottom) {
    return false;
  }
  auto it = std::partition_point(rects_.begin(), rects_.end(), [&r](const RECT& q) { return q.bottom <= r.top; });
  for (; it != rects_.end() && it->top < r.bottom; ++it) {
    if (it->right > r.left && it->left < r.right) return true;
  }
  return false;
}

bool Region::ContainsRect(const RECT& rect) const {
  const RECT r = Normalised(rect);
  if (IsEmptyRect(r)) return false;
  return IntersectRect(r) == Region(r);
}

bool Region::operator==(const Region& other) const {
  if (rects_.size() != other.rects_.size()) return false;
  for (std::size_t i = 0; i < rects_.size(); ++i) {
    const RECT& p = rects_[i];
    const RECT& q = other.rects_[i];
    if (p.left != q.left || p.top != q.top || p.right != q.right || p.bottom != q.bottom) return false;
  }
  return true;
}

}  // namespace win::gdi
