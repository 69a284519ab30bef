// The track bar's standard thumbs, drawn by the control itself: a raised
// block for ticks on both sides, else a pointer towards the ticks.
#pragma once

#include "controls/styled/StyTypes.h"
#include "controls/styled/styextcA/TrackTypes.h"
#include "platform/vcl/Graphics.h"

// Pointer thumbs are drawn over this colour and laid onto the track with it
// left out.
constexpr TColor kStyThumbKeyColor = static_cast<TColor>(0x008080);

// Makes Thumb hold the normal image (filled with Color) on the left and the
// pressed one (filled with the Pattern bitmap) on the right.
void BuildStandardThumb(TBitmap* Thumb, TStyOrientation Orientation, TStyTickMarks Marks, int TrackWidth, TColor Color,
                        TBitmap* Pattern);
