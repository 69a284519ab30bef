// Colour ramps, their palettes and the gradient painter.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/styled/styprocs/Blit.h"
#include "platform/vcl/Graphics.h"

enum TStyGradientStyle : std::uint8_t {
  gstHorizontal,
  gstVertical,
  gstSquare,
  gstElliptic,
  gstTopLeft,
  gstTopRight,
  gstBottomLeft,
  gstBottomRight
};
DRUMS_ENUM_NAMES(TStyGradientStyle, "gstHorizontal", "gstVertical", "gstSquare", "gstElliptic", "gstTopLeft",
                 "gstTopRight", "gstBottomLeft", "gstBottomRight")

using TStyColorList = std::vector<TColor>;

// Count colours from StartColor to EndColor, each channel moved by
// MulDiv(i, end - start, Count - 1).
void MakeColorRamp(TColor StartColor, TColor EndColor, std::uint8_t Count, TStyColorList* List);
// A logical palette of the colours (the caller deletes it), 0 for none.
HPALETTE CreateRampPalette(const TStyColorList* List);
// Bands of the listed colours; $1000 realizes Palette, $0004 paints off
// screen first, $0001 clips to Rect moved by Origin (the clip before comes
// back afterwards).
void FillGradient(TCanvas* Canvas, const TRect& Rect, TStyGradientStyle Style, const TStyColorList* Colors,
                  HPALETTE Palette, std::uint16_t Flags, TStyPackedOrigin Origin);
void DrawGradient(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor, std::uint8_t Count,
                  TStyGradientStyle Style, std::uint16_t Flags, TStyPackedOrigin Origin);
