#include "controls/styled/styclass/StyBevel.h"

#include "controls/styled/styprocs/Frames.h"
#include "platform/win/windows.h"

void TStyBevel::Publish(TPublisher<TStyBevel>& p) {
  p.Prop("StyleInner", &TStyBevel::GetStyleInner, &TStyBevel::SetStyleInner).Default(bvNone);
  p.Prop("StyleOuter", &TStyBevel::GetStyleOuter, &TStyBevel::SetStyleOuter).Default(bvNone);
  p.Prop("WidthInner", &TStyBevel::GetWidthInner, &TStyBevel::SetWidthInner).Default(1);
  p.Prop("WidthOuter", &TStyBevel::GetWidthOuter, &TStyBevel::SetWidthOuter).Default(1);
  p.Prop("BorderColor", &TStyBevel::GetBorderColor, &TStyBevel::SetBorderColor).Idents("TColor").Default(clBtnFace);
  p.Prop("BorderInnerWidth", &TStyBevel::GetBorderInnerWidth, &TStyBevel::SetBorderInnerWidth).Default(0);
  p.Prop("BorderWidth", &TStyBevel::GetBorderWidth, &TStyBevel::SetBorderWidth).Default(0);
  p.Prop("BorderSides", &TStyBevel::GetBorderSides, &TStyBevel::SetBorderSides)
      .Default(TStyFrameSides{fsBottom, fsLeft, fsRight, fsTop});
  p.Prop("EdgeStyle", &TStyBevel::GetEdgeStyle, &TStyBevel::SetEdgeStyle).Default(etEtched);
  p.Prop("LightColor", &TStyBevel::GetLightColor, &TStyBevel::SetLightColor).Idents("TColor").Default(clBtnHighlight);
  p.Prop("Mode", &TStyBevel::GetMode, &TStyBevel::SetMode);
  p.Prop("ShadowColor", &TStyBevel::GetShadowColor, &TStyBevel::SetShadowColor).Idents("TColor").Default(clBtnShadow);
  p.Prop("StandardStyle", &TStyBevel::GetStandardStyle, &TStyBevel::SetStandardStyle);
}

void TStyBevel::SetStyle(TStyBevelStyle value, TStyBevelStyle& self, TStyBevelStyle& other) {
  if (self == value) return;
  // The shadow bevel takes both styles: leaving it frees the other one,
  // entering it takes the other one along.
  if (self == bvShadow) other = bvNone;
  if (value == bvShadow) other = bvShadow;
  self = value;
  Change();
}

void TStyBevel::SetColor(int index, TColor value) {
  SetValue(FColors[index], value);
}

void TStyBevel::SetMode(TStyBevelMode value) {
  if (FMode == value) return;
  if (FWindowBorderSupport && (FMode == bmWindows || value == bmWindows)) FModeSwitched = true;
  FMode = value;
  Change();
}

void TStyBevel::SetStandardStyle(TStyBorderStyle value) {
  if (FStandardStyle == value) return;
  FStandardStyle = value;
  if (FMode == bmStandard) Change();
}

void TStyBevel::Change() {
  FExtent = ComputeExtent();
  FExtentBottomRight =
      (FMode == bmCustom && FStyleOuter == bvShadow) ? FWidthInner + FWidthOuter + FBorderInnerWidth : FExtent;
  inherited::Change();
}

int TStyBevel::ComputeExtent() const {
  auto isFrame = [](TStyBevelStyle s) { return s == bvFrameLowered || s == bvFrameRaised; };
  switch (FMode) {
    case bmCustom:
      if (FStyleInner == bvShadow) return FWidthInner + FBorderInnerWidth;
      return FBorderWidth + FBorderInnerWidth + (FStyleOuter != bvNone ? FWidthOuter : 0) +
             (isFrame(FStyleOuter) ? 1 : 0) + (FStyleInner != bvNone ? FWidthInner : 0) +
             (isFrame(FStyleInner) ? 1 : 0);
    case bmStandard: return BorderStyleWidth(FStandardStyle) + FBorderInnerWidth;
    case bmEdge: return (FBorderSides.Empty() ? 0 : 2) + FBorderInnerWidth;
    case bmWindows: return FWindowBorderSupport ? 0 : FBorderInnerWidth + 2;
  }
  return 0;
}

