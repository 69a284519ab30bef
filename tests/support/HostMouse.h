// A mouse event through the headless host, at a control's client point, as a
// person's hand would give it: the tests that drive controls by the mouse
// share this one way of making the event.
#pragma once

#include "platform/host/headless.h"
#include "platform/vcl/Controls.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace testsupport {

// Queues one host event of type at client point (x, y) of control, for the
// top-level window holding it; the caller pumps the loop.
// clicks 2 is the second click of a double click as the desktop counts it.
inline void PushMouseEvent(host::EventType type, TControl* control, int x, int y,
                           host::MouseButton button = host::MouseButton::Left, int clicks = 1) {
  const TPoint p = control->ClientToScreen(TPoint(x, y));
  TWinControl* holder = dynamic_cast<TWinControl*>(control);
  if (holder == nullptr) holder = control->GetParent();
  HWND top = GetAncestor(holder->GetHandle(), GA_ROOT);
  RECT r{};
  GetWindowRect(top, &r);
  host::Event e;
  e.type = type;
  e.button = button;
  e.clicks = clicks;
  e.window = win::user::HostWindowOf(top);
  e.screenX = p.X;
  e.screenY = p.Y;
  e.x = p.X - r.left;
  e.y = p.Y - r.top;
  host::headless::PushEvent(e);
}

// Queues a left click (button down and up) at client point (x, y) of control.
inline void PushClick(TControl* control, int x, int y, int clicks = 1) {
  for (host::EventType type : {host::EventType::MouseDown, host::EventType::MouseUp})
    PushMouseEvent(type, control, x, y, host::MouseButton::Left, clicks);
}

}  // namespace testsupport
