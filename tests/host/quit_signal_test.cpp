// SIGTERM and SIGINT reach the program as the desktop's quit request, through
// the back end's ordinary event loop.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <thread>

#include "platform/host/host.h"

namespace {

class QuitSignal : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    host::Shutdown();
    ::setenv("DRUMS_HOST", "headless", 1);
  }
  void TearDown() override { host::Shutdown(); }
};

TEST_P(QuitSignal, BecomesOneQuitEvent) {
  host::Backend& backend = host::Get();
  ASSERT_EQ(::raise(GetParam()), 0);
  EXPECT_TRUE(backend.WaitEvent(-1)) << "the request is waiting, so the wait ends at once";
  host::Event event;
  ASSERT_TRUE(backend.PollEvent(event));
  EXPECT_EQ(event.type, host::EventType::Quit);
  EXPECT_FALSE(backend.PollEvent(event)) << "one signal, one request";
}

TEST_P(QuitSignal, WakesALoopWaitingWithoutLimit) {
  host::Backend& backend = host::Get();
  std::thread other([] { ::raise(GetParam()); });
  // A wait may end early for an earlier wake; it ends for good with the request.
  bool ready = false;
  for (int wakes = 0; !ready && wakes < 100; ++wakes) ready = backend.WaitEvent(-1);
  EXPECT_TRUE(ready);
  other.join();
  host::Event event;
  ASSERT_TRUE(backend.PollEvent(event));
  EXPECT_EQ(event.type, host::EventType::Quit);
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitSignal, ::testing::Values(SIGTERM, SIGINT));

}  // namespace
