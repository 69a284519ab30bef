// The user32 rectangle helpers. Rectangles are half-open: right and bottom
// lie just outside.
#include <algorithm>
#include <cstdint>

#include "platform/win/winuser_draw.h"

namespace {
bool Empty(const RECT& r) {
  return r.right <= r.left || r.bottom <= r.top;
}
// 32-bit arithmetic that wraps on overflow as the platform's does, instead of
// being undefined.
LONG Add(LONG a, int b) {
  return static_cast<LONG>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
LONG Sub(LONG a, int b) {
  return static_cast<LONG>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
}  // namespace

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (!rect) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
  return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT dest, const RECT* src) {
  if (!dest || !src) return FALSE;
  *dest = *src;
  return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
  if (!rect) return FALSE;
  rect->left = Sub(rect->left, dx);
  rect->right = Add(rect->right, dx);
  rect->top = Sub(rect->top, dy);
  rect->bottom = Add(rect->bottom, dy);
  return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
  if (!rect) return FALSE;
  rect->left = Add(rect->left, dx);
  rect->right = Add(rect->right, dx);
  rect->top = Add(rect->top, dy);
  rect->bottom = Add(rect->bottom, dy);
  return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT dest, const RECT* a, const RECT* b) {
  if (!dest || !a || !b) return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (Empty(*a) || Empty(*b) || Empty(r)) {
    *dest = RECT{0, 0, 0, 0};
    return FALSE;
  }
  *dest = r;
  return TRUE;
}

BOOL WINAPI UnionRect(LPRECT dest, const RECT* a, const RECT* b) {
  if (!dest || !a || !b) return FALSE;
  const bool ea = Empty(*a), eb = Empty(*b);
  if (ea && eb) {
    *dest = RECT{0, 0, 0, 0};
    return FALSE;
  }
  if (ea) {
    *dest = *b;
  } else if (eb) {
    *dest = *a;
  } else {
    *dest = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                 std::max(a->bottom, b->bottom)};
  }
  return TRUE;
}

BOOL WINAPI SubtractRect(LPRECT dest, const RECT* a, const RECT* b) {
  if (!dest || !a || !b) return FALSE;
  RECT r = *a;
  RECT cut;
  // Only a cut that spans a whole side leaves a rectangle behind.
  if (!Empty(r) && IntersectRect(&cut, a, b)) {
    const bool fullWidth = cut.left == r.left && cut.right == r.right;
    const bool fullHeight = cut.top == r.top && cut.bottom == r.bottom;
    if (fullWidth && fullHeight) {
      r = RECT{0, 0, 0, 0};
    } else if (fullWidth && cut.top == r.top) {
      r.top = cut.bottom;
    } else if (fullWidth && cut.bottom == r.bottom) {
      r.bottom = cut.top;
    } else if (fullHeight && cut.left == r.left) {
      r.left = cut.right;
    } else if (fullHeight && cut.right == r.right) {
      r.right = cut.left;
    }
  }
  *dest = r;
  return Empty(r) ? FALSE : TRUE;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
  if (!a || !b) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
  return !rect || Empty(*rect);
}

BOOL WINAPI PtInRect(const RECT* rect, POINT p) {
  if (!rect) return FALSE;
  return p.x >= rect->left && p.x < rect->right && p.y >= rect->top && p.y < rect->bottom;
}
