#include "controls/styled/styprocs/Frames.h"

#include "platform/win/windows.h"

namespace {

void Edge(TCanvas* Canvas, TRect& Rect, UINT edge, UINT flags) {
  RECT r = Rect;
  DrawEdge(Canvas->GetHandle(), &r, edge, flags);
  Rect = r;
}

void ArrowOnce(TCanvas* Canvas, int X, int Y, int S, TColor Color, bool Down) {
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetPen()->SetWidth(1);
  Canvas->GetPen()->SetColor(Color);
  if (Down) {
    for (int r = 0; r <= S - 2; ++r) {
      Canvas->MoveTo(X + r, Y + r);
      Canvas->LineTo(X + 2 * S - r - 1, Y + r);
    }
    Canvas->SetPixels(X + S - 1, Y + S - 1, Color);
  } else {
    const int c = X + S / 2;
    for (int r = 0; r <= S - 1; ++r) {
      Canvas->MoveTo(c - r, Y + r);
      Canvas->LineTo(c + r + 1, Y + r);
    }
  }
}

}  // namespace

bool DrawBevel(TCanvas* Canvas, TRect& Rect, TStyBevelStyle Style, TColor LightColor, TColor ShadowColor, int Width) {
  if (Width <= 0 || Style == bvNone || Style == bvShadow) return false;
  TColor topLeft, bottomRight;
  if (Style == bvLowered || Style == bvFrameLowered) {
    topLeft = ShadowColor;
    bottomRight = LightColor;
  } else if (Style == bvNormal) {
    topLeft = bottomRight = clBlack;
  } else {
    topLeft = LightColor;
    bottomRight = ShadowColor;
  }
  const int l = Rect.Left, t = Rect.Top, r = Rect.Right, b = Rect.Bottom - 1;
  if (Style == bvLowered || Style == bvRaised || Style == bvNormal) {
    if (Width == 1) {
      Canvas->GetPen()->SetStyle(psSolid);
      Canvas->GetPen()->SetWidth(1);
      Canvas->GetPen()->SetColor(topLeft);
      Canvas->Polyline({TPoint(l, b), TPoint(l, t), TPoint(r - 1, t)});
      Canvas->GetPen()->SetColor(bottomRight);
      Canvas->Polyline({TPoint(r - 1, t), TPoint(r - 1, b), TPoint(l, b)});
    } else {
      const TRect in(l + Width, t + Width, r - Width, b - Width);
      Canvas->GetPen()->SetStyle(psClear);
      Canvas->GetBrush()->SetStyle(bsSolid);
      Canvas->GetBrush()->SetColor(bottomRight);
      Canvas->Polygon({TPoint(l, b + 1), TPoint(in.Left, in.Bottom), TPoint(in.Right, in.Bottom),
                       TPoint(in.Right, in.Top), TPoint(r, t), TPoint(r, b + 1)});
      Canvas->GetBrush()->SetColor(topLeft);
      Canvas->Polygon({TPoint(l, b), TPoint(in.Left, in.Bottom), TPoint(in.Left, in.Top), TPoint(in.Right - 1, in.Top),
                       TPoint(r - 1, t), TPoint(l, t)});
      Canvas->GetPen()->SetStyle(psSolid);
    }
    Rect = TRect(Rect.Left + Width, Rect.Top + Width, Rect.Right - Width, Rect.Bottom - Width);
  } else {
    for (int i = 0; i < Width; ++i) {
      Canvas->GetBrush()->SetColor(bottomRight);
      Canvas->FrameRect(TRect(Rect.Left + i + 1, Rect.Top + i + 1, Rect.Right, Rect.Bottom));
      Canvas->GetBrush()->SetColor(topLeft);
      Canvas->FrameRect(TRect(Rect.Left, Rect.Top, Rect.Right - i - 1, Rect.Bottom - i - 1));
    }
    Rect = TRect(Rect.Left + Width + 1, Rect.Top + Width + 1, Rect.Right - Width - 1, Rect.Bottom - Width - 1);
  }
  return true;
}

bool DrawShadowBevel(TCanvas* Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor,
                     std::uint8_t Depth, std::uint8_t FrameCount, bool Transparent) {
  const int d = Depth;
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetPen()->SetStyle(psClear);
  Canvas->GetBrush()->SetColor(ShadowColor);
  Canvas->FillRect(TRect(Rect.Right - d, Rect.Top + d, Rect.Right, Rect.Bottom));
  Canvas->FillRect(TRect(Rect.Left + d, Rect.Bottom - d, Rect.Right, Rect.Bottom));
  if (!Transparent) {
    Canvas->GetBrush()->SetColor(BackColor);
    Canvas->FillRect(TRect(Rect.Right - d, Rect.Top, Rect.Right, Rect.Top + d));
    Canvas->FillRect(TRect(Rect.Left, Rect.Bottom - d, Rect.Left + d, Rect.Bottom));
  }
  Rect = TRect(Rect.Left, Rect.Top, Rect.Right - d, Rect.Bottom - d);
  for (int i = 0; i < FrameCount; ++i) {
    Canvas->GetBrush()->SetColor(FrameColor);
    Canvas->FrameRect(Rect);
    Rect = TRect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
  }
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetPen()->SetWidth(1);
  return true;
}

