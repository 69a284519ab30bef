// Shared pieces of the window manager's modal loops.
#pragma once

#include "platform/win/winuser.h"

namespace win::user {

// Takes the next message for a modal loop, running the idle hook while the
// queue is empty. False when WM_QUIT arrived (it is posted again for the
// outer loop).
bool NextModalMessage(MSG& msg);

}  // namespace win::user
