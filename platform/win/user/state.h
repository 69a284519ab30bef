// Focus, activation and capture state of the window manager.
#pragma once

#include "platform/win/user/window.h"

namespace win::user {

struct FocusState {
  HWND focus = nullptr;
  HWND active = nullptr;  // a top-level window
  HWND capture = nullptr;
  bool appActive = false;
};
FocusState& Focus();

// Makes a top-level window the active one (WM_NCACTIVATE, WM_ACTIVATE with
// `how`, focus to it), or none when top is nullptr.
void Activate(Window* top, int how);
// Called while a window is being destroyed: focus, activation and capture
// leave it.
void LeaveStates(Window* w);
// Whether a window (or an ancestor) is disabled.
bool IsEffectivelyDisabled(Window* w);

// The host reported that the application gained or lost activation.
void AppActivation(bool active, Window* top);

}  // namespace win::user
