// The one idle hook of the platform. The class library installs it; its main
// loop and every modal loop of the window manager (popup menus, message
// boxes, moving and sizing, and later dialogs and drag and drop) call
// IdleThenWait whenever their queue is empty, so that work done at idle time
// (the drum machine's step clock) keeps running while a menu or a box is open.
#pragma once

#include <functional>

namespace win::user {

// The hook returns true when it is done (nothing more to do until a message
// arrives), false when it wants to run again soon.
void SetIdleHook(std::function<bool()> hook);

// Runs the idle hook, then waits for the next message; when the hook said it
// is not done, waits only until the next millisecond boundary of the clock
// seam. A message arriving earlier ends the wait at once. Does nothing but
// return when a message is already waiting.
void IdleThenWait();

}  // namespace win::user
