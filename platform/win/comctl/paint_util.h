// Small drawing helpers the common controls share.
#pragma once

#include "platform/win/commctrl.h"

namespace win::comctl {

// Fills a rectangle with one colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// The font a control draws with: the one set by WM_SETFONT, else the GUI font.
HFONT ControlFont(HFONT chosen);

}  // namespace win::comctl
