#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/vcl/classes/threads/Thread.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace {

// Stands in for the application's message loop: the wake hook marks that a
// call is waiting, and Pump runs CheckSynchronize once it is.
class MainLoop {
 public:
  MainLoop() {
    SetWakeMainThread([this] {
      std::lock_guard<std::mutex> guard(FLock);
      ++FWakes;
      FSignal.notify_all();
    });
  }
  ~MainLoop() { SetWakeMainThread(nullptr); }

  // Waits for the next wake and runs what was handed over.
  void Pump() {
    {
      std::unique_lock<std::mutex> lock(FLock);
      FSignal.wait(lock, [this] { return FWakes > 0; });
      --FWakes;
    }
    EXPECT_TRUE(CheckSynchronize());
  }

 private:
  std::mutex FLock;
  std::condition_variable FSignal;
  int FWakes = 0;
};

// Hands one call to the main thread and records where it ran.
class SyncThread : public TThread {
 public:
  explicit SyncThread(bool throwInCall = false) : TThread(true), FThrow(throwInCall) {}
  std::thread::id ranOn;
  bool returned = false;
  std::string caught;

 protected:
  void Execute() override {
    try {
      Synchronize([this] {
        ranOn = std::this_thread::get_id();
        if (FThrow) throw EInvalidOperation("from the main thread");
      });
      returned = true;
    } catch (const EInvalidOperation& e) {
      caught = e.GetMessage();
    }
    SetReturnValue(42);
  }

 private:
  bool FThrow;
};

TEST(TThread, SynchronizeRunsOnTheMainThreadWhenItChecks) {
  MainLoop loop;
  SyncThread thread;
  EXPECT_TRUE(thread.GetSuspended());
  EXPECT_FALSE(CheckSynchronize());  // nothing handed over yet
  thread.Start();
  loop.Pump();
  EXPECT_EQ(thread.WaitFor(), 42);
  EXPECT_EQ(thread.ranOn, std::this_thread::get_id());
  EXPECT_TRUE(thread.returned);
  EXPECT_NE(thread.GetThreadID(), 0u);
  EXPECT_TRUE(thread.GetFinished());
}

TEST(TThread, AnExceptionInTheSynchronizedCallReachesTheThread) {
  MainLoop loop;
  SyncThread thread(true);
  thread.Resume();
  loop.Pump();
  thread.WaitFor();
  EXPECT_EQ(thread.caught, "from the main thread");
  EXPECT_FALSE(thread.returned);
}

// Runs until told to terminate.
class LoopThread : public TThread {
 public:
  explicit LoopThread(bool suspended) : TThread(suspended) {}
  std::atomic<int> executions{0};

 protected:
  void Execute() override {
    ++executions;
    while (!GetTerminated()) std::this_thread::yield();
    throw std::runtime_error("escaped");
  }
};

TEST(TThread, OnTerminateRunsOnTheMainThreadDuringWaitFor) {
  LoopThread* thread = TThread::Create<LoopThread>(false);
  std::thread::id terminatedOn;
  TThread* sender = nullptr;
  thread->SetOnTerminate([&](TThread* s) {
    terminatedOn = std::this_thread::get_id();
    sender = s;
  });
  EXPECT_FALSE(thread->GetSuspended());  // started by Create
  thread->Terminate();
  thread->WaitFor();  // serves the OnTerminate hand-over itself
  EXPECT_EQ(terminatedOn, std::this_thread::get_id());
  EXPECT_EQ(sender, thread);
  EXPECT_TRUE(thread->GetFatalException() != nullptr);  // the escape was kept, not lost
  delete thread;
}

TEST(TThread, DestroyingEndsARunningThreadAndNeverStartsASuspendedOne) {
  auto* running = TThread::Create<LoopThread>(false);
  while (running->executions == 0) std::this_thread::yield();  // inside Execute
  delete running;  // terminates and waits
  auto* suspended = new LoopThread(true);
  suspended->AfterConstruction();
  EXPECT_TRUE(suspended->GetSuspended());
  EXPECT_EQ(suspended->executions, 0);
  delete suspended;
}

TEST(TThread, FreeOnTerminateDeletesTheObjectWhenItEnds) {
  static std::atomic<bool> destroyed;
  destroyed = false;
  struct SelfFreeing : TThread {
    SelfFreeing() : TThread(true) { SetFreeOnTerminate(true); }
    ~SelfFreeing() override { destroyed = true; }
    void Execute() override {
      Synchronize([] {});
    }
  };
  MainLoop loop;
  auto* thread = new SelfFreeing;
  thread->Start();
  loop.Pump();  // after its one hand-over the thread ends and frees itself
  while (!destroyed) std::this_thread::yield();
  SUCCEED();
}

TEST(TThread, CheckSynchronizeRefusesOtherThreads) {
  bool raised = false;
  std::thread([&] {
    try {
      CheckSynchronize();
    } catch (const EThread&) {
      raised = true;
    }
  }).join();
  EXPECT_TRUE(raised);
}

}  // namespace
