// Text with the library's 3D and rotated effects, its measuring, and the
// placement of a text block in a rectangle.
#pragma once

#include <cstdint>
#include <string>

#include "controls/styled/StyTypes.h"
#include "platform/vcl/Graphics.h"

class TSty3DCaption;

// Text-effect flags.
constexpr std::uint16_t tfEnabled = 0x0002;
constexpr std::uint16_t tfAutoSunken = 0x0004;
constexpr std::uint16_t tfClip = 0x0008;

// The inner size placed in Outer by the alignment.
void AlignRect(TStyAlignment Alignment, const TRect& Inner, const TRect& Outer, TRect& Result);
// R's size for Text in Font with the caption's effects; a rotated caption's
// PosX and PosY are set so that the text is centred in the box.
void MeasureText3D(const std::string& Text, TSty3DCaption* Caption, TRect& R, TFont* Font, bool MultiLine,
                   bool ShowAccel, int ExtraMargin, UINT Format);
void AlignedTextRect(TStyAlignment Alignment, const std::string& Text, TSty3DCaption* Caption, const TRect& Bounds,
                     TFont* Font, bool MultiLine, bool ShowAccel, UINT Format, TRect& Result);
// Draws Text in the canvas's font; Clip (R when null) applies with $0008.
void DrawText3D(TCanvas* Canvas, const std::string& Text, TSty3DCaption* Caption, const TRect& R, UINT Format,
                std::uint16_t Flags, const TRect* Clip);
bool IsTrueTypeFont(TFont* Font);
bool IsTrueTypeCanvas(TCanvas* Canvas);
int FontHeightOfW(TFont* Font);
