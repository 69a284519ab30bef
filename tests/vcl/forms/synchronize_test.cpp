// A call another thread hands over with TThread::Synchronize wakes the
// message loop even while it sleeps waiting for a message, and runs there.
#include <atomic>
#include <chrono>
#include <thread>

#include "fixture.h"
#include "platform/vcl/classes/threads/Thread.h"

namespace formstest {
namespace {

class THandOver : public TThread {
 public:
  explicit THandOver(std::atomic<bool>& ran) : TThread(false), FRan(ran) {}

 protected:
  void Execute() override {
    Synchronize([this] { FRan = IsMainThread(); });
  }

 private:
  std::atomic<bool>& FRan;
};

class Synchronizing : public FormsTest {};

TEST_F(Synchronizing, HandedOverCallRunsOnTheSleepingLoop) {
  Application->OnIdle = [](TObject*, bool& done) { done = true; };
  std::atomic<bool> ran{false};
  std::atomic<bool> gaveUp{false};
  // Only keeps a broken wake-up from hanging the run.
  std::thread watchdog([&] {
    for (int i = 0; i < 500 && !ran; i++) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!ran) {
      gaveUp = true;
      PostMessageA(Application->GetHandle(), WM_NULL, 0, 0);
    }
  });
  THandOver* thread = TThread::Create<THandOver>(ran);
  while (!ran && !gaveUp) Application->HandleMessage();
  thread->WaitFor();
  delete thread;
  watchdog.join();
  EXPECT_TRUE(ran);
  EXPECT_FALSE(gaveUp);
}

}  // namespace
}  // namespace formstest
