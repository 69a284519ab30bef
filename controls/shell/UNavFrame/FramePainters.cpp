#include "controls/shell/UNavFrame/FramePainters.h"

#include <vector>

#include "platform/win/windows.h"

namespace {

void FrameLine(TCanvas* Canvas, TColor Color, const std::vector<TPoint>& points) {
  Canvas->GetPen()->SetColor(Color);
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetPen()->SetWidth(1);
  Canvas->Polyline(points);
}

// Outer top-left, inner top-left, inner bottom-right, outer bottom-right.
void FrameFourEdges(TCanvas* Canvas, const TRect& R, TColor OuterTL, TColor InnerTL, TColor InnerBR, TColor OuterBR) {
  FrameLine(Canvas, OuterTL, {{R.Left, R.Bottom - 1}, {R.Left, R.Top}, {R.Right, R.Top}});
  FrameLine(Canvas, InnerTL, {{R.Left + 1, R.Bottom - 2}, {R.Left + 1, R.Top + 1}, {R.Right - 1, R.Top + 1}});
  FrameLine(Canvas, InnerBR, {{R.Left + 1, R.Bottom - 1}, {R.Right - 1, R.Bottom - 1}, {R.Right - 1, R.Top}});
  FrameLine(Canvas, OuterBR, {{R.Left, R.Bottom}, {R.Right, R.Bottom}, {R.Right, R.Top - 1}});
}

void FrameTwoEdges(TCanvas* Canvas, const TRect& R, TColor TopLeft, TColor BottomRight) {
  FrameLine(Canvas, TopLeft, {{R.Left, R.Bottom - 1}, {R.Left, R.Top}, {R.Right, R.Top}});
  FrameLine(Canvas, BottomRight, {{R.Left, R.Bottom}, {R.Right, R.Bottom}, {R.Right, R.Top - 1}});
}

void FrameCaptionText(TCanvas* Canvas, const TRect& R, const std::string& Caption) {
  RECT r = R;
  DrawTextA(Canvas->GetHandle(), Caption.data(), static_cast<int>(Caption.size()), &r, DT_END_ELLIPSIS | DT_SINGLELINE);
}

}  // namespace

void DrawFrameLowered(TCanvas* Canvas, const TRect& R) {
  FrameFourEdges(Canvas, R, clBtnShadow, cl3DDkShadow, clBtnFace, clBtnHighlight);
}

void DrawFrameRaised(TCanvas* Canvas, const TRect& R) {
  FrameFourEdges(Canvas, R, clBtnHighlight, clBtnFace, clBtnShadow, cl3DDkShadow);
}

void DrawFrameDint(TCanvas* Canvas, const TRect& R) {
  FrameTwoEdges(Canvas, R, clBtnShadow, clBtnHighlight);
}

void DrawFrameBump(TCanvas* Canvas, const TRect& R) {
  FrameTwoEdges(Canvas, R, clBtnHighlight, clBtnShadow);
}

