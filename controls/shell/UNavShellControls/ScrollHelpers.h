// Scrolling a shell control while dragging near its edges and by the mouse
// wheel.
#pragma once

#include "platform/vcl/Controls.h"

// The shell tree and list: the mouse wheel goes to the one under the
// pointer.
class INavShellBrowserControl {
 public:
  virtual ~INavShellBrowserControl() = default;
};
inline bool IsShellBrowserControl(TWinControl* control) {
  return dynamic_cast<INavShellBrowserControl*>(control) != nullptr;
}

enum TNavScrollBar { nsbHorizontal = 0, nsbVertical = 1 };

// Sends WM_HSCROLL or WM_VSCROLL with the code to the control only when the
// bar can move (its range is larger than its page).
void ScrollIfPossible(TWinControl* control, TNavScrollBar bar, WORD code);
// One page when the system scrolls a page per notch; otherwise the line
// code as many times as the system's wheel lines (vertical) or once
// (horizontal). Returns true.
bool WheelScroll(TWinControl* control, TNavScrollBar bar, WORD lineCode, WORD pageCode);
