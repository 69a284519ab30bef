// Where a scroll-bar message asks a view to scroll to, from its position and
// the sizes of a line and a page; every scrolling view reads it the same way.
#pragma once

#include <optional>

#include "platform/win/winuser.h"

namespace win::comctl {

// The position a WM_HSCROLL / WM_VSCROLL asks for on `bar` of `hwnd` (the
// thumb's track position is read from the bar). SB_BOTTOM asks for a position
// far past the end, which the view clamps. Codes that ask for nothing
// (SB_ENDSCROLL): no position.
std::optional<int> ScrollTarget(HWND hwnd, int bar, WPARAM wParam, int pos, int line, int page);

}  // namespace win::comctl
