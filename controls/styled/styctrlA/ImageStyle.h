// What the image controls' Style means to the blit engine, and the size an
// auto-sized image takes.
#pragma once

#include <cstdint>

#include "controls/styled/StyTypes.h"
#include "platform/vcl/Graphics.h"

// The draw-flag bits of Style. The clip bit is toggled for a control
// without a bevel, so such a control draws the natural placements unclipped
// and the stretching ones clipped.
std::uint16_t BitmapStyleFlags(TStyBitmapStyle Style, int BevelExtent);

// An auto-sized image: the picture's size, or 20 x 20 when there is none,
// plus the bevel on both sides.
TPoint AutoImageSize(bool Empty, int PictureWidth, int PictureHeight, int BevelExtent);
