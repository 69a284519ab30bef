// Button frames in the library's eleven styles and the states of the
// button state byte; the rectangle comes back as the content area.
#pragma once

#include <cstdint>

#include "controls/styled/StyTypes.h"
#include "platform/vcl/Graphics.h"

constexpr std::uint16_t bfClearCorners = 0x0001;
constexpr std::uint16_t bfFocused = 0x0002;
constexpr std::uint16_t bfVariant = 0x0004;
constexpr std::uint16_t bfSunkenWhenDown = 0x0008;
constexpr std::uint16_t bfDefaultMiddle = 0x0010;
constexpr std::uint16_t bfDefault = 0x0020;

bool DrawButtonFrame(TCanvas* Canvas, bool PlainFlatFill, TRect& Rect, TStyUserButtonStyle Style, int State,
                     std::uint16_t Flags, TColor Color);
