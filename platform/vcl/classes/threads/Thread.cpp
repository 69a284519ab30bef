#include "platform/vcl/classes/threads/Thread.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <deque>

#include "platform/vcl/rtl/Exceptions.h"

namespace {

// One call handed to the main thread.
struct SyncRequest {
  const TThreadMethod* method = nullptr;
  bool done = false;
  std::exception_ptr error;
};

// The queue of handed-over calls; its condition also reports finished
// threads, so that WaitFor on the main thread can serve both.
std::mutex& SyncLock() {
  static std::mutex lock;
  return lock;
}
std::condition_variable& SyncSignal() {
  static std::condition_variable signal;
  return signal;
}
std::deque<SyncRequest*>& SyncQueue() {
  static std::deque<SyncRequest*> queue;
  return queue;
}
std::function<void()>& WakeHook() {
  static std::function<void()> hook;
  return hook;
}

DWORD CurrentThreadId() {
  return static_cast<DWORD>(::syscall(SYS_gettid));
}

}  // namespace

bool IsMainThread() {
  return CurrentThreadId() == static_cast<DWORD>(::getpid());
}

void SetWakeMainThread(std::function<void()> wake) {
  std::lock_guard<std::mutex> guard(SyncLock());
  WakeHook() = std::move(wake);
}

bool CheckSynchronize() {
  if (!IsMainThread()) throw EThread("CheckSynchronize called from a thread other than the main thread");
  std::deque<SyncRequest*> pending;
  {
    std::lock_guard<std::mutex> guard(SyncLock());
    pending.swap(SyncQueue());
  }
  for (SyncRequest* request : pending) {
    try {
      (*request->method)();
    } catch (...) {
      request->error = std::current_exception();
    }
    std::lock_guard<std::mutex> guard(SyncLock());
    request->done = true;
  }
  if (!pending.empty()) SyncSignal().notify_all();
  return !pending.empty();
}

void TThread::Synchronize(TThread*, const TThreadMethod& method) {
  if (IsMainThread()) {
    method();
    return;
  }
  SyncRequest request;
  request.method = &method;
  std::function<void()> wake;
  {
    std::lock_guard<std::mutex> guard(SyncLock());
    SyncQueue().push_back(&request);
    wake = WakeHook();
  }
  SyncSignal().notify_all();
  if (wake) wake();
  std::unique_lock<std::mutex> lock(SyncLock());
  SyncSignal().wait(lock, [&] { return request.done; });
  if (request.error) std::rethrow_exception(request.error);
}

TThread::TThread(bool createSuspended) : FCreateSuspended(createSuspended) {}

TThread::~TThread() {
  bool running;
  {
    std::lock_guard<std::mutex> guard(FLock);
    running = FStarted && !FFinished;
  }
  if (FThread.joinable() && FThread.get_id() == std::this_thread::get_id()) {
    // Freed by itself at the end of its run.
    FThread.detach();
    return;
  }
  if (running) {
    Terminate();
    WaitFor();
  }
  if (FThread.joinable()) FThread.join();
}

void TThread::AfterConstruction() {
  if (!FCreateSuspended) Resume();
}

void TThread::Resume() {
  std::unique_lock<std::mutex> lock(FLock);
  if (FStarted) return;
  FStarted = true;
  // Run waits for this lock, so FThread is set before the thread can end.
  FThread = std::thread([this] { Run(); });
}

void TThread::Run() {
  {
    std::lock_guard<std::mutex> guard(FLock);
    FThreadID = CurrentThreadId();
  }
  FStateChanged.notify_all();
  try {
    Execute();
  } catch (...) {
    FFatalException = std::current_exception();
  }
  try {
    DoTerminate();
  } catch (...) {
    if (!FFatalException) FFatalException = std::current_exception();
  }
  bool freeSelf = FFreeOnTerminate;
  {
    std::lock_guard<std::mutex> guard(FLock);
    FFinished = true;
  }
  FStateChanged.notify_all();
  {
    // Wake a main thread waiting in WaitFor on the shared signal.
    std::lock_guard<std::mutex> guard(SyncLock());
  }
  SyncSignal().notify_all();
  if (freeSelf) delete this;
}

void TThread::DoTerminate() {
  if (FOnTerminate) Synchronize([this] { FOnTerminate(this); });
}

void TThread::Terminate() {
  FTerminated = true;
}

int TThread::WaitFor() {
  if (FThread.joinable() && FThread.get_id() == std::this_thread::get_id())
    throw EThread("Thread cannot wait for itself");
  if (IsMainThread()) {
    // Serve synchronized calls while waiting, or a thread calling
    // Synchronize (OnTerminate too) would never finish.
    while (true) {
      CheckSynchronize();
      std::unique_lock<std::mutex> lock(SyncLock());
      if (GetFinished() || GetSuspended()) break;
      SyncSignal().wait(lock, [this] { return !SyncQueue().empty() || GetFinished(); });
    }
  } else {
    std::unique_lock<std::mutex> lock(FLock);
    FStateChanged.wait(lock, [this] { return FFinished || !FStarted; });
  }
  return FReturnValue;
}

bool TThread::GetSuspended() const {
  std::lock_guard<std::mutex> guard(FLock);
  return !FStarted;
}

void TThread::SetSuspended(bool value) {
  if (!value) Resume();
}

bool TThread::GetFinished() const {
  std::lock_guard<std::mutex> guard(FLock);
  return FFinished;
}

DWORD TThread::GetThreadID() const {
  std::unique_lock<std::mutex> lock(FLock);
  // A thread just started publishes its id as its first step.
  FStateChanged.wait(lock, [this] { return FThreadID != 0 || !FStarted; });
  return FThreadID;
}

HANDLE TThread::GetHandle() const {
  DWORD id = GetThreadID();
  return id ? reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(id)) : nullptr;
}
