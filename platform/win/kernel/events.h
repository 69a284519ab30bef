// What tests see of an event's waiters, so they can tell when threads are
// blocked on it without sleeping.
#pragma once

#include "platform/win/windef.h"

namespace win::kernel {

struct EventWaiters {
  int waiting = 0;  // waits in progress on the event
  int released = 0;  // of those, released by a pulse but not yet returned
};

// False for a handle that is no event.
bool GetEventWaiters(HANDLE event, EventWaiters* out);

}  // namespace win::kernel
