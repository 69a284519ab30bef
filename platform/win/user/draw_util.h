// Small drawing helpers of the window manager on top of the GDI core: solid
// fills and 3-D edges for the frame, menus and message boxes.
#pragma once

#include "platform/win/winuser.h"

namespace win::user {

// Fills a logical rectangle with one colour (COLORREF).
void FillSolid(HDC dc, const RECT& r, COLORREF color);
// Fills with a class background: a brush handle or a system colour index + 1.
// False when there is no brush to fill with.
bool FillBackground(HDC dc, const RECT& r, HBRUSH brush);
// A one-pixel frame: top/left in one colour, bottom/right in another.
void Frame3D(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight);
// The classic raised (or sunken) two-pixel edge; r shrinks by two.
void Edge3D(HDC dc, RECT& r, bool raised);
COLORREF Sys(int colorIndex);

}  // namespace win::user
