#include "platform/vcl/graphics/Pen.h"

#include <iterator>

int PenModeToROP2(TPenMode mode) {
  static constexpr int codes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                  R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                  R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  unsigned index = static_cast<unsigned>(mode);
  return index < std::size(codes) ? codes[index] : R2_COPYPEN;
}

void TPen::Publish(TPublisher<TPen>& p) {
  p.Prop("Color", &TPen::GetColor, &TPen::SetColor).Idents("TColor").Default(clBlack);
  p.Prop("Mode", &TPen::GetMode, &TPen::SetMode).Default(pmCopy);
  p.Prop("Style", &TPen::GetStyle, &TPen::SetStyle).Default(psSolid);
  p.Prop("Width", &TPen::GetWidth, &TPen::SetWidth).Default(1);
}

void TPen::Assign(TPersistent* source) {
  auto* pen = dynamic_cast<TPen*>(source);
  if (pen == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (pen == this) return;
  Changing();
  FColor = pen->FColor;
  FWidth = pen->FWidth;
  FStyle = pen->FStyle;
  FMode = pen->FMode;
  Changed();
}

HGDIOBJ TPen::CreateHandle() {
  static constexpr int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  return CreatePen(styles[FStyle], FWidth, ColorToRGB(FColor));
}

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  Changing();
  FColor = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value < 0 || value == FWidth) return;
  Changing();
  FWidth = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  Changing();
  FStyle = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == FMode) return;
  Changing();
  FMode = value;
  Changed();
}
