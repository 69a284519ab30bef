// The one clock seam of the platform. Every time function (GetTickCount,
// timeGetTime, the microsecond clock) and every timed wait reads it, so tests
// can drive time by hand instead of waiting for it.
#pragma once

#include <cstdint>
#include <functional>

namespace win::clock {

// Microseconds since an arbitrary start; never goes back.
std::uint64_t NowMicros();

// Tests: from now on the clock stands still at startMicros and moves only by
// Advance. Timed waits then end when the manual clock passes their deadline.
void UseManual(std::uint64_t startMicros);
// Moves the manual clock forward and wakes every timed wait and listener.
void Advance(std::uint64_t micros);
// Back to the real monotonic clock.
void UseReal();
bool IsManual();

// Called after each Advance, on the advancing thread (the window manager uses
// it to wake its message loop). Returns an id for RemoveAdvanceListener.
int AddAdvanceListener(std::function<void()> listener);
void RemoveAdvanceListener(int id);

}  // namespace win::clock
