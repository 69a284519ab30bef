// The one idle hook of the platform. The class library installs it; its main
// loop and every modal loop of the window manager (popup menus, message
// boxes, moving and sizing, and later dialogs and drag and drop) call
// IdleThenWait whenever their queue is empty, so that work done at idle time
// (the drum machine's step clock) keeps running while a menu or a box is open.
#pragma once

#include <cstdint>
#include <functional>

namespace win::user {

// The hook returns true when it is done (nothing more to do until a message
// arrives), false when it wants to run again soon.
void SetIdleHook(std::function<bool()> hook);

// Called by the idle hook while it runs, when it says it is not done but has
// nothing to do before a time of the clock seam (microseconds): the wait that
// follows may then last until that time instead of only to the next
// millisecond. A message arriving earlier still ends the wait at once.
void SetIdleWakeTime(std::uint64_t micros);

// Runs the idle hook, then waits for the next message; when the hook said it
// is not done, waits only until the next millisecond boundary of the clock
// seam, or until the time it gave SetIdleWakeTime. A message arriving earlier ends the wait at once. Does nothing but
// return when a message is already waiting.
void IdleThenWait();

}  // namespace win::user
