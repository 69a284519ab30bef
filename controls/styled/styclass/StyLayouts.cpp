#include "controls/styled/styclass/StyLayouts.h"

void TStyGlyphTextLayout::Publish(TPublisher<TStyGlyphTextLayout>& p) {
  p.Prop("Alignment", &TStyGlyphTextLayout::GetAlignment, &TStyGlyphTextLayout::SetAlignment).Default(agTopLeft);
  p.Prop("AlignText2Glyph", &TStyGlyphTextLayout::GetAlignText2Glyph, &TStyGlyphTextLayout::SetAlignText2Glyph)
      .Default(taRight);
  p.Prop("OffsetX", &TStyGlyphTextLayout::GetOffsetX, &TStyGlyphTextLayout::SetOffsetX).Default(0);
  p.Prop("OffsetY", &TStyGlyphTextLayout::GetOffsetY, &TStyGlyphTextLayout::SetOffsetY).Default(0);
  p.Prop("Spacing", &TStyGlyphTextLayout::GetSpacing, &TStyGlyphTextLayout::SetSpacing).Default(2);
}

void TStyGlyphTextLayout::CopyLayout(const TStyGlyphTextLayout& src) {
  FAlignment = src.FAlignment;
  FAlignText2Glyph = src.FAlignText2Glyph;
  FOffset[0] = src.FOffset[0];
  FOffset[1] = src.FOffset[1];
  FSpacing = src.FSpacing;
}

void TStyGlyphTextLayout::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyGlyphTextLayout*>(Source);
  if (!src) return inherited::Assign(Source);
  CopyLayout(*src);
  Change();
}

void TStyButtonLayout::Publish(TPublisher<TStyButtonLayout>& p) {
  p.Prop("Alignment", &TStyButtonLayout::GetAlignment, &TStyButtonLayout::SetAlignment).Default(agCenter);
  p.Prop("Arrow", &TStyButtonLayout::GetArrow, &TStyButtonLayout::SetArrow).Default(false);
  p.Prop("ArrowColor", &TStyButtonLayout::GetArrowColor, &TStyButtonLayout::SetArrowColor)
      .Idents("TColor")
      .Default(clBlack);
  p.Prop("ArrowIndent", &TStyButtonLayout::GetArrowIndent, &TStyButtonLayout::SetArrowIndent).Default(3);
  p.Prop("ArrowPosition", &TStyButtonLayout::GetArrowPosition, &TStyButtonLayout::SetArrowPosition)
      .Default(apRightText);
  p.Prop("ArrowSize", &TStyButtonLayout::GetArrowSize, &TStyButtonLayout::SetArrowSize).Default(3);
}

void TStyButtonLayout::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyButtonLayout*>(Source);
  if (!src) return inherited::Assign(Source);
  BeginUpdate();
  CopyLayout(*src);
  FArrow = src->FArrow;
  FArrowColor = src->FArrowColor;
  FArrowIndent = src->FArrowIndent;
  FArrowPosition = src->FArrowPosition;
  FArrowSize = src->FArrowSize;
  EndUpdate(true);
}

void TStyTransparent::Publish(TPublisher<TStyTransparent>& p) {
  p.Prop("Color", &TStyTransparent::GetColor, &TStyTransparent::SetColor).Idents("TColor").Default(clBtnFace);
  p.Prop("Mode", &TStyTransparent::GetMode, &TStyTransparent::SetMode).Default(tpNone);
}

void TStyTransparent::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyTransparent*>(Source);
  if (!src) return inherited::Assign(Source);
  FColor = src->FColor;
  FMode = src->FMode;
  Change();
}

void TStyShadow::Publish(TPublisher<TStyShadow>& p) {
  p.Prop("Color", &TStyShadow::GetColor, &TStyShadow::SetColor).Idents("TColor").Default(clBtnShadow);
  p.Prop("Depth", &TStyShadow::GetDepth, &TStyShadow::SetDepth).Default(6);
  p.Prop("Style", &TStyShadow::GetStyle, &TStyShadow::SetStyle).Default(hssSolid);
}

void TStyShadow::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyShadow*>(Source);
  if (!src) return inherited::Assign(Source);
  FColor = src->FColor;
  FDepth = src->FDepth;
  FStyle = src->FStyle;
  Change();
}
