// The frame: drawing it and what clicks on it do.
#pragma once

#include "platform/win/user/window.h"

namespace win::user {

// WM_NCPAINT: caption, borders, edges, menu bar and scroll bars.
void PaintFrame(Window* w);
// WM_NCLBUTTONDOWN and WM_NCLBUTTONDBLCLK (the hit code in wParam).
void FrameButtonDown(Window* w, int hit, POINT screen, bool doubleClick);
// WM_SYSCOMMAND.
void SysCommand(Window* w, WPARAM cmd, LPARAM lParam);
// The modal move or size loop; hit is HTCAPTION or a border code.
void MoveSizeLoop(Window* w, int hit, POINT start, bool fromKeyboard);

// Scroll bars of the frame.
void PaintScrollBar(Window* w, HDC windowDC, int bar);
void TrackScrollBar(Window* w, int bar, POINT screen);

// Menu bar: drawing and the loop that runs while it is open.
void PaintMenuBar(Window* w, HDC windowDC, const RECT& bar);
void MenuBarLoop(Window* w, POINT screen, bool byMouse, int key);

// Lets the desktop move and size top-level windows by their frame.
void InstallHostHitTest();

}  // namespace win::user
