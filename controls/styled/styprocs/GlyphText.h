// A glyph and a caption laid out together on a button face, with an
// optional drop-down arrow.
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/Graphics.h"

class TSty3DCaption;
class TStyGlyphTextLayout;

// Layout flags beside the text-effect flags.
constexpr std::uint16_t gfKeepTopLeft = 0x0020;
constexpr std::uint16_t gfReportText = 0x0040;
constexpr std::uint16_t gfReportGlyph = 0x0080;
constexpr std::uint16_t gfReportUnion = 0x0100;
constexpr std::uint16_t gfMeasureOnly = 0x0200;

// The rectangle the flags ask for comes back in GlyphRect.
void DrawGlyphText(TCanvas* Canvas, const std::string& Text, TSty3DCaption* Caption, const TRect& R,
                   TCanvas* GlyphCanvas, TRect& GlyphRect, TCanvas* MaskCanvas, TColor TransparentColor,
                   TStyGlyphTextLayout* Layout, bool MultiLine, bool ShowAccel, bool TransparentGlyph,
                   std::uint16_t Flags, UINT Format);
