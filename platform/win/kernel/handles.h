// The kernel's handle table and the waitable-object contract that lets every
// kind of object mix in one WaitForMultipleObjects.
#pragma once

#include <memory>
#include <mutex>

#include "platform/win/windef.h"

namespace win::kernel {

class Object {
 public:
  virtual ~Object() = default;
};

// A waitable object. Ready and Acquire run under WaitLock(), so checking the
// states of several objects and consuming them is one atomic step.
class Waitable : public Object {
 public:
  // True when a wait by thread `tid` would be satisfied now.
  virtual bool Ready(long tid) = 0;
  // The wait reports this object: consume it (auto-reset, ownership).
  virtual void Acquire(long tid) { (void)tid; }
  // Readable whenever Ready may have turned true; waits poll it.
  virtual int PollFd() = 0;
  // A wait by thread `tid` on this object begins or ends (under WaitLock),
  // for objects that act on whoever is waiting at one moment.
  virtual void WaitBegins(long tid) { (void)tid; }
  virtual void WaitEnds(long tid) { (void)tid; }
};

// One lock for every waitable state change.
std::mutex& WaitLock();

// Handles are never reused, so a stale handle fails instead of reaching a
// newer object.
HANDLE AddHandle(std::shared_ptr<Object> object);
std::shared_ptr<Object> FindHandle(HANDLE handle);
std::shared_ptr<Object> TakeHandle(HANDLE handle);  // removes it

template <class T>
std::shared_ptr<T> FindHandleAs(HANDLE handle) {
  return std::dynamic_pointer_cast<T>(FindHandle(handle));
}

// The calling thread's kernel id (gettid).
long CurrentTid();

}  // namespace win::kernel
