// The LED colour: the step lights of the main window glow in the colour the
// skin chooses from the dialog's colour box, which lists the class library's
// sixteen standard colours; a skin stores the entry's index.
#pragma once

#include "platform/vcl/Graphics.h"

constexpr int LedColorCount = 16;
// clYellow, the colour the dialog starts with.
constexpr int DefaultLedColorIndex = 11;

// The colour of entry index; clYellow for an index outside the box.
TColor LedColor(int index);
