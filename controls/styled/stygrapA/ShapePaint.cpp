#include "controls/styled/stygrapA/ShapePaint.h"

#include <memory>
#include <vector>

#include "controls/styled/stycompo.h"
#include "controls/styled/styprocs/Blit.h"
#include "platform/win/windows.h"

namespace {

// Where the picture's mask is outside the figure: a colour no figure is
// drawn in, and what the picture shows as see-through outside the figure.
constexpr TColor kMaskFigure = clBlack;
constexpr TColor kMaskOutside = 0x00FE01FF;

// The figure of one half of the outline (outer: 0, inner: 1).
void DrawFigure(TCanvas* Canvas, TStyShapeType Shape, const TStyPointList& Points, int half, int dx = 0, int dy = 0) {
  const int n = Points.GetCount() / 2;
  const int first = half * n;
  auto at = [&](int i) {
    const TPoint p = Points.At(first + i);
    return TPoint(p.X + dx, p.Y + dy);
  };
  switch (Shape) {
    case stEllipse: Canvas->Ellipse(at(0).X, at(0).Y, at(1).X, at(1).Y); break;
    case stRectangle: Canvas->Rectangle(at(0).X, at(0).Y, at(1).X, at(1).Y); break;
    case stRoundRect: {
      const TPoint corner = Points.At(first + 2);
      Canvas->RoundRect(at(0).X, at(0).Y, at(1).X, at(1).Y, corner.X, corner.Y);
      break;
    }
    default: {
      std::vector<TPoint> polygon;
      for (int i = 0; i < n; ++i) polygon.push_back(at(i));
      Canvas->Polygon(polygon);
      break;
    }
  }
}

void Polyline(TCanvas* Canvas, std::initializer_list<TPoint> points) {
  auto it = points.begin();
  Canvas->MoveTo(it->X, it->Y);
  for (++it; it != points.end(); ++it) Canvas->LineTo(it->X, it->Y);
}

// The light and shadow edges around the face whose box g gives: the A
// segments in ColorA, the B segments in ColorB.
void DrawBevelEdges(TCanvas* Canvas, TStyShapeType Shape, const TStyShapeGeometry& g, TColor ColorA, TColor ColorB) {
  const int L = g.L, T = g.T, R = g.R, B = g.B;
  const int r = g.r, s = g.s, c = g.c, h2 = g.h2, mx = g.mx, my = g.my, q = g.q;
  auto X = [&](int k) { return g.X(k); };
  auto Y = [&](int k) { return g.Y(k); };
  auto segmentsA = [&] {
    Canvas->GetPen()->SetColor(ColorA);
    switch (Shape) {
      case stEllipse: Canvas->Arc(L + r, T + r, R - s, B - s, R - s, T + r, L + r, B - s); break;
      case stRectangle: Polyline(Canvas, {{L + r, B - s}, {L + r, T + r}, {R - s, T + r}}); break;
      case stRoundRect:
        Canvas->Arc(L + r, T + r, L + r + c, T + r + c, L + r + h2, T + r, L + r, T + r + h2);
        Canvas->Arc(R - s - c, T + r, R - s, T + r + c, R - s, T + r, R - s - h2, T + r);
        Canvas->Arc(L + r, B - s - c, L + r + c, B - s, L + r, B - s - h2, L + r, B - s);
        Polyline(Canvas, {{L + r, T + r + h2}, {L + r, B - s - h2}});
        Polyline(Canvas, {{L + r + h2, T + r}, {R - s - h2, T + r}});
        break;
      case stDirectUp: Polyline(Canvas, {{L, B}, {mx, T}, {R, B}}); break;
      case stDirectRight: Polyline(Canvas, {{L + r, T + r}, {L + r, B - s}}); break;
      case stDirectDown: Polyline(Canvas, {{L + r, T + r}, {R - s, T + r}}); break;
      case stDirectLeft: Polyline(Canvas, {{R - r - 1, T + r}, {L + r, my + r}, {R - r - 1, B - r}}); break;
      case stDiamond: Polyline(Canvas, {{L + r, my}, {mx, T + r}, {R - s, my}}); break;
      case stComb: Polyline(Canvas, {{L + r, T + 4 * q}, {L + r, T + q}, {mx, T + r}, {R - s - 1, T + q}}); break;
      case stOctagon:
        Polyline(Canvas, {{L + r, T + g.q2}, {L + r, T + q}, {L + g.p, T + r}, {L + g.p2, T + r}, {R - s - 1, T + q}});
        break;
      case stStar:
        Polyline(Canvas, {{X(65), Y(38)}, {R, Y(38)}});
        Polyline(Canvas, {{X(70), Y(60)}, {X(85), B}});
        Polyline(Canvas, {{L, Y(38)}, {X(35), Y(38)}, {mx, T}});
        Polyline(Canvas, {{X(15), B}, {X(30), Y(60)}});
        break;
    }
  };
  auto segmentsB = [&] {
    Canvas->GetPen()->SetColor(ColorB);
    switch (Shape) {
      case stEllipse: Canvas->Arc(L + r, T + r, R - s, B - s, L + r, B - s, R - s, T + r); break;
      case stRectangle: Polyline(Canvas, {{R - s - 1, T + r}, {R - s - 1, B - s - 1}, {L + r, B - s - 1}}); break;
      case stRoundRect:
        Canvas->Arc(R - s - c, T + r, R - s, T + r + c, R - s, T + r + h2, R - s, T + r);
        Canvas->Arc(R - s - c, B - s - c, R - s, B - s, R - s - h2, B - s, R - s, B - s - h2);
        Canvas->Arc(L + r, B - s - c, L + r + c, B - s, L + r, B - s, L + r + h2, B - s);
        Polyline(Canvas, {{R - s - 1, T + r + h2}, {R - s - 1, B - s - h2}});
        Polyline(Canvas, {{L + r + h2, B - s - 1}, {R - s - h2, B - s - 1}});
        break;
      case stDirectUp: Polyline(Canvas, {{R, B}, {L, B}}); break;
      case stDirectRight: Polyline(Canvas, {{L + r, T + r}, {R - s, my}, {L + r, B - s}}); break;
      case stDirectDown: Polyline(Canvas, {{L - s, T + r}, {mx, B - s}, {R - s, T + r}}); break;
      case stDirectLeft: Polyline(Canvas, {{R - r - 1, T + r}, {R - r - 1, B - s}}); break;
      case stDiamond: Polyline(Canvas, {{R - s, my}, {mx, B - s}, {L + r, my}}); break;
      case stComb:
        Polyline(Canvas, {{R - s - 1, T + q}, {R - s - 1, T + 4 * q}, {mx, B - s}, {L + r, T + 4 * q}});
        break;
      case stOctagon:
        Polyline(Canvas,
                 {{R - s - 1, T + q}, {R - s - 1, T + g.q2}, {L + g.p2, B - s}, {L + g.p, B - s}, {L + r, T + g.q2}});
        break;
      case stStar:
        Polyline(Canvas, {{mx, T}, {X(65), Y(38)}});
        Polyline(Canvas, {{R, Y(38)}, {X(70), Y(60)}});
        Polyline(Canvas, {{X(85), B}, {mx, Y(75)}, {X(15), B}});
        Polyline(Canvas, {{X(30), Y(60)}, {L, Y(38)}});
        break;
    }
  };
  if (Shape == stDirectDown || Shape == stDirectLeft) {
    segmentsB();
    segmentsA();
  } else {
    segmentsA();
    segmentsB();
  }
}

void SetPen(TCanvas* Canvas, int width, TColor color) {
  TPen* pen = Canvas->GetPen();
  pen->SetMode(pmCopy);
  pen->SetStyle(width > 0 ? psSolid : psClear);
  pen->SetWidth(width > 0 ? width : 1);
  pen->SetColor(color);
}

// Lays Picture into the inner figure only, over the target rectangle.
void DrawPictureFill(const TRect& Rect, TCanvas* Canvas, TStyShapeType Shape, const TStyPointList& Points, int bw,
                     TBitmap* Picture) {
  const int w = Rect.Right - Rect.Left;
  const int h = Rect.Bottom - Rect.Top;
  if (w <= 0 || h <= 0) return;
  // The mask is see-through (the picture shows) inside the figure, the
  // picture's transparent key is the figure's colour.
  auto mask = std::make_unique<TBitmap>();
  mask->SetSize(w, h);
  TCanvas* mc = mask->GetCanvas();
  mc->GetBrush()->SetStyle(bsSolid);
  mc->GetBrush()->SetColor(kMaskOutside);
  mc->FillRect(TRect(0, 0, w, h));
  mc->GetBrush()->SetColor(kMaskFigure);
  SetPen(mc, bw, kMaskFigure);
  DrawFigure(mc, Shape, Points, 1, -Rect.Left, -Rect.Top);
  auto work = std::make_unique<TBitmap>();
  work->Assign(Picture);
  work->SetSize(w, h);
  DrawMaskedOnto(Canvas, Rect, mask.get(), work.get(), kMaskFigure, kMaskOutside);
}

}  // namespace