int BorderStyleWidth(TStyBorderStyle Style) {
  switch (Style) {
    case lsNone: return 0;
    case lsSingle:
    case lsSingleRaised:
    case lsSingleLowered: return 1;
    default: return 2;
  }
}

bool DrawBorderStyle(TCanvas* Canvas, TRect& Rect, TStyBorderStyle Style, std::uint16_t ExtraFlags) {
  const UINT x = ExtraFlags | BF_ADJUST;
  switch (Style) {
    case lsNone: break;
    case lsSingle:
      Edge(Canvas, Rect, BDR_SUNKENOUTER, x | BF_SOFT | BF_TOPLEFT);
      Edge(Canvas, Rect, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
      break;
    case lsLowered: Edge(Canvas, Rect, EDGE_SUNKEN, x | BF_SOFT | BF_RECT); break;
    case lsRaised: Edge(Canvas, Rect, EDGE_RAISED, x | BF_SOFT | BF_RECT); break;
    case lsRaisedspb:
    case lsRaisedExt:
      Edge(Canvas, Rect, BDR_RAISEDOUTER, x | BF_SOFT | BF_RECT);
      Edge(Canvas, Rect, BDR_RAISEDINNER, BF_ADJUST | BF_BOTTOMRIGHT);
      if (Style == lsRaisedExt) {
        Rect.Left += 1;
        Rect.Top += 1;
      }
      break;
    case lsLoweredspb:
      Edge(Canvas, Rect, BDR_SUNKENOUTER, x | BF_RECT);
      Edge(Canvas, Rect, BDR_SUNKENINNER, x | BF_TOPLEFT);
      break;
    case lsLoweredExt:
      Edge(Canvas, Rect, BDR_SUNKENOUTER, x | BF_RECT);
      Edge(Canvas, Rect, BDR_SUNKENINNER, BF_ADJUST | BF_TOPLEFT);
      Rect.Right -= 1;
      Rect.Bottom -= 1;
      break;
    case lsFrameInset: Edge(Canvas, Rect, EDGE_ETCHED, x | BF_RECT); break;
    case lsFrameOffset:
      Edge(Canvas, Rect, BDR_RAISEDINNER, x | BF_RECT);
      Edge(Canvas, Rect, BDR_SUNKENOUTER, x | BF_RECT);
      break;
    case lsWindowBorder:
      Edge(Canvas, Rect, BDR_RAISEDOUTER, x | BF_BOTTOMRIGHT);
      Rect.Left += 1;
      Rect.Top += 1;
      Edge(Canvas, Rect, BDR_RAISEDINNER, x | BF_RECT);
      break;
    case lsSingleRaised: Edge(Canvas, Rect, BDR_RAISEDINNER, x | BF_RECT); break;
    case lsSingleLowered: Edge(Canvas, Rect, BDR_SUNKENOUTER, x | BF_RECT); break;
    case lsDoubleRaised:
      Edge(Canvas, Rect, BDR_RAISEDINNER, x | BF_RECT);
      Edge(Canvas, Rect, BDR_RAISEDINNER, x | BF_RECT);
      break;
    case lsDoubleLowered:
      Edge(Canvas, Rect, BDR_SUNKENOUTER, x | BF_RECT);
      Edge(Canvas, Rect, BDR_SUNKENOUTER, x | BF_RECT);
      break;
  }
  return true;
}

void DrawArrow(TCanvas* Canvas, int X, int Y, int Size, TColor Color, bool Down, bool Enabled) {
  if (Size < 2 || Size > 15) return;
  if (!Enabled) {
    ArrowOnce(Canvas, X + 1, Y + 1, Size, clHighlightText, Down);
    ArrowOnce(Canvas, X, Y, Size, clGrayText, Down);
  } else {
    ArrowOnce(Canvas, X, Y, Size, Color, Down);
  }
}

void FillBitmap(TBitmap* Bitmap, const TRect& Rect, TColor Color) {
  if (!Bitmap || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  Bitmap->SetSize(Rect.Width(), Rect.Height());
  TCanvas* c = Bitmap->GetCanvas();
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(Color);
  c->FillRect(TRect(0, 0, Rect.Width(), Rect.Height()));
}
