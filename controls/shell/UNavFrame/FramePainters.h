// The frame painters of the shell browser library: eleven frame styles drawn
// on a canvas around a rectangle whose right and bottom lines lie inside the
// frame, the inside of each style's border, and the caption text.
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/Graphics.h"

enum TNavFrameStyle : std::uint8_t {
  navfsNone,
  navfsGroup,
  navfsLowered,
  navfsRaised,
  navfsDint,
  navfsBump,
  navfsSingle,
  navfsHorzLine,
  navfsHorzEdge,
  navfsVertLine,
  navfsVertEdge
};
DRUMS_ENUM_NAMES(TNavFrameStyle, "navfsNone", "navfsGroup", "navfsLowered", "navfsRaised", "navfsDint", "navfsBump",
                 "navfsSingle", "navfsHorzLine", "navfsHorzEdge", "navfsVertLine", "navfsVertEdge")

using TNavFramePaintEvent = TEvent<void(TObject* aSender, TCanvas* aCanvas)>;

void DrawFrameLowered(TCanvas* Canvas, const TRect& R);
void DrawFrameRaised(TCanvas* Canvas, const TRect& R);
void DrawFrameDint(TCanvas* Canvas, const TRect& R);
void DrawFrameBump(TCanvas* Canvas, const TRect& R);
// A rectangle in clWindowFrame filled with the canvas's current brush.
void DrawFrameSingle(TCanvas* Canvas, const TRect& R);
// The etched group outline with the caption in its gap, on a fill of Color.
void DrawFrameGroup(TCanvas* Canvas, const TRect& R, const std::string& Caption, bool Enabled, TColor Color);
void DrawFrameVertLine(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2);
void DrawFrameVertEdge(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2);
void DrawFrameHorzLine(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2);
void DrawFrameHorzEdge(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2);

// Shrinks R to the inside of the style's border; only the low 7 bits of the
// style byte count.
void AdjustFrameRect(std::uint8_t Style, TRect& R);
// DrawTextEx of the caption into R with the DT_ flags; when measuring
// (DT_CALCRECT) an empty caption, or a lone "&" that would be a prefix, is
// measured as " ", so it still has a line's height. Returns the text height.
int DrawFrameCaption(TCanvas* Canvas, TRect& R, UINT Format, const std::string& Caption);
// The painter of Style with the system colours the groups and frames use
// (the group style draws Caption); navfsNone draws nothing.
void DrawFrameStyle(TCanvas* Canvas, const TRect& R, TNavFrameStyle Style, const std::string& Caption, bool Enabled,
                    TColor Color);
