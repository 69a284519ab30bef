#include "controls/styled/stygraph/Gradient.h"

#include <algorithm>

#include "platform/win/windows.h"

TStyGradient::TStyGradient() {
  RebuildColors();
}

TStyGradient::~TStyGradient() {
  DeletePalette();
}

void TStyGradient::Publish(TPublisher<TStyGradient>& p) {
  p.Prop("ColorCount", &TStyGradient::GetColorCount, &TStyGradient::SetColorCount).Default(16);
  p.Prop("Color", &TStyGradient::GetColor, &TStyGradient::SetColor).Idents("TColor").Default(clBlue);
  p.Prop("EndColor", &TStyGradient::GetEndColor, &TStyGradient::SetEndColor).Idents("TColor").Default(clBlack);
  p.Prop("PaletteRealize", &TStyGradient::GetPaletteRealize, &TStyGradient::SetPaletteRealize).Default(false);
  p.Prop("Style", &TStyGradient::GetStyle, &TStyGradient::SetStyle).Default(gstVertical);
}

void TStyGradient::SetColorCount(TStyColorCount value) {
  SetValue(FColorCount, std::clamp<TStyColorCount>(value, 2, 236));
}

void TStyGradient::Change() {
  RebuildColors();
  inherited::Change();
}

void TStyGradient::DeletePalette() {
  if (FPalette && DeleteObject(FPalette)) FPalette = nullptr;
  FColors.clear();
}

void TStyGradient::RebuildColors() {
  DeletePalette();
  MakeColorRamp(FColor, FEndColor, FColorCount, &FColors);
  if (FPaletteRealize && !FPalette) FPalette = CreateRampPalette(&FColors);
}

void TStyGradient::PaintGradient(TCanvas* Canvas, const TRect& R) {
  FillGradient(Canvas, R, FStyle, &FColors, FPalette, FPaletteRealize ? dfPalette : 0, 0);
}

void TStyGradient::RealizeGradientPalette(TCanvas* Canvas) {
  if (!FPaletteRealize || !FPalette) return;
  SelectPalette(Canvas->GetHandle(), FPalette, FALSE);
  RealizePalette(Canvas->GetHandle());
}

void TStyGradient::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyGradient*>(Source);
  if (!src) return inherited::Assign(Source);
  BeginUpdate();
  FColorCount = src->FColorCount;
  FColor = src->FColor;
  FStyle = src->FStyle;
  FEndColor = src->FEndColor;
  FPaletteRealize = src->FPaletteRealize;
  EndUpdate(true);
}
