// The colour gradient parameter object: two colours, a band count and a
// shape; it keeps its colour table (and, when asked, a palette) in step.
#pragma once

#include <cstdint>

#include "controls/styled/styclass/StyObject.h"
#include "controls/styled/styprocs/Gradients.h"

using TStyColorCount = std::uint8_t;  // 2..236

class TStyGradient : public TStyObject {
  DRUMS_CLASS(TStyGradient, TStyObject)
 public:
  TStyGradient();
  ~TStyGradient() override;
  void Assign(TPersistent* Source) override;
  void Change() override;

  TStyColorCount GetColorCount() const { return FColorCount; }
  // Kept within 2..236 whatever a stream holds.
  void SetColorCount(TStyColorCount value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value) { SetValue(FColor, value); }
  TColor GetEndColor() const { return FEndColor; }
  void SetEndColor(TColor value) { SetValue(FEndColor, value); }
  bool GetPaletteRealize() const { return FPaletteRealize; }
  void SetPaletteRealize(bool value) { SetValue(FPaletteRealize, value); }
  TStyGradientStyle GetStyle() const { return FStyle; }
  void SetStyle(TStyGradientStyle value) { SetValue(FStyle, value); }
  const TStyColorList& GetColors() const { return FColors; }
  HPALETTE GetPalette() const { return FPalette; }

  void RebuildColors();
  void DeletePalette();
  void PaintGradient(TCanvas* Canvas, const TRect& R);
  void RealizeGradientPalette(TCanvas* Canvas);

  static void Publish(TPublisher<TStyGradient>& p);

 private:
  TStyColorCount FColorCount = 16;
  TColor FColor = clBlue;
  TStyColorList FColors;
  TColor FEndColor = clBlack;
  bool FPaletteRealize = false;
  HPALETTE FPalette = nullptr;
  TStyGradientStyle FStyle = gstVertical;
};
