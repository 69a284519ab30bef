// Keyboard focus, activation and mouse capture.
#include <algorithm>

#include "platform/win/user/geometry.h"
#include "platform/win/user/state.h"
#include "platform/win/user/wm_state.h"

namespace win::user {

FocusState& Focus() {
  return WM().focus;
}

bool IsEffectivelyDisabled(Window* w) {
  for (; w; w = w->parent)
    if (w->style & WS_DISABLED) return true;
  return false;
}

static void ChangeFocus(HWND to) {
  HWND from = Focus().focus;
  if (from == to) return;
  Focus().focus = to;
  if (from && IsWindow(from)) SendMessageA(from, WM_KILLFOCUS, reinterpret_cast<WPARAM>(to), 0);
  // A handler may have moved the focus elsewhere meanwhile.
  if (to && Focus().focus == to && IsWindow(to)) SendMessageA(to, WM_SETFOCUS, reinterpret_cast<WPARAM>(from), 0);
}

void Activate(Window* top, int how) {
  HWND newActive = top ? top->handle : nullptr;
  HWND old = Focus().active;
  if (old == newActive) return;
  if (newActive) {
    Window* w = FromHandle(newActive);
    if (!w) return;
  }
  Focus().active = newActive;
  if (old && IsWindow(old)) {
    SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
    if (IsWindow(old))
      SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), reinterpret_cast<LPARAM>(newActive));
  }
  if (Focus().active != newActive) return;  // a handler changed it
  if (!newActive) {
    ChangeFocus(nullptr);
    return;
  }
  if (!Focus().appActive) {
    Focus().appActive = true;
    for (const WindowRef& t : RefsOf(TopLevels()))
      if (t) SendMessageA(t.Handle(), WM_ACTIVATEAPP, TRUE, 0);
  }
  if (!IsWindow(newActive)) return;
  SendMessageA(newActive, WM_NCACTIVATE, TRUE, 0);
  if (!IsWindow(newActive)) return;
  SendMessageA(newActive, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(newActive)), reinterpret_cast<LPARAM>(old));
  if (Focus().active != newActive || !IsWindow(newActive)) return;
  // Focus moves into the newly active window unless a handler placed it there.
  HWND f = Focus().focus;
  if (!f || (f != newActive && !IsChild(newActive, f))) {
    if (!IsIconic(newActive))
      ChangeFocus(newActive);
    else
      ChangeFocus(nullptr);
  }
}

void AppActivation(bool active, Window* top) {
  if (active == Focus().appActive) {
    if (active && top && Focus().active != top->handle) Activate(top, WA_ACTIVE);
    return;
  }
  if (active) {
    if (top)
      Activate(top, WA_ACTIVE);
    else {
      Focus().appActive = true;
      for (const WindowRef& t : RefsOf(TopLevels()))
        if (t) SendMessageA(t.Handle(), WM_ACTIVATEAPP, TRUE, 0);
    }
  } else {
    Focus().appActive = false;
    for (const WindowRef& t : RefsOf(TopLevels()))
      if (t) SendMessageA(t.Handle(), WM_ACTIVATEAPP, FALSE, 0);
    Activate(nullptr, WA_INACTIVE);
  }
}

void LeaveStates(Window* w) {
  HWND h = w->handle;
  FocusState& s = Focus();
  if (s.capture == h) {
    s.capture = nullptr;
    host::Get().CaptureMouse(false);
    SendMessageA(h, WM_CAPTURECHANGED, 0, 0);
  }
  if (s.focus == h) {
    s.focus = nullptr;
    if (w->parent && IsWindow(w->parent->handle) && !w->parent->destroying) ChangeFocus(w->parent->handle);
  }
  if (s.active == h) {
    s.active = nullptr;
    Window* next = nullptr;
    if (w->owner && IsWindow(w->owner->handle) && IsReallyVisible(w->owner)) next = w->owner;
    for (Window* t : TopLevels())
      if (!next && t != w && !t->destroying && IsReallyVisible(t) &&
          !((t->exStyle & WS_EX_TOOLWINDOW) && (t->style & WS_POPUP)))
        next = t;
    if (next)
      Activate(next, WA_ACTIVE);
    else if (s.focus && (s.focus == h || IsChild(h, s.focus)))
      s.focus = nullptr;
  }
}

}  // namespace win::user

using namespace win::user;

HWND SetFocus(HWND hwnd) {
  HWND old = Focus().focus;
  if (!hwnd) {
    ChangeFocus(nullptr);
    return old;
  }
  Window* w = FromHandle(hwnd);
  if (!w || w->threadId != CurrentThreadId()) return nullptr;
  if (IsEffectivelyDisabled(w) && w->parent) return nullptr;
  Window* top = TopLevelOf(w);
  if (Focus().active != top->handle) {
    Activate(top, WA_ACTIVE);
    if (!IsWindow(hwnd)) return old;
  }
  ChangeFocus(hwnd);
  return old;
}

HWND GetFocus() {
  return Focus().focus;
}

HWND SetActiveWindow(HWND hwnd) {
  HWND old = Focus().active;
  Window* w = FromHandle(hwnd);
  if (hwnd && (!w || w->parent)) return nullptr;
  Activate(w, WA_ACTIVE);
  return old;
}

HWND GetActiveWindow() {
  return Focus().active;
}

BOOL SetForegroundWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  w = TopLevelOf(w);
  if (w->hostId && IsReallyVisible(w)) host::Get().Raise(w->hostId);
  Activate(w, WA_ACTIVE);
  return TRUE;
}

HWND GetForegroundWindow() {
  return Focus().appActive ? Focus().active : nullptr;
}

HWND SetCapture(HWND hwnd) {
  HWND old = Focus().capture;
  Window* w = FromHandle(hwnd);
  if (!w) return old;
  if (old == hwnd) return old;
  Focus().capture = hwnd;
  host::Get().CaptureMouse(true);
  if (old && IsWindow(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

BOOL ReleaseCapture() {
  HWND old = Focus().capture;
  if (!old) return TRUE;
  Focus().capture = nullptr;
  host::Get().CaptureMouse(false);
  if (IsWindow(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  return Focus().capture;
}