void DrawFrameSingle(TCanvas* Canvas, const TRect& R) {
  Canvas->GetPen()->SetColor(clWindowFrame);
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->Rectangle(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
}

void DrawFrameGroup(TCanvas* Canvas, const TRect& R, const std::string& Caption, bool Enabled, TColor Color) {
  TBrush* brush = Canvas->GetBrush();
  brush->SetStyle(bsSolid);
  brush->SetColor(Color);
  Canvas->FillRect(TRect(R.Left, R.Top, R.Right + 1, R.Bottom + 1));
  const int h = Caption.empty() ? 2 : Canvas->TextHeight("0");
  const int top = R.Top + h / 2;
  brush->SetStyle(bsClear);
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetPen()->SetColor(clBtnHighlight);
  Canvas->Rectangle(R.Left + 1, top + 1, R.Right + 1, R.Bottom + 1);
  Canvas->GetPen()->SetColor(clBtnShadow);
  Canvas->Rectangle(R.Left, top, R.Right, R.Bottom);
  if (Caption.empty()) return;
  const TRect text(R.Left + 8, R.Top, R.Right - 9, R.Top + h);
  brush->SetStyle(bsSolid);
  brush->SetColor(Color);
  if (Enabled) {
    FrameCaptionText(Canvas, text, Caption);
    return;
  }
  // Embossed: a highlight copy below-right, the shadow on top of it.
  const TColor fontColor = Canvas->GetFont()->GetColor();
  Canvas->GetFont()->SetColor(clBtnHighlight);
  FrameCaptionText(Canvas, TRect(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1), Caption);
  brush->SetStyle(bsClear);
  Canvas->GetFont()->SetColor(clBtnShadow);
  FrameCaptionText(Canvas, text, Caption);
  Canvas->GetFont()->SetColor(fontColor);
}

void DrawFrameVertLine(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2) {
  FrameLine(Canvas, Color1, {{R.Left, R.Top}, {R.Left, R.Bottom + 1}});
  FrameLine(Canvas, Color2, {{R.Left + 1, R.Top}, {R.Left + 1, R.Bottom + 1}});
}

void DrawFrameVertEdge(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2) {
  FrameLine(Canvas, Color1, {{R.Left, R.Top}, {R.Left, R.Bottom + 1}});
  FrameLine(Canvas, Color1, {{R.Right - 1, R.Top}, {R.Right - 1, R.Bottom + 1}});
  FrameLine(Canvas, Color2, {{R.Left + 1, R.Top}, {R.Left + 1, R.Bottom + 1}});
  FrameLine(Canvas, Color2, {{R.Right, R.Top}, {R.Right, R.Bottom + 1}});
}

void DrawFrameHorzLine(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2) {
  FrameLine(Canvas, Color1, {{R.Left, R.Top}, {R.Right + 1, R.Top}});
  FrameLine(Canvas, Color2, {{R.Left, R.Top + 1}, {R.Right + 1, R.Top + 1}});
}

void DrawFrameHorzEdge(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2) {
  FrameLine(Canvas, Color1, {{R.Left, R.Top}, {R.Right + 1, R.Top}});
  FrameLine(Canvas, Color1, {{R.Left, R.Bottom - 1}, {R.Right + 1, R.Bottom - 1}});
  FrameLine(Canvas, Color2, {{R.Left, R.Top + 1}, {R.Right + 1, R.Top + 1}});
  FrameLine(Canvas, Color2, {{R.Left, R.Bottom}, {R.Right + 1, R.Bottom}});
}

void AdjustFrameRect(std::uint8_t Style, TRect& R) {
  switch (static_cast<TNavFrameStyle>(Style & 0x7F)) {
    case navfsLowered:
    case navfsRaised: R = TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2); break;
    case navfsDint:
    case navfsBump:
    case navfsSingle: R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1); break;
    case navfsHorzLine: R.Top += 2; break;
    case navfsHorzEdge:
      R.Top += 2;
      R.Bottom -= 2;
      break;
    case navfsVertLine: R.Left += 2; break;
    case navfsVertEdge:
      R.Left += 2;
      R.Right -= 2;
      break;
    default: break;
  }
}

int DrawFrameCaption(TCanvas* Canvas, TRect& R, UINT Format, const std::string& Caption) {
  const UINT flags = Format & 0xFFFF;
  std::string text = Caption;
  if ((flags & DT_CALCRECT) && (text.empty() || (text == "&" && !(flags & DT_NOPREFIX)))) text = " ";
  RECT r = R;
  const int height = DrawTextExA(Canvas->GetHandle(), text.data(), static_cast<int>(text.size()), &r, flags, nullptr);
  R = r;
  return height;
}

void DrawFrameStyle(TCanvas* Canvas, const TRect& R, TNavFrameStyle Style, const std::string& Caption, bool Enabled,
                    TColor Color) {
  switch (Style) {
    case navfsGroup: DrawFrameGroup(Canvas, R, Caption, Enabled, Color); break;
    case navfsLowered: DrawFrameLowered(Canvas, R); break;
    case navfsRaised: DrawFrameRaised(Canvas, R); break;
    case navfsDint: DrawFrameDint(Canvas, R); break;
    case navfsBump: DrawFrameBump(Canvas, R); break;
    case navfsSingle: DrawFrameSingle(Canvas, R); break;
    case navfsHorzLine: DrawFrameHorzLine(Canvas, R, clBtnShadow, clBtnHighlight); break;
    case navfsHorzEdge: DrawFrameHorzEdge(Canvas, R, clBtnShadow, clBtnHighlight); break;
    case navfsVertLine: DrawFrameVertLine(Canvas, R, clBtnShadow, clBtnHighlight); break;
    case navfsVertEdge: DrawFrameVertEdge(Canvas, R, clBtnShadow, clBtnHighlight); break;
    default: break;
  }
}
