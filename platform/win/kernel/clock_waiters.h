// How timed waits hear of the manual clock moving: while registered, a
// thread's eventfd becomes readable on every Advance.
#pragma once

#include <cstdint>

namespace win::clock {

// The calling thread's wake-up descriptor (made on first use).
int ThreadWakeFd();
// Drains it after a poll.
void DrainThreadWakeFd();

class AdvanceWaiter {
 public:
  AdvanceWaiter();  // registers the calling thread's wake-up descriptor
  ~AdvanceWaiter();
  AdvanceWaiter(const AdvanceWaiter&) = delete;
  AdvanceWaiter& operator=(const AdvanceWaiter&) = delete;
};

// Wall-clock time in microseconds since 1970 that goes with NowMicros: under
// the manual clock it moves only with Advance.
std::int64_t WallMicros();

}  // namespace win::clock
