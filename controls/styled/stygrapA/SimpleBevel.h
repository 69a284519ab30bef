// The bevel of a shape: a plain outline colour, or a two-colour edge that
// makes the face look sunken or raised.
#pragma once

#include <cstdint>

#include "controls/styled/styclass/StyObject.h"
#include "platform/vcl/Graphics.h"

enum TStySimpleBevelStyle : std::uint8_t { sbNormal, sbInset, sbOffset };
DRUMS_ENUM_NAMES(TStySimpleBevelStyle, "sbNormal", "sbInset", "sbOffset")

class TStySimpleBevel : public TStyObject {
  DRUMS_CLASS(TStySimpleBevel, TStyObject)
 public:
  TStySimpleBevel() = default;
  void Assign(TPersistent* Source) override;
  TColor GetColor() const { return FColors[2]; }
  void SetColor(TColor value) { SetColorAt(2, value); }
  TStyBevelWidth GetWidth() const { return FWidth; }
  void SetWidth(TStyBevelWidth value);
  TStySimpleBevelStyle GetStyle() const { return FStyle; }
  void SetStyle(TStySimpleBevelStyle value) { SetValue(FStyle, value); }
  TColor GetLightColor() const { return FColors[0]; }
  void SetLightColor(TColor value) { SetColorAt(0, value); }
  TColor GetShadowColor() const { return FColors[1]; }
  void SetShadowColor(TColor value) { SetColorAt(1, value); }
  static void Publish(TPublisher<TStySimpleBevel>& p);

 private:
  // 0 light, 1 shadow, 2 outline.
  void SetColorAt(int index, TColor value) { SetValue(FColors[index], value); }
  TColor FColors[3] = {clBtnHighlight, clBtnShadow, clBlack};
  TStyBevelWidth FWidth = 2;
  TStySimpleBevelStyle FStyle = sbNormal;
};