bool TStyBevel::NeedsRecreate() {
  bool result = FModeSwitched || (FMode == bmWindows && FWindowBorderSupport);
  FModeSwitched = false;
  return result;
}

TRect TStyBevel::InnerRect(const TRect& R) const {
  if (FMode == bmCustom && FStyleOuter == bvShadow) {
    const int tl = FWidthInner + FBorderInnerWidth;
    const int br = FWidthInner + FWidthOuter + FBorderInnerWidth;
    return TRect(R.Left + tl, R.Top + tl, R.Right - br, R.Bottom - br);
  }
  return TRect(R.Left + FExtent, R.Top + FExtent, R.Right - FExtent, R.Bottom - FExtent);
}

void TStyBevel::PaintBorder(TCanvas* Canvas, TRect& R, int width, bool Transparent) {
  if (width <= 0) return;
  if (Transparent) {
    R = TRect(R.Left + width, R.Top + width, R.Right - width, R.Bottom - width);
    return;
  }
  Canvas->GetBrush()->SetColor(FColors[0]);
  for (int i = 0; i < width; ++i) {
    Canvas->FrameRect(R);
    R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  }
}

TRect TStyBevel::PaintBevel(TCanvas* Canvas, const TRect& R, bool Transparent) {
  TRect work = R;
  if (FExtent == 0) return work;
  static const UINT edges[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER,
                               EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
  switch (FMode) {
    case bmCustom:
      if (FStyleOuter == bvShadow) {
        DrawShadowBevel(Canvas, work, GetLightColor(), GetShadowColor(), GetBorderColor(), FWidthOuter, FWidthInner,
                        Transparent);
      } else {
        DrawBevel(Canvas, work, FStyleOuter, GetLightColor(), GetShadowColor(), FWidthOuter);
        PaintBorder(Canvas, work, FBorderWidth, Transparent);
        DrawBevel(Canvas, work, FStyleInner, GetLightColor(), GetShadowColor(), FWidthInner);
      }
      break;
    case bmStandard: DrawBorderStyle(Canvas, work, FStandardStyle, 0); break;
    case bmEdge:
      if (!FBorderSides.Empty()) {
        UINT flags = 0;
        if (FBorderSides.Contains(fsLeft)) flags |= BF_LEFT;
        if (FBorderSides.Contains(fsTop)) flags |= BF_TOP;
        if (FBorderSides.Contains(fsRight)) flags |= BF_RIGHT;
        if (FBorderSides.Contains(fsBottom)) flags |= BF_BOTTOM;
        RECT r = work;
        DrawEdge(Canvas->GetHandle(), &r, edges[FEdgeStyle], flags);
        work = TRect(work.Left + 2, work.Top + 2, work.Right - 2, work.Bottom - 2);
      }
      break;
    case bmWindows: DrawBorderStyle(Canvas, work, lsLoweredExt, 0); break;
  }
  PaintBorder(Canvas, work, FBorderInnerWidth, Transparent);
  return work;
}

void TStyBevel::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyBevel*>(Source);
  if (!src) return inherited::Assign(Source);
  FStyleInner = src->FStyleInner;
  FStyleOuter = src->FStyleOuter;
  FWidthInner = src->FWidthInner;
  FWidthOuter = src->FWidthOuter;
  FBorderSides = src->FBorderSides;
  FBorderInnerWidth = src->FBorderInnerWidth;
  FBorderWidth = src->FBorderWidth;
  for (int i = 0; i < 3; ++i) FColors[i] = src->FColors[i];
  FMode = src->FMode;
  FStandardStyle = src->FStandardStyle;
  FEdgeStyle = src->FEdgeStyle;
  FWindowBorderSupport = src->FWindowBorderSupport;
  Change();
}
