// The frame around a window's client area: how thick each part is and
// where the caption, menu bar and scroll bars lie.
#pragma once

#include "platform/win/user/window.h"

namespace win::user {

bool HasCaption(DWORD style);
bool HasMenuBar(Window* w);
// Thickness of the border (all edges but the caption and menu bar).
int BorderThickness(DWORD style, DWORD exStyle);
int CaptionHeight(DWORD exStyle);  // with its bottom line

// The client rectangle for a window rectangle, with the default frame
// (what DefWindowProc answers to WM_NCCALCSIZE).
RECT DefaultClientRect(Window* w, const RECT& windowRect);

// Parts of the frame, in window coordinates (0, 0 at the window corner).
struct FrameLayout {
  RECT caption{};  // empty without one
  RECT closeButton{}, maxButton{}, minButton{};
  RECT menuBar{};
  RECT vscroll{}, hscroll{}, sizeBox{};
  int border = 0;
};
FrameLayout LayoutFrame(Window* w);

// DefWindowProc's WM_NCHITTEST, point in screen coordinates.
LRESULT DefaultHitTest(Window* w, POINT screen);

// Whether the scroll bar of that side is on screen.
bool ScrollBarVisible(Window* w, int bar);

}  // namespace win::user
