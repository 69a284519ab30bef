// The track bar's enumerations.
#pragma once

#include <cstdint>

#include "platform/vcl/Classes.h"

enum TStyThumbStyle : std::uint8_t { tsStandard, tsCustom };
DRUMS_ENUM_NAMES(TStyThumbStyle, "tsStandard", "tsCustom")
enum TStyTickStyle : std::uint8_t { tsAuto, tsOwnerDraw, tsNone };
DRUMS_ENUM_NAMES(TStyTickStyle, "tsAuto", "tsOwnerDraw", "tsNone")
// The bitmap slider names tmBottomRight, tmTopLeft and tmBoth too; code that
// uses both libraries says styextcA::tmBoth, as a unit prefix.
namespace styextcA {
enum TStyTickMarks : std::uint8_t { tmBoth, tmBottomRight, tmTopLeft };
// In the namespace, where the streaming finds the names.
DRUMS_ENUM_NAMES(TStyTickMarks, "tmBoth", "tmBottomRight", "tmTopLeft")
}  // namespace styextcA
using styextcA::TStyTickMarks;
enum TStyTrackBarFocusStyle : std::uint8_t { tbFocus, tbInvisibleFocus, tbNoFocus };
DRUMS_ENUM_NAMES(TStyTrackBarFocusStyle, "tbFocus", "tbInvisibleFocus", "tbNoFocus")
