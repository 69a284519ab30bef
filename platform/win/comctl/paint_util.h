// Small drawing helpers the common controls share.
#pragma once

#include "platform/win/commctrl.h"

namespace win::comctl {

// Fills a rectangle with one colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// The font a control draws with: the one set by WM_SETFONT, else the GUI font.
HFONT ControlFont(HFONT chosen);
// WM_PAINT (wParam 0: the update region, between BeginPaint and EndPaint)
// and WM_PRINTCLIENT (wParam the DC: the whole client area) alike.
template <class Paint>
void PaintClient(HWND hwnd, WPARAM wParam, Paint&& paint) {
  if (wParam) {
    RECT all;
    GetClientRect(hwnd, &all);
    paint(reinterpret_cast<HDC>(wParam), all);
    return;
  }
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(hwnd, &ps);
  paint(dc, ps.rcPaint);
  EndPaint(hwnd, &ps);
}

}  // namespace win::comctl