void PaintShape(const TRect& Rect, TCanvas* Canvas, TStyShapeType Shape, TStyPointList* Points, bool Square,
                TBrush* Brush, int RoundPercent, TStySimpleBevel* Bevel, TStyShadow* Shadow, TBitmap* Picture,
                TColor BackColor) {
  if (!Canvas || !Brush || !Bevel) return;
  std::unique_ptr<TStyShadow> tempShadow;
  if (!Shadow) {
    tempShadow = std::make_unique<TStyShadow>();
    tempShadow->SetDepth(0);
    Shadow = tempShadow.get();
  }
  std::unique_ptr<TStyPointList> tempPoints;
  if (!Points) {
    tempPoints = std::make_unique<TStyPointList>();
    BuildShapeOutline(Rect, Shape, tempPoints.get(), Shadow, Bevel, RoundPercent, Square);
    Points = tempPoints.get();
  }
  const int bw = Bevel->GetWidth();
  const int d = Shadow->GetStyle() != hssNone ? Shadow->GetDepth() : 0;
  // The outline goes back where it was on every exit.
  struct Restore {
    TStyPointList* points;
    TStyShapeType shape;
    int dx = 0, dy = 0;
    void Move(int x, int y) {
      MoveOutline(points, shape, x, y);
      dx += x;
      dy += y;
    }
    ~Restore() { MoveOutline(points, shape, -dx, -dy); }
  } restore{Points, Shape};

  restore.Move(Rect.Left, Rect.Top);
  if (d > 0) {
    Canvas->GetPen()->SetStyle(psClear);
    if (Shadow->GetStyle() == hssTracing) {
      Canvas->GetPen()->SetMode(pmMask);
      Canvas->GetBrush()->SetBitmap(StyApplication ? StyApplication->GetPattern(Shadow->GetColor()) : nullptr);
    } else {
      Canvas->GetPen()->SetMode(pmCopy);
      Canvas->GetBrush()->SetBitmap(nullptr);
      Canvas->GetBrush()->SetStyle(bsSolid);
      Canvas->GetBrush()->SetColor(Shadow->GetColor());
    }
    DrawFigure(Canvas, Shape, *Points, 0);
    Canvas->GetBrush()->SetBitmap(nullptr);
  }
  restore.Move(-d, -d);

  const bool normal = Bevel->GetStyle() == sbNormal;
  // Fill pass.
  if (!Picture) {
    Canvas->SetBrush(Brush);
    SetPen(Canvas, bw, normal ? Bevel->GetColor() : Brush->GetColor());
    DrawFigure(Canvas, Shape, *Points, 1);
  } else {
    DrawPictureFill(Rect, Canvas, Shape, *Points, bw, Picture);
  }
  // Outline pass: for the two-colour bevels the outline takes the fill's
  // colour and vanishes into it.
  SetPen(Canvas, bw, normal ? Bevel->GetColor() : Brush->GetColor());
  Canvas->SetBrush(Brush);
  if (Picture) Canvas->GetBrush()->SetStyle(bsClear);
  if (Canvas->GetBrush()->GetStyle() != bsSolid) {
    SetBkColor(Canvas->GetHandle(), ColorToRGB(BackColor));
    SetBkMode(Canvas->GetHandle(), OPAQUE);
  }
  DrawFigure(Canvas, Shape, *Points, 1);
  // Bevel edges.
  if (bw > 0 && !normal) {
    SetPen(Canvas, bw, clBlack);
    const bool raised = Bevel->GetStyle() == sbOffset;
    const TColor a = raised ? Bevel->GetLightColor() : Bevel->GetShadowColor();
    const TColor b = raised ? Bevel->GetShadowColor() : Bevel->GetLightColor();
    // The edges follow the face as the outline places it, also when the
    // outline was built for another shadow (a pressed shadow button).
    DrawBevelEdges(Canvas, Shape, OutlineGeometry(*Points, Shape, bw), a, b);
  }
}
