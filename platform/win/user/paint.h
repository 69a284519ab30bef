// Painting internals shared by the queue, geometry and the frame code.
#pragma once

#include "platform/win/gdi/region.h"
#include "platform/win/user/window.h"

namespace win::user {

// The first window of this thread that needs WM_PAINT (parents before
// children, so children paint on top), or nullptr.
Window* NextWindowToPaint(DWORD threadId, HWND filter);
// Sends the changed parts of every top-level surface to the host.
void FlushPresents();
// Marks a rectangle of a top-level surface as changed (surface coordinates).
void MarkDirty(Window* top, const RECT& surfaceRect);

// Client area origin and window origin of a window in its top-level surface.
POINT ClientOriginInSurface(Window* w);
POINT WindowOriginInSurface(Window* w);

// Adds to the update region (client coordinates) of a window and, when asked,
// of its children; erase marks WM_ERASEBKGND as due.
void InvalidateWindow(Window* w, const gdi::Region* rgn, bool erase, bool children, bool frame);
// Sends WM_NCPAINT and WM_ERASEBKGND as due, then WM_PAINT, for a window and
// (when asked) its children, right now.
void PaintNow(Window* w, bool children);

// The part of a window (client area or the whole window) that is visible in
// its top-level surface, in surface coordinates.
gdi::Region VisibleRegion(Window* w, bool wholeWindow, bool clipChildren, bool clipSiblings);

// A window DC that leaves the client area alone (for drawing the frame).
HDC GetFrameDC(Window* w);

// Called when a top-level window's host surface changed size.
void SurfaceResized(Window* top);

}  // namespace win::user
