#include "controls/styled/stygraph/Captions.h"

#include "controls/styled/styprocs/Blit.h"
#include "controls/styled/styprocs/Text3D.h"
#include "platform/win/windows.h"

const UINT AlignmentFormats[9] = {0x0000, 0x0001, 0x0002, 0x0004, 0x0005, 0x0006, 0x0008, 0x0009, 0x000A};

void TSty3DCaption::Publish(TPublisher<TSty3DCaption>& p) {
  p.Prop("DisabledStyle", &TSty3DCaption::GetDisabledStyle, &TSty3DCaption::SetDisabledStyle).Default(dsAuto);
  p.Prop("LightDepth", &TSty3DCaption::GetLightDepth, &TSty3DCaption::SetLightDepth).Default(1);
  p.Prop("ShadowDepth", &TSty3DCaption::GetShadowDepth, &TSty3DCaption::SetShadowDepth).Default(1);
  p.Prop("LightColor", &TSty3DCaption::GetLightColor, &TSty3DCaption::SetLightColor)
      .Idents("TColor")
      .Default(clBtnHighlight);
  p.Prop("ShadowColor", &TSty3DCaption::GetShadowColor, &TSty3DCaption::SetShadowColor)
      .Idents("TColor")
      .Default(clBtnShadow);
  p.Prop("Style", &TSty3DCaption::GetStyle, &TSty3DCaption::SetStyle).Default(tdNone);
  p.Prop("Tracing", &TSty3DCaption::GetTracing, &TSty3DCaption::SetTracing).Default(0);
}

void TSty3DCaption::Copy3D(const TSty3DCaption& src) {
  FDisabledStyle = src.FDisabledStyle;
  FDepth[0] = src.FDepth[0];
  FDepth[1] = src.FDepth[1];
  FColors[0] = src.FColors[0];
  FColors[1] = src.FColors[1];
  FStyle = src.FStyle;
  FTracing = src.FTracing;
}

void TSty3DCaption::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TSty3DCaption*>(Source);
  if (!src) return inherited::Assign(Source);
  Copy3D(*src);
  Change();
}

void TStyFxCaption::Publish(TPublisher<TStyFxCaption>& p) {
  p.Prop("Angle", &TStyFxCaption::GetAngle, &TStyFxCaption::SetAngle).Default(0);
  p.Prop("PosX", &TStyFxCaption::GetPosX, &TStyFxCaption::SetPosX).Default(0);
  p.Prop("PosY", &TStyFxCaption::GetPosY, &TStyFxCaption::SetPosY).Default(0);
}

void TStyFxCaption::SetAngle(TStyAngle value) {
  if (FAngle == value) return;
  FAngle = value == 360 ? 0 : value;
  Change();
}

void TStyFxCaption::SetPos(int X, int Y) {
  BeginUpdate();
  SetPosX(static_cast<std::uint16_t>(X));
  SetPosY(static_cast<std::uint16_t>(Y));
  EndUpdate(false);
}

void TStyFxCaption::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyFxCaption*>(Source);
  if (!src) return inherited::Assign(Source);
  Copy3D(*src);
  FPos[0] = src->FPos[0];
  FPos[1] = src->FPos[1];
  FAngle = src->FAngle;
  Change();
}

TStyCaption::TStyCaption() : FFont(std::make_unique<TFont>()), FFontFx(std::make_unique<TStyFxCaption>()) {
  FFont->OnChange = [this](TObject* s) { FontChanged(s); };
  FFontFx->OnChange = [this](TObject* s) { FontChanged(s); };
}

TStyCaption::~TStyCaption() {
  FFont->OnChange = nullptr;
  FFontFx->OnChange = nullptr;
}

void TStyCaption::Publish(TPublisher<TStyCaption>& p) {
  p.Prop("Alignment", &TStyCaption::GetAlignment, &TStyCaption::SetAlignment).Default(agCenter);
  p.Prop("Caption", &TStyCaption::GetCaption, &TStyCaption::SetCaption);
  p.Prop("Font", &TStyCaption::GetFont, &TStyCaption::SetFont);
  p.Prop("FontFx", &TStyCaption::GetFontFx, &TStyCaption::SetFontFx);
  p.Prop("MultiLine", &TStyCaption::GetMultiLine, &TStyCaption::SetMultiLine).Default(false);
}

void TStyCaption::FontChanged(TObject* Sender) {
  if (FFontFx->GetAngle() != 0 && !IsTrueTypeFont(FFont.get())) {
    if (Sender == FFont.get())
      FFontFx->SetAngle(0);
    else
      FFont->SetName("Arial");
  }
  GetChange(Sender);
}

void TStyCaption::DrawCaption(TCanvas* Canvas, const std::string& Text, TRect R, std::uint16_t Flags, TColor Color,
                              std::uint32_t Offset) {
  TRect clipRect;
  TRect* clip = nullptr;
  if (Flags & 0x0008) {
    const TPoint o = UnpackOrigin(Offset);
    clipRect = Offset == 0 ? R : Bounds(R.Left + o.X, R.Top + o.Y, R.Width(), R.Height());
    clip = &clipRect;
  }
  UINT format = AlignmentFormats[FAlignment] | DT_EXPANDTABS | DT_WORDBREAK;
  const bool prefix = Flags & 0x0010;
  if (!prefix) format |= DT_NOPREFIX;
  if (FFontFx->GetAngle() != 0) {
    format |= DT_SINGLELINE;
    if (FAlignment != agTopLeft)
      AlignedTextRect(FAlignment, Text, FFontFx.get(), R, FFont.get(), FMultiLine, prefix, format, R);
  } else if (!FMultiLine) {
    format |= DT_SINGLELINE;
  } else if (FAlignment >= agCenterLeft) {
    AlignedTextRect(FAlignment, Text, FFontFx.get(), R, FFont.get(), FMultiLine, prefix, format, R);
  }
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->GetBrush()->SetColor(Color);
  Canvas->SetFont(FFont.get());
  DrawText3D(Canvas, Text, FFontFx.get(), R, format, Flags, clip);
}

void TStyCaption::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyCaption*>(Source);
  if (!src) return inherited::Assign(Source);
  BeginUpdate();
  FFont->Assign(src->FFont.get());
  FFontFx->Assign(src->FFontFx.get());
  FAlignment = src->FAlignment;
  FCaption = src->FCaption;
  FMultiLine = src->FMultiLine;
  EndUpdate(true);
}
