// Points and rectangles with the class library's field names. They share the
// layout of POINT and RECT, so they pass to the Windows API as they are.
#pragma once

#include "platform/win/windef.h"

struct TPoint {
  LONG X = 0;
  LONG Y = 0;

  constexpr TPoint() = default;
  constexpr TPoint(LONG x, LONG y) : X(x), Y(y) {}
  constexpr TPoint(const POINT& p) : X(p.x), Y(p.y) {}
  constexpr operator POINT() const { return POINT{X, Y}; }
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  LONG Left = 0;
  LONG Top = 0;
  LONG Right = 0;
  LONG Bottom = 0;

  constexpr TRect() = default;
  constexpr TRect(LONG left, LONG top, LONG right, LONG bottom) : Left(left), Top(top), Right(right), Bottom(bottom) {}
  constexpr TRect(const RECT& r) : Left(r.left), Top(r.top), Right(r.right), Bottom(r.bottom) {}
  constexpr operator RECT() const { return RECT{Left, Top, Right, Bottom}; }
  constexpr LONG Width() const { return Right - Left; }
  constexpr LONG Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return TPoint(Left, Top); }
  constexpr TPoint BottomRight() const { return TPoint(Right, Bottom); }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// The class library spells SIZE with the same fields.
using TSize = SIZE;

static_assert(sizeof(TPoint) == sizeof(POINT) && sizeof(TRect) == sizeof(RECT), "layout of the API's types");

constexpr TPoint Point(LONG x, LONG y) {
  return TPoint(x, y);
}
constexpr TRect Rect(LONG left, LONG top, LONG right, LONG bottom) {
  return TRect(left, top, right, bottom);
}
constexpr TRect Bounds(LONG left, LONG top, LONG width, LONG height) {
  return TRect(left, top, left + width, top + height);
}
