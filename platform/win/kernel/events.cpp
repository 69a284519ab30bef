#include "platform/win/kernel/events.h"

#include <algorithm>
#include <set>
#include <vector>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/signal_fd.h"
#include "platform/win/winbase.h"

namespace {

// The state is a flag plus the passes a pulse handed to the threads waiting
// at that moment: a pulse sets and resets in one step, so a waiter that has
// not yet looked would never see the flag; its pass keeps it released until
// its wait ends. The descriptor is readable while either may let a wait end.
class Event : public win::kernel::Waitable {
 public:
  Event(bool manualReset, bool initial) : manualReset_(manualReset), set_(initial) { Update(); }
  bool Ready(long tid) override { return set_ || released_.count(tid) != 0; }
  // A pass is spent first; an auto-reset event is consumed only by the wait
  // that reports it.
  void Acquire(long tid) override {
    if (released_.erase(tid) == 0 && !manualReset_) set_ = false;
    Update();
  }
  int PollFd() override { return signal_.Fd(); }
  void WaitBegins(long tid) override { waiting_.push_back(tid); }
  void WaitEnds(long tid) override {
    auto it = std::find(waiting_.begin(), waiting_.end(), tid);
    if (it != waiting_.end()) waiting_.erase(it);
    // A pass not spent (the wait ended on another object) is not kept.
    if (std::find(waiting_.begin(), waiting_.end(), tid) == waiting_.end()) released_.erase(tid);
    Update();
  }
  void Set() {
    set_ = true;
    Update();
  }
  void Reset() {
    set_ = false;
    Update();
  }
  // Longest-waiting first, for the one an auto-reset pulse releases.
  void Pulse() {
    set_ = false;
    for (long tid : waiting_) {
      if (!released_.insert(tid).second) continue;
      if (!manualReset_) break;
    }
    Update();
  }
  win::kernel::EventWaiters Waiters() const {
    return {static_cast<int>(waiting_.size()), static_cast<int>(released_.size())};
  }

 private:
  void Update() {
    if (set_ || !released_.empty()) {
      signal_.Set();
    } else {
      signal_.Clear();
    }
  }

  bool manualReset_;
  bool set_;
  std::vector<long> waiting_;  // in the order the waits began
  std::set<long> released_;
  win::kernel::SignalFd signal_;
};

template <class Fn>
BOOL WithEvent(HANDLE handle, Fn fn) {
  auto event = win::kernel::FindHandleAs<Event>(handle);
  if (!event) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard guard(win::kernel::WaitLock());
  fn(*event);
  return TRUE;
}

}  // namespace

// Names are ignored: every event is private to its creator.
HANDLE CreateEventA(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCSTR) {
  SetLastError(ERROR_SUCCESS);
  return win::kernel::AddHandle(std::make_shared<Event>(bManualReset != FALSE, bInitialState != FALSE));
}

BOOL SetEvent(HANDLE hEvent) {
  return WithEvent(hEvent, [](Event& e) { e.Set(); });
}

BOOL ResetEvent(HANDLE hEvent) {
  return WithEvent(hEvent, [](Event& e) { e.Reset(); });
}

BOOL PulseEvent(HANDLE hEvent) {
  return WithEvent(hEvent, [](Event& e) { e.Pulse(); });
}

namespace win::kernel {

bool GetEventWaiters(HANDLE event, EventWaiters* out) {
  return WithEvent(event, [out](Event& e) {
           if (out) *out = e.Waiters();
         }) != FALSE;
}

}  // namespace win::kernel
