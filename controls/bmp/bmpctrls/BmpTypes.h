// The bitmap controls' shared types: the slider's axis, bevel, ticks and
// paint options, the option set of the slider and the button.
#pragma once

#include "platform/vcl/Classes.h"

// The styled controls name values of their own toHorizontal and bvNone; code
// that uses both libraries says BmpCtrls::toHorizontal, as a unit prefix. The
// class library has a TBevelCut of its own, so this one keeps its prefix. The
// value names stand in the namespace too, where the streaming finds them.
namespace BmpCtrls {
enum TTrackOrientation { toHorizontal, toVertical };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
DRUMS_ENUM_NAMES(TTrackOrientation, "toHorizontal", "toVertical")
DRUMS_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
}  // namespace BmpCtrls
using BmpCtrls::TTrackOrientation;
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
DRUMS_ENUM_NAMES(TTickMark, "tmBottomRight", "tmTopLeft", "tmBoth")
enum TPaintOption { poDrawFocusRect, poDrawTrackBar, poDrawTicks, poDrawThumb, poDrawThumbStates };
DRUMS_ENUM_NAMES(TPaintOption, "poDrawFocusRect", "poDrawTrackBar", "poDrawTicks", "poDrawThumb", "poDrawThumbStates")
using TPaintOptions = TSet<TPaintOption>;
// The options the bitmap controls act on: the slider the wallpaper and
// see-through ones, the button all of them.
enum TBmpOption {
  ocPaintWallpaper,
  ocTileWallpaper,
  ocPaintTransparently,
  ocPaintGradiently,
  ocRoundedForm,
  ocFlatBorder
};
DRUMS_ENUM_NAMES(TBmpOption, "ocPaintWallpaper", "ocTileWallpaper", "ocPaintTransparently", "ocPaintGradiently",
                 "ocRoundedForm", "ocFlatBorder")
using TBmpOptions = TSet<TBmpOption>;

// The bitmap controls' start-up: the built-in pictures (the THUMB_* bitmaps)
// and the controls' classes for form data. It needs nothing started before
// it; a second start only counts. DoneBmpCtrls, matching the last start,
// takes both back; one with no start to match does nothing.
void InitBmpCtrls();
void DoneBmpCtrls();
