#include "platform/win/user/idle_hook.h"

#include "platform/win/kernel/clock.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/wm_state.h"

namespace win::user {
namespace {
std::function<bool()>& Hook() {
  return WM().idleHook;
}
}  // namespace

void SetIdleHook(std::function<bool()> hook) {
  Hook() = std::move(hook);
}

void IdleThenWait() {
  if (QueueHasWork()) return;
  bool done = true;
  if (Hook()) {
    // The hook may itself install another; call a copy.
    auto hook = Hook();
    done = hook();
  }
  if (QueueHasWork()) return;
  if (done) {
    WaitForQueue(std::nullopt);
  } else {
    std::uint64_t now = clock::NowMicros();
    WaitForQueue((now / 1000 + 1) * 1000);
  }
}

}  // namespace win::user
