// Small parameter objects: how a glyph and a text share a button face (with
// an optional drop-down arrow), a control's transparency and its shadow.
#pragma once

#include "controls/styled/styclass/StyObject.h"
#include "platform/vcl/Graphics.h"

class TStyGlyphTextLayout : public TStyObject {
  DRUMS_CLASS(TStyGlyphTextLayout, TStyObject)
 public:
  TStyGlyphTextLayout() = default;
  void Assign(TPersistent* Source) override;
  TStyAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TStyAlignment value) { SetValue(FAlignment, value); }
  TStyTextArrange GetAlignText2Glyph() const { return FAlignText2Glyph; }
  void SetAlignText2Glyph(TStyTextArrange value) { SetValue(FAlignText2Glyph, value); }
  int GetOffsetX() const { return FOffset[0]; }
  void SetOffsetX(int value) { SetOffset(0, value); }
  int GetOffsetY() const { return FOffset[1]; }
  void SetOffsetY(int value) { SetOffset(1, value); }
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int value) { SetValue(FSpacing, value); }
  static void Publish(TPublisher<TStyGlyphTextLayout>& p);

 protected:
  void CopyLayout(const TStyGlyphTextLayout& src);
  TStyAlignment FAlignment = agTopLeft;

 private:
  void SetOffset(int index, int value) { SetValue(FOffset[index], value); }
  TStyTextArrange FAlignText2Glyph = taRight;
  int FOffset[2] = {0, 0};
  int FSpacing = 2;
};

class TStyButtonLayout : public TStyGlyphTextLayout {
  DRUMS_CLASS(TStyButtonLayout, TStyGlyphTextLayout)
 public:
  TStyButtonLayout() { FAlignment = agCenter; }
  void Assign(TPersistent* Source) override;
  bool GetArrow() const { return FArrow; }
  void SetArrow(bool value) { SetValue(FArrow, value); }
  TColor GetArrowColor() const { return FArrowColor; }
  void SetArrowColor(TColor value) { SetValue(FArrowColor, value); }
  int GetArrowIndent() const { return FArrowIndent; }
  void SetArrowIndent(int value) { SetValue(FArrowIndent, value); }
  TStyArrowPosition GetArrowPosition() const { return FArrowPosition; }
  void SetArrowPosition(TStyArrowPosition value) { SetValue(FArrowPosition, value); }
  TStyDDArrowSize GetArrowSize() const { return FArrowSize; }
  void SetArrowSize(TStyDDArrowSize value) { SetValue(FArrowSize, value); }
  static void Publish(TPublisher<TStyButtonLayout>& p);

 private:
  bool FArrow = false;
  TColor FArrowColor = clBlack;
  int FArrowIndent = 3;
  TStyArrowPosition FArrowPosition = apRightText;
  TStyDDArrowSize FArrowSize = 3;
};

class TStyTransparent : public TStyObject {
  DRUMS_CLASS(TStyTransparent, TStyObject)
 public:
  TStyTransparent() = default;
  void Assign(TPersistent* Source) override;
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value) { SetValue(FColor, value); }
  TStyTransparentMode GetMode() const { return FMode; }
  void SetMode(TStyTransparentMode value) { SetValue(FMode, value); }
  static void Publish(TPublisher<TStyTransparent>& p);

 private:
  TColor FColor = clBtnFace;
  TStyTransparentMode FMode = tpNone;
};

class TStyShadow : public TStyObject {
  DRUMS_CLASS(TStyShadow, TStyObject)
 public:
  TStyShadow() = default;
  void Assign(TPersistent* Source) override;
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value) { SetValue(FColor, value); }
  TStyShadowDepth GetDepth() const { return FDepth; }
  void SetDepth(TStyShadowDepth value) { SetValue(FDepth, value); }
  TStyShadowStyle GetStyle() const { return FStyle; }
  void SetStyle(TStyShadowStyle value) { SetValue(FStyle, value); }
  static void Publish(TPublisher<TStyShadow>& p);

 private:
  TColor FColor = clBtnShadow;
  TStyShadowDepth FDepth = 6;
  TStyShadowStyle FStyle = hssSolid;
};
