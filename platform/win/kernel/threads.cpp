// CreateThread over detached POSIX threads. The thread owns a reference to its
// kernel object, so closing the handle early is harmless; the object signals
// when the thread function returns.
#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <condition_variable>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/signal_fd.h"
#include "platform/win/winbase.h"

namespace {

class Thread : public win::kernel::Waitable {
 public:
  bool Ready(long) override { return done_.IsSet(); }
  int PollFd() override { return done_.Fd(); }

  LPTHREAD_START_ROUTINE start = nullptr;
  LPVOID parameter = nullptr;
  DWORD exitCode = STILL_ACTIVE;  // under WaitLock
  win::kernel::SignalFd done_;  // under WaitLock

  std::mutex lock;
  std::condition_variable changed;
  int suspendCount = 0;  // under lock
  long tid = 0;  // under lock; 0 until the thread runs
};

void* Run(void* arg) {
  auto* holder = static_cast<std::shared_ptr<Thread>*>(arg);
  std::shared_ptr<Thread> self = std::move(*holder);
  delete holder;
  {
    std::unique_lock guard(self->lock);
    self->tid = win::kernel::CurrentTid();
    self->changed.notify_all();
    self->changed.wait(guard, [&] { return self->suspendCount == 0; });
  }
  DWORD code = self->start(self->parameter);
  std::lock_guard guard(win::kernel::WaitLock());
  self->exitCode = code;
  self->done_.Set();
  return nullptr;
}

}  // namespace

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T dwStackSize, LPTHREAD_START_ROUTINE lpStartAddress,
                    LPVOID lpParameter, DWORD dwCreationFlags, LPDWORD lpThreadId) {
  if (!lpStartAddress) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto thread = std::make_shared<Thread>();
  thread->start = lpStartAddress;
  thread->parameter = lpParameter;
  thread->suspendCount = (dwCreationFlags & CREATE_SUSPENDED) ? 1 : 0;

  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
  if (dwStackSize > 0)
    pthread_attr_setstacksize(&attr, dwStackSize < static_cast<SIZE_T>(PTHREAD_STACK_MIN)
                                         ? static_cast<SIZE_T>(PTHREAD_STACK_MIN)
                                         : dwStackSize);
  auto* holder = new std::shared_ptr<Thread>(thread);
  pthread_t id;
  int rc = pthread_create(&id, &attr, Run, holder);
  pthread_attr_destroy(&attr);
  if (rc != 0) {
    delete holder;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  {
    // The id is the thread's own kernel id, known once it runs.
    std::unique_lock guard(thread->lock);
    thread->changed.wait(guard, [&] { return thread->tid != 0; });
    if (lpThreadId) *lpThreadId = static_cast<DWORD>(thread->tid);
  }
  return win::kernel::AddHandle(thread);
}

DWORD ResumeThread(HANDLE hThread) {
  auto thread = win::kernel::FindHandleAs<Thread>(hThread);
  if (!thread) {
    SetLastError(ERROR_INVALID_HANDLE);
    return static_cast<DWORD>(-1);
  }
  std::lock_guard guard(thread->lock);
  int previous = thread->suspendCount;
  if (thread->suspendCount > 0 && --thread->suspendCount == 0) thread->changed.notify_all();
  return static_cast<DWORD>(previous);
}

BOOL GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
  auto thread = win::kernel::FindHandleAs<Thread>(hThread);
  if (!thread || !lpExitCode) {
    SetLastError(thread ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard guard(win::kernel::WaitLock());
  *lpExitCode = thread->exitCode;
  return TRUE;
}

DWORD GetCurrentThreadId() {
  return static_cast<DWORD>(win::kernel::CurrentTid());
}
DWORD GetCurrentProcessId() {
  return static_cast<DWORD>(getpid());
}
