// Sending notifications to a control's parent, as every common control does.
#pragma once

#include "platform/win/commctrl.h"

namespace win::comctl {

// Fills the header (sender, id, code) and sends WM_NOTIFY to the parent;
// the parent's answer comes back. No parent: 0.
LRESULT Notify(HWND from, UINT code, NMHDR* header);
// A notification that is nothing but its header.
LRESULT NotifyCode(HWND from, UINT code);

// Fills a rectangle with one colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
COLORREF SysColour(int index);
// The font a control draws with: the one set by WM_SETFONT, else the GUI font.
HFONT ControlFont(HFONT chosen);

}  // namespace win::comctl
