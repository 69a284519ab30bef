// Frames and decorations drawn on a canvas: two-colour bevels, the shadow
// bevel, the border styles over DrawEdge and small triangle arrows. A
// rectangle passed in and out ends as the area left inside the frame.
#pragma once

#include <cstdint>

#include "controls/styled/StyTypes.h"
#include "platform/vcl/Graphics.h"

// True when something was drawn and Rect shrunk.
bool DrawBevel(TCanvas* Canvas, TRect& Rect, TStyBevelStyle Style, TColor LightColor, TColor ShadowColor, int Width);
bool DrawShadowBevel(TCanvas* Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor,
                     std::uint8_t Depth, std::uint8_t FrameCount, bool Transparent);
int BorderStyleWidth(TStyBorderStyle Style);
// ExtraFlags are or-ed into the DrawEdge flags of the calls that take them.
bool DrawBorderStyle(TCanvas* Canvas, TRect& Rect, TStyBorderStyle Style, std::uint16_t ExtraFlags);
// Sizes 2..15 only; a disabled arrow is a highlight arrow one pixel down
// and right under a grey one.
void DrawArrow(TCanvas* Canvas, int X, int Y, int Size, TColor Color, bool Down, bool Enabled);
void FillBitmap(TBitmap* Bitmap, const TRect& Rect, TColor Color);
