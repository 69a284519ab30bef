// A window procedure that throws while handling a message another thread
// sent: the exception stays on the window's thread (its handler, or on up
// from the call that was taking messages), the sender gets 0 at once, and
// the next message is handled as usual.
#include <gtest/gtest.h>

#include <atomic>
#include <exception>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace {

constexpr UINT kFail = WM_APP + 10;
constexpr UINT kAnswer = WM_APP + 11;

LRESULT CALLBACK ThrowingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kFail) {
    // Inside the handler this thread is answering another one.
    if (!InSendMessage()) return 1;
    throw std::runtime_error("handler failed");
  }
  if (msg == kAnswer) return 7;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class CrossThreadException : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ThrowingProc;
    wc.lpszClassName = "ThrowingTarget";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, "ThrowingTarget", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hwnd);
  }
  void TearDown() override {
    win::user::SetWndProcExceptionHandler(nullptr);
    DestroyWindow(hwnd);
  }

  // A worker sends the failing message, then one that answers.
  void StartSender() {
    sender = std::thread([this] {
      failed = SendMessageA(hwnd, kFail, 0, 0);
      answered = SendMessageA(hwnd, kAnswer, 0, 0);
      done = true;
    });
  }
  // Takes messages until the worker is done; the count bounds it.
  void PumpUntilDone(std::string& caught) {
    for (long long i = 0; !done && i < 100'000'000; ++i) {
      try {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
      } catch (const std::runtime_error& e) {
        caught = e.what();
      }
    }
    sender.join();
  }

  HWND hwnd = nullptr;
  std::thread sender;
  std::atomic<bool> done{false};
  std::atomic<LRESULT> failed{-1}, answered{-1};
};

TEST_F(CrossThreadException, GoesToTheThreadsHandlerAndTheSenderGetsZero) {
  std::string handled, caught;
  win::user::SetWndProcExceptionHandler([&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::runtime_error& e) {
      handled = e.what();
    }
  });
  StartSender();
  PumpUntilDone(caught);
  EXPECT_EQ("handler failed", handled);
  EXPECT_EQ("", caught);
  EXPECT_EQ(0, failed.load());
  EXPECT_EQ(7, answered.load());
  EXPECT_FALSE(InSendMessage()) << "the sent message being handled was not put back";
}

TEST_F(CrossThreadException, WithoutAHandlerLeavesTheCallThatTookMessages) {
  std::string caught;
  StartSender();
  PumpUntilDone(caught);
  EXPECT_EQ("handler failed", caught);
  EXPECT_EQ(0, failed.load());
  EXPECT_EQ(7, answered.load());
  EXPECT_FALSE(InSendMessage());
  // The next post is handled as usual.
  ASSERT_TRUE(PostMessageA(hwnd, kAnswer, 0, 0));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, hwnd, kAnswer, kAnswer, PM_REMOVE));
  EXPECT_EQ(7, DispatchMessageA(&m));
}

}  // namespace
