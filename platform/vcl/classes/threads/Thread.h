// TThread: a worker thread object, and the hand-over of calls to the main
// thread (Synchronize / CheckSynchronize).
//
// A thread created not suspended starts once its construction is complete:
// build it with TThread::Create<T>(...), or call AfterConstruction() at the
// end of the most derived constructor. (The base constructor cannot start it:
// Execute would run before the derived object exists.)
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/win/windef.h"

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
using TThreadMethod = std::function<void()>;

class TThread {
 public:
  explicit TThread(bool createSuspended);
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;
  // A running thread is told to terminate and waited for. Execute may use the
  // derived object's members up to its end, so a derived destructor that
  // frees what Execute uses calls Terminate() and WaitFor() first.
  virtual ~TThread();

  template <class T, class... Args>
  static T* Create(Args&&... args) {
    T* thread = new T(std::forward<Args>(args)...);
    thread->AfterConstruction();
    return thread;
  }
  // Starts the thread unless it was created suspended.
  void AfterConstruction();

  // Starts a thread created suspended (or not yet started); afterwards no-op.
  void Resume();
  void Start() { Resume(); }
  void Terminate();
  // Waits for Execute (and OnTerminate) to finish; returns ReturnValue. On
  // the main thread it keeps running synchronized calls meanwhile.
  int WaitFor();

  bool GetTerminated() const { return FTerminated.load(); }
  bool GetSuspended() const;
  void SetSuspended(bool value);
  bool GetFinished() const;
  bool GetFreeOnTerminate() const { return FFreeOnTerminate; }
  // The object deletes itself on its own thread when Execute has finished.
  void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
  // Kept for the caller; threads here run at the system's normal priority.
  TThreadPriority GetPriority() const { return FPriority; }
  void SetPriority(TThreadPriority value) { FPriority = value; }
  int GetReturnValue() const { return FReturnValue; }
  // The system's thread id (0 before the thread started).
  DWORD GetThreadID() const;
  // An opaque value naming the thread (not a waitable kernel handle).
  HANDLE GetHandle() const;
  // An exception that escaped Execute, if any.
  std::exception_ptr GetFatalException() const { return FFatalException; }

  // Runs on the main thread, after Execute, before the thread is finished.
  std::function<void(TThread* sender)> GetOnTerminate() const { return FOnTerminate; }
  void SetOnTerminate(std::function<void(TThread* sender)> handler) { FOnTerminate = std::move(handler); }

  // Runs method on the main thread and waits for it: the main thread runs it
  // when it next calls CheckSynchronize. An exception it raises is raised
  // again here. Called on the main thread it simply runs the method.
  static void Synchronize(TThread* thread, const TThreadMethod& method);

 protected:
  virtual void Execute() = 0;
  void Synchronize(const TThreadMethod& method) { Synchronize(this, method); }
  void SetReturnValue(int value) { FReturnValue = value; }
  // Calls OnTerminate through Synchronize.
  virtual void DoTerminate();

 private:
  void Run();

  mutable std::mutex FLock;
  mutable std::condition_variable FStateChanged;
  std::thread FThread;
  bool FCreateSuspended;
  bool FStarted = false;
  bool FFinished = false;
  DWORD FThreadID = 0;
  std::atomic<bool> FTerminated{false};
  bool FFreeOnTerminate = false;
  TThreadPriority FPriority = tpNormal;
  int FReturnValue = 0;
  std::exception_ptr FFatalException;
  std::function<void(TThread*)> FOnTerminate;
};

// Runs the calls other threads have handed over with Synchronize. The
// application's message loop calls it; returns true when it ran any.
// Must be called on the main thread.
bool CheckSynchronize();
// The main thread is the process's initial thread.
bool IsMainThread();
// Called (on the handing thread) whenever a call is handed over, so that the
// application can wake its message loop to run CheckSynchronize. nullptr
// removes the hook.
void SetWakeMainThread(std::function<void()> wake);
