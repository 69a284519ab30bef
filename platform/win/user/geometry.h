// Window positions, sizes, z-order and visibility.
#pragma once

#include "platform/win/user/window.h"

namespace win::user {

BOOL SetWindowPosInternal(Window* w, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
// The window rectangle in screen coordinates.
RECT ScreenRect(Window* w);
// The client rectangle in screen coordinates.
RECT ScreenClient(Window* w);
// Recomputes the client rectangle through WM_NCCALCSIZE after a frame change.
void RecalcClient(Window* w);
// The host moved or sized a top-level window (or it was minimised/restored).
void HostMovedOrSized(Window* top, const RECT& screenRect);
// A top-level window gets its host window when it is first shown, so that
// hidden utility windows never reach the desktop.
void EnsureHostWindow(Window* top);
// The host window of a top-level follows its rectangle.
void SyncHostBounds(Window* top);
// The window under a screen point (honouring HTTRANSPARENT), or nullptr.
Window* WindowAtScreenPoint(POINT screen);

}  // namespace win::user
