#include "platform/win/user/idle_hook.h"

#include <chrono>
#include <thread>

#include "platform/win/kernel/clock.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/wm_state.h"

namespace win::user {
namespace {
std::function<bool()>& Hook() {
  return WM().idleHook;
}
// The time the running hook gave SetIdleWakeTime; 0: none.
thread_local std::uint64_t wakeTime = 0;
}  // namespace

void SetIdleHook(std::function<bool()> hook) {
  Hook() = std::move(hook);
}

void SetIdleWakeTime(std::uint64_t micros) {
  wakeTime = micros;
}

void IdleThenWait() {
  if (QueueHasWork()) return;
  bool done = true;
  wakeTime = 0;
  if (Hook()) {
    // The hook may itself install another; call a copy.
    auto hook = Hook();
    done = hook();
  }
  if (QueueHasWork()) return;
  if (done) {
    WaitForQueue(std::nullopt);
  } else {
    const bool asked = wakeTime != 0;
    const std::uint64_t until = asked ? wakeTime : (clock::NowMicros() / 1000 + 1) * 1000;
    wakeTime = 0;
    if (!asked || clock::IsManual()) {
      WaitForQueue(until);
      return;
    }
    // The queue's wait wakes in whole milliseconds: it takes the loop to
    // just before the time asked for, and a short sleep the rest of the way,
    // so that the idle handler runs when it wants to and not up to a
    // millisecond later.
    constexpr std::uint64_t kMargin = 1500;
    if (until > clock::NowMicros() + kMargin) {
      WaitForQueue(until - kMargin);
      if (QueueHasWork()) return;
    }
    const std::uint64_t now = clock::NowMicros();
    if (until > now) std::this_thread::sleep_for(std::chrono::microseconds(until - now));
  }
}

}  // namespace win::user
