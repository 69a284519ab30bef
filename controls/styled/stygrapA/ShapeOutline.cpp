#include "controls/styled/stygrapA/ShapeOutline.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest, ties to even.
int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

const double kSqrt2 = std::sqrt(2.0);

void DeriveSteps(TStyShapeGeometry& g, TStyShapeType Shape) {
  g.h2 = g.c / 2;
  g.mx = g.L + (g.R - g.L) / 2;
  g.my = g.T + (g.B - g.T) / 2;
  if (Shape == stComb) g.q = RoundEven((g.B - g.T) / 5.0);
  if (Shape == stOctagon) {
    g.p = RoundEven((g.R - g.L) / (2 + kSqrt2));
    g.p2 = g.p + RoundEven(g.p * kSqrt2);
    g.q = RoundEven((g.B - g.T) / (2 + kSqrt2));
    g.q2 = g.q + RoundEven(g.q * kSqrt2);
  }
}

}  // namespace

int TStyShapeGeometry::X(int k) const {
  return L + RoundEven((R - L) * k / 100.0);
}

int TStyShapeGeometry::Y(int k) const {
  return T + RoundEven((B - T) * k / 100.0);
}

TStyShapeGeometry ShapeGeometry(const TRect& Rect, TStyShapeType Shape, TStyShadow* Shadow, TStySimpleBevel* Bevel,
                                int RoundPercent, bool Square) {
  TStyShapeGeometry g;
  g.d = Shadow && Shadow->GetStyle() != hssNone ? Shadow->GetDepth() : 0;
  g.bw = Bevel ? Bevel->GetWidth() : 1;
  g.r = g.bw / 2;
  g.s = (g.bw - 1) / 2;
  const int w = Rect.Right - Rect.Left;
  const int h = Rect.Bottom - Rect.Top;
  int dx = 0;
  int dy = 0;
  if (Square) {
    if (w > h) dx = (w - h) / 2;
    if (h > w) dy = (h - w) / 2;
  }
  g.L = g.d + dx;
  g.T = g.d + dy;
  g.R = w - dx;
  g.B = h - dy;
  g.c = std::min(w - g.d, h - g.d) * RoundPercent / 100;
  DeriveSteps(g, Shape);
  return g;
}

TStyShapeGeometry OutlineGeometry(const TStyPointList& Points, TStyShapeType Shape, int BevelWidth) {
  TStyShapeGeometry g;
  g.bw = BevelWidth;
  g.r = g.bw / 2;
  g.s = (g.bw - 1) / 2;
  const int n = Points.GetCount() / 2;
  if (n == 0) return g;
  g.L = g.R = Points.At(0).X;
  g.T = g.B = Points.At(0).Y;
  for (int i = 0; i < n; ++i) {
    if (IsCornerEntry(Shape, i)) continue;
    const TPoint p = Points.At(i);
    g.L = std::min<int>(g.L, p.X);
    g.R = std::max<int>(g.R, p.X);
    g.T = std::min<int>(g.T, p.Y);
    g.B = std::max<int>(g.B, p.Y);
  }
  if (Shape == stRoundRect) g.c = Points.At(5).X;
  DeriveSteps(g, Shape);
  return g;
}

void BuildShapeOutline(const TRect& Rect, TStyShapeType Shape, TStyPointList* Points, TStyShadow* Shadow,
                       TStySimpleBevel* Bevel, int RoundPercent, bool Square) {
  if (!Points) return;
  Points->Clear();
  const TStyShapeGeometry g = ShapeGeometry(Rect, Shape, Shadow, Bevel, RoundPercent, Square);
  const int L = g.L, T = g.T, R = g.R, B = g.B, r = g.r, s = g.s, mx = g.mx, my = g.my, q = g.q;
  std::vector<TPoint> outer;
  std::vector<TPoint> inner;
  switch (Shape) {
    case stEllipse:
    case stRectangle:
      outer = {{L, T}, {R, B}};
      inner = {{L + r, T + r}, {R - s, B - s}};
      break;
    case stRoundRect:
      // The corner sizes are sizes, not places: the outline's moves leave
      // them alone (MoveOutline), so both read (c, c) wherever it is drawn.
      outer = {{L, T}, {R, B}, {g.c, g.c}};
      inner = {{L + r, T + r}, {R, B}, {g.c, g.c}};
      break;
    case stDirectUp:
      outer = {{mx, T}, {R, B}, {L, B}};
      inner = {{mx, T + r}, {R - s, B - s}, {L + 2 * r, B}};
      break;
    case stDirectRight:
      outer = {{L, T}, {R, my}, {L, B}};
      inner = {{L + r, T + r}, {R - s, my}, {L + r, B - s}};
      break;
    case stDirectDown:
      outer = {{L, T}, {R, T}, {mx, B}};
      inner = {{L + r, T + r}, {R - s, T + r}, {mx, B}};
      break;
    case stDirectLeft:
      outer = {{R, T}, {L, my}, {R, B}};
      inner = {{R - s, T + r}, {L + r, my}, {R - s, B - s}};
      break;
    case stDiamond:
      outer = {{mx, T}, {R, my}, {mx, B}, {L, my}};
      inner = {{mx, T + r}, {R - s, my}, {mx, B - s}, {L + r, my}};
      break;
    case stComb:
      outer = {{mx, T}, {R, T + q}, {R, T + 4 * q}, {mx, B}, {L, T + 4 * q}, {L, T + q}};
      inner = {{mx, T + r}, {R - s, T + q + r},     {R - s, T + 4 * q + r},
               {mx, B - s}, {L + r, T + 4 * q + r}, {L + r, T + q + r}};
      break;
    case stOctagon: {
      const int p = g.p, p2 = g.p2, q2 = g.q2;
      outer = {{L + p, T}, {L + p2, T}, {R, T + q}, {R, T + q2}, {L + p2, B}, {L + p, B}, {L, T + q2}, {L, T + q}};
      inner = {{L + p + r, T + r},  {L + p2 + r, T + r}, {R - s, T + q + r},  {R - s, T + q2 + r},
               {L + p2 + r, B - s}, {L + p + r, B - s},  {L + r, T + q2 + r}, {L + r, T + q + r}};
      break;
    }
    case stStar:
      outer = {{mx, T},       {g.X(65), g.Y(38)}, {R, g.Y(38)},       {g.X(70), g.Y(60)}, {g.X(85), B},
               {mx, g.Y(75)}, {g.X(15), B},       {g.X(30), g.Y(60)}, {L, g.Y(38)},       {g.X(35), g.Y(38)}};
      inner = outer;
      inner[0] = {mx, T + r};
      inner[2] = {R - s, g.Y(38)};
      inner[4] = {g.X(85), B - s};
      inner[6] = {g.X(15), B - s};
      inner[8] = {L + s, g.Y(38)};
      break;
  }
  for (const TPoint& p : outer) Points->AddPoint(p);
  for (const TPoint& p : inner) Points->AddPoint(p);
}

bool IsCornerEntry(TStyShapeType Shape, int Index) {
  return Shape == stRoundRect && (Index == 2 || Index == 5);
}

void MoveOutline(TStyPointList* Points, TStyShapeType Shape, int dx, int dy) {
  if (!Points || Shape != stRoundRect) return TranslatePoints(Points, dx, dy);
  for (int i = 0; i < Points->GetCount(); ++i)
    if (!IsCornerEntry(Shape, i)) Points->PutPoint(i, TPoint(Points->At(i).X + dx, Points->At(i).Y + dy));
}
