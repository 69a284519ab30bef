#include "platform/win/user/idle_hook.h"

#include "platform/win/kernel/clock.h"
#include "platform/win/user/queue.h"

namespace win::user {
namespace {
std::function<bool()>& Hook() {
  static std::function<bool()> hook;
  return hook;
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
    const std::uint64_t until = wakeTime ? wakeTime : (clock::NowMicros() / 1000 + 1) * 1000;
    wakeTime = 0;
    WaitForQueue(until);
  }
}

}  // namespace win::user
