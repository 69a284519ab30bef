// WaitForSingleObject / WaitForMultipleObjects / Sleep: check the objects'
// states under the wait lock, and otherwise poll their descriptors until one
// may have changed or the clock seam passes the deadline.
#include <poll.h>
#include <sched.h>

#include <vector>

#include "platform/win/kernel/clock.h"
#include "platform/win/kernel/clock_waiters.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::Waitable;

// Under the manual clock the poll is cut short now and then anyway, so a
// switch back to the real clock is noticed; results depend only on the seam.
constexpr int kManualRecheckMs = 100;

// Returns the index of the object the wait reports, or -1 when none is ready.
int TryComplete(const std::vector<std::shared_ptr<Waitable>>& objects, bool waitAll, long tid,
                std::vector<pollfd>& fds) {
  std::lock_guard guard(win::kernel::WaitLock());
  fds.clear();
  if (waitAll) {
    bool allReady = true;
    for (auto& o : objects) {
      if (!o->Ready(tid)) {
        allReady = false;
        fds.push_back({o->PollFd(), POLLIN, 0});
      }
    }
    if (allReady && !objects.empty()) {
      for (auto& o : objects) o->Acquire(tid);
      return 0;
    }
    return -1;
  }
  for (size_t i = 0; i < objects.size(); ++i) {
    if (objects[i]->Ready(tid)) {
      objects[i]->Acquire(tid);
      return static_cast<int>(i);
    }
    fds.push_back({objects[i]->PollFd(), POLLIN, 0});
  }
  return -1;
}

// Tells the objects who waits on them for as long as the wait lasts.
class WaitRegistration {
 public:
  WaitRegistration(const std::vector<std::shared_ptr<Waitable>>& objects, long tid) : objects_(objects), tid_(tid) {
    std::lock_guard guard(win::kernel::WaitLock());
    for (auto& o : objects_) o->WaitBegins(tid_);
  }
  ~WaitRegistration() {
    std::lock_guard guard(win::kernel::WaitLock());
    for (auto& o : objects_) o->WaitEnds(tid_);
  }
  WaitRegistration(const WaitRegistration&) = delete;
  WaitRegistration& operator=(const WaitRegistration&) = delete;

 private:
  const std::vector<std::shared_ptr<Waitable>>& objects_;
  long tid_;
};

DWORD WaitOn(const std::vector<std::shared_ptr<Waitable>>& objects, bool waitAll, DWORD ms) {
  const long tid = win::kernel::CurrentTid();
  WaitRegistration registration(objects, tid);
  const bool infinite = ms == INFINITE;
  const std::uint64_t start = win::clock::NowMicros();
  const std::uint64_t deadline = start + static_cast<std::uint64_t>(ms) * 1000;
  std::vector<pollfd> fds;
  for (;;) {
    // Registered before the state check, so an Advance in between is not lost.
    win::clock::AdvanceWaiter waiter;
    int index = TryComplete(objects, waitAll, tid, fds);
    if (index >= 0) return WAIT_OBJECT_0 + static_cast<DWORD>(index);
    int timeoutMs = -1;
    if (!infinite) {
      std::uint64_t now = win::clock::NowMicros();
      if (now >= deadline) return WAIT_TIMEOUT;
      if (win::clock::IsManual()) {
        timeoutMs = kManualRecheckMs;
        fds.push_back({win::clock::ThreadWakeFd(), POLLIN, 0});
      } else {
        timeoutMs = static_cast<int>((deadline - now + 999) / 1000);
      }
    }
    poll(fds.data(), fds.size(), timeoutMs);
    win::clock::DrainThreadWakeFd();
  }
}

}  // namespace

DWORD WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL bWaitAll, DWORD dwMilliseconds) {
  if (nCount == 0 || nCount > MAXIMUM_WAIT_OBJECTS || !lpHandles) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  std::vector<std::shared_ptr<Waitable>> objects;
  for (DWORD i = 0; i < nCount; ++i) {
    auto object = win::kernel::FindHandleAs<Waitable>(lpHandles[i]);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    objects.push_back(std::move(object));
  }
  return WaitOn(objects, bWaitAll != FALSE, dwMilliseconds);
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
  return WaitForMultipleObjects(1, &hHandle, FALSE, dwMilliseconds);
}

void Sleep(DWORD dwMilliseconds) {
  if (dwMilliseconds == 0) {
    sched_yield();
    return;
  }
  WaitOn({}, false, dwMilliseconds);
}
