#include "controls/styled/stygrapA/SimpleBevel.h"

#include <algorithm>

void TStySimpleBevel::Publish(TPublisher<TStySimpleBevel>& p) {
  p.Prop("Color", &TStySimpleBevel::GetColor, &TStySimpleBevel::SetColor).Idents("TColor").Default(clBlack);
  p.Prop("Width", &TStySimpleBevel::GetWidth, &TStySimpleBevel::SetWidth).Default(2);
  p.Prop("Style", &TStySimpleBevel::GetStyle, &TStySimpleBevel::SetStyle).Default(sbNormal);
  p.Prop("LightColor", &TStySimpleBevel::GetLightColor, &TStySimpleBevel::SetLightColor)
      .Idents("TColor")
      .Default(clBtnHighlight);
  p.Prop("ShadowColor", &TStySimpleBevel::GetShadowColor, &TStySimpleBevel::SetShadowColor)
      .Idents("TColor")
      .Default(clBtnShadow);
}

void TStySimpleBevel::SetWidth(TStyBevelWidth value) {
  SetValue(FWidth, std::min<TStyBevelWidth>(value, 50));
}

void TStySimpleBevel::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStySimpleBevel*>(Source);
  if (!src) return inherited::Assign(Source);
  std::copy(std::begin(src->FColors), std::end(src->FColors), std::begin(FColors));
  FWidth = src->FWidth;
  FStyle = src->FStyle;
  Change();
}
