#include "controls/styled/styprocs/ButtonFrame.h"

#include "controls/styled/stycompo.h"
#include "controls/styled/styprocs/Frames.h"
#include "controls/styled/stysysin.h"
#include "platform/win/windows.h"

namespace {

constexpr TColor kGrey = 0x808080;

void ButtonEdge(TCanvas* Canvas, TRect& r, UINT edge, UINT flags) {
  RECT w = r;
  DrawEdge(Canvas->GetHandle(), &w, edge, flags);
  r = w;
}

TRect Shrunk(const TRect& r, int d) {
  return TRect(r.Left + d, r.Top + d, r.Right - d, r.Bottom - d);
}

void ClearCorners(TCanvas* Canvas, const TRect& r) {
  for (TPoint p : {TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top), TPoint(r.Left, r.Bottom - 1),
                   TPoint(r.Right - 1, r.Bottom - 1)})
    Canvas->SetPixels(p.X, p.Y, clBtnFace);
}

}  // namespace

bool DrawButtonFrame(TCanvas* Canvas, bool PlainFlatFill, TRect& Rect, TStyUserButtonStyle Style, int State,
                     std::uint16_t Flags, TColor Color) {
  if (Style == ubsAutoDetect) Style = NewStyleControls() ? ubsWin40 : ubsWin31;
  int kind;
  switch (Style) {
    case ubsWin31: kind = 1; break;
    case ubsWin40: kind = (Flags & bfVariant) ? 2 : 3; break;
    case ubsClassic: kind = (Flags & bfVariant) ? 5 : 3; break;
    case ubsIntegrated: kind = 10; break;
    default: kind = 4; break;
  }
  const bool explorer = Style == ubsExplorer || Style == ubsExplorerColored;
  const bool down = State == 3 || State == 4 || State == 6 || State == 7;
  TBrush* brush = Canvas->GetBrush();
  TPen* pen = Canvas->GetPen();
  auto fillFace = [&] {
    brush->SetStyle(bsSolid);
    brush->SetColor(Color);
    Canvas->FillRect(Rect);
  };
  // The checkerboard stays the current brush while the frame is drawn, so a
  // flat style's rectangle keeps it too.
  bool patterned = false;
  if (!explorer) {
    if (State == 3 && !(kind == 4 && PlainFlatFill) && StyApplication) {
      brush->SetBitmap(StyApplication->GetPattern(Color));
      Canvas->FillRect(Rect);
      patterned = true;
    } else {
      fillFace();
    }
  }
  if (!down && (Flags & (bfFocused | bfDefault))) {
    TRect r = Rect;
    ButtonEdge(Canvas, r, BDR_SUNKENOUTER, BF_SOFT | BF_TOPLEFT | ((Flags & bfDefaultMiddle) ? BF_MIDDLE : 0));
    ButtonEdge(Canvas, r, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
    if (kind == 1 && (Flags & bfClearCorners)) {
      ClearCorners(Canvas, Rect);
      Flags &= ~bfClearCorners;
    }
    Rect = Shrunk(Rect, 1);
  }
  TRect content = Rect;
  TRect r = Rect;
  switch (kind) {
    case 1:
      ButtonEdge(Canvas, r, BDR_SUNKENOUTER, BF_SOFT | BF_TOPLEFT);
      ButtonEdge(Canvas, r, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
      if (Flags & bfClearCorners) ClearCorners(Canvas, r);
      r = Shrunk(r, 1);
      if (down) {
        ButtonEdge(Canvas, r, BDR_SUNKENINNER, BF_TOPLEFT);
      } else {
        ButtonEdge(Canvas, r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        ButtonEdge(Canvas, r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      }
      content = Shrunk(content, 1);
      break;
    case 2:
      if (!down)
        DrawBorderStyle(Canvas, r, lsRaisedspb, BF_RECT);
      else if (Flags & bfSunkenWhenDown)
        ButtonEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
      else
        DrawBorderStyle(Canvas, r, lsLowered, BF_RECT);
      break;
    case 3:
      if (down) {
        pen->SetStyle(psSolid);
        pen->SetColor(clBlack);
        brush->SetStyle(bsClear);
        Canvas->Rectangle(r);
        pen->SetColor(kGrey);
        Canvas->Rectangle(Shrunk(r, 1));
        pen->SetColor(clBlack);
        brush->SetStyle(bsSolid);
      } else if (Flags & bfFocused) {
        ButtonEdge(Canvas, r, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
        ButtonEdge(Canvas, r, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
      } else {
        DrawBorderStyle(Canvas, r, lsRaisedspb, BF_RECT);
      }
      break;
    case 4:
      if ((Style == ubsClassicFlat || Style == ubsNavigator) && (down || State == 2)) {
        Canvas->Rectangle(r);
        r = Shrunk(r, 1);
      }
      if (down)
        ButtonEdge(Canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      else if (State == 2)
        ButtonEdge(Canvas, r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      else if (!explorer) {
        brush->SetStyle(bsSolid);
        brush->SetColor(Color);
        Canvas->FillRect(r);
      }
      break;
    case 5:
      pen->SetStyle(psSolid);
      pen->SetColor(clBlack);
      brush->SetStyle(bsClear);
      Canvas->Rectangle(r);
      brush->SetStyle(bsSolid);
      if (down) {
        pen->SetColor(kGrey);
        Canvas->MoveTo(r.Left + 1, r.Top + 1);
        Canvas->LineTo(r.Right - 1, r.Top + 1);
        Canvas->MoveTo(r.Left + 1, r.Top + 1);
        Canvas->LineTo(r.Left + 1, r.Bottom - 1);
        pen->SetColor(clBlack);
      } else {
        TRect in = Shrunk(r, 1);
        ButtonEdge(Canvas, in, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      }
      break;
    case 10:
      brush->SetStyle(bsClear);
      if (down) {
        pen->SetColor(kGrey);
        Canvas->Rectangle(r);
      } else {
        pen->SetColor(clBlack);
        Canvas->Rectangle(r);
        pen->SetColor(clBtnFace);
        Canvas->Polyline({TPoint(r.Right - 2, r.Top), TPoint(r.Left, r.Top), TPoint(r.Left, r.Bottom - 1)});
        pen->SetColor(clWhite);
        Canvas->Rectangle(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        pen->SetColor(kGrey);
        Canvas->Polyline(
            {TPoint(r.Right - 2, r.Top + 1), TPoint(r.Right - 2, r.Bottom - 2), TPoint(r.Left, r.Bottom - 2)});
      }
      pen->SetColor(clBlack);
      brush->SetStyle(bsSolid);
      break;
  }
  if (Flags & bfFocused) {
    brush->SetStyle(bsSolid);
    Canvas->DrawFocusRect(Shrunk(content, down ? 4 : 3));
  }
  if (patterned) {
    brush->SetBitmap(nullptr);
    brush->SetStyle(bsSolid);
    brush->SetColor(Color);
  }
  content = Shrunk(content, 3);
  if (down) content = TRect(content.Left + 1, content.Top + 1, content.Right + 1, content.Bottom + 1);
  Rect = content;
  return true;
}
