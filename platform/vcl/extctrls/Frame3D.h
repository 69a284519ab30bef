// The raised or sunk edge the panel and the bevel draw.
#pragma once

#include "platform/vcl/graphics/Canvas.h"

namespace vcl::extctrls {

// Draws width lines around rect, topColor on the top and left, bottomColor
// on the bottom and right, and shrinks rect by width on every side.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

}  // namespace vcl::extctrls
