// A program stopped with SIGTERM or SIGINT closes as at the end of a desktop
// session: every visible main window is asked to close.
#include <signal.h>

#include "fixture.h"

namespace usertest {
namespace {

class QuitSignalTest : public UserTest, public ::testing::WithParamInterface<int> {};

TEST_P(QuitSignalTest, AsksEveryVisibleMainWindowToClose) {
  HWND main = Make("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
  HWND second = Make("second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100, 300, 200);
  HWND tool = Make("tool", WS_POPUP | WS_VISIBLE, 120, 120, 50, 50, main);
  HWND hidden = Make("hidden", WS_OVERLAPPEDWINDOW, 100, 400, 300, 200);
  // A program's form owned by its hidden application window is one of its
  // main windows.
  HWND form = Make("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 400, 300, 200, hidden);
  // The second window asks before it closes, and says no.
  MessageLog::Get().answers[{"second", WM_CLOSE}] = [](HWND, WPARAM, LPARAM) { return LRESULT(0); };
  Pump();
  MessageLog::Get().Clear();

  ASSERT_EQ(::raise(GetParam()), 0);
  Pump();

  EXPECT_EQ(1, MessageLog::Get().Count("main", WM_CLOSE));
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(IsWindow(tool)) << "goes with its owner";
  EXPECT_EQ(0, MessageLog::Get().Count("tool", WM_CLOSE)) << "an owned window is not asked";
  EXPECT_EQ(1, MessageLog::Get().Count("second", WM_CLOSE));
  EXPECT_TRUE(IsWindow(second));
  EXPECT_EQ(0, MessageLog::Get().Count("hidden", WM_CLOSE));
  EXPECT_TRUE(IsWindow(hidden));
  EXPECT_EQ(1, MessageLog::Get().Count("form", WM_CLOSE));
  EXPECT_FALSE(IsWindow(form));
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitSignalTest, ::testing::Values(SIGTERM, SIGINT));

}  // namespace
}  // namespace usertest
