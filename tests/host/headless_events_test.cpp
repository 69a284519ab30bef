#include <thread>

#include "support.h"

namespace {

using hosttest::Headless;

TEST_F(Headless, InjectedEventsComeOutInOrderAndUpdateState) {
  host::Backend& b = Start();
  const host::WindowId w = MakeWindow("w", {100, 100, 50, 40});
  host::Event move;
  move.type = host::EventType::MouseMove;
  move.window = w;
  move.x = 5;
  move.y = 6;
  move.screenX = 105;
  move.screenY = 106;
  host::Event moved;
  moved.type = host::EventType::Moved;
  moved.window = w;
  moved.x = 300;
  moved.y = 200;
  host::Event resized;
  resized.type = host::EventType::Resized;
  resized.window = w;
  resized.w = 70;
  resized.h = 30;
  host::Event key;
  key.type = host::EventType::KeyDown;
  key.window = w;
  key.key = 'A';
  key.modifiers = host::ModCtrl;
  for (const auto& e : {move, moved, resized, key}) host::headless::PushEvent(e);
  EXPECT_EQ(host::headless::PendingEvents(), 4u);

  host::Event got;
  ASSERT_TRUE(b.PollEvent(got));
  EXPECT_EQ(got.type, host::EventType::MouseMove);
  int x = 0, y = 0;
  b.GetCursorPos(x, y);
  EXPECT_EQ(x, 105);
  EXPECT_EQ(y, 106);
  ASSERT_TRUE(b.PollEvent(got));
  ASSERT_TRUE(b.PollEvent(got));
  const host::Rect r = b.GetBounds(w);
  EXPECT_EQ(r.x, 300);
  EXPECT_EQ(r.w, 70);
  EXPECT_EQ(b.GetSurface(w).width, 70);  // the desktop resized it: so is the surface
  ASSERT_TRUE(b.PollEvent(got));
  EXPECT_EQ(got.key, 'A');
  EXPECT_EQ(got.modifiers, static_cast<std::uint32_t>(host::ModCtrl));
  EXPECT_FALSE(b.PollEvent(got));
}

TEST_F(Headless, DestroyingAWindowDropsItsQueuedEvents) {
  host::Backend& b = Start();
  const host::WindowId gone = MakeWindow("gone", {0, 0, 5, 5});
  const host::WindowId stays = MakeWindow("stays", {0, 0, 5, 5});
  host::Event e;
  e.type = host::EventType::Exposed;
  e.window = gone;
  host::headless::PushEvent(e);
  e.window = stays;
  host::headless::PushEvent(e);
  b.DestroyWindow(gone);
  ASSERT_TRUE(b.PollEvent(e));
  EXPECT_EQ(e.window, stays);
  EXPECT_FALSE(b.PollEvent(e));
  host::headless::WindowState state;
  EXPECT_FALSE(host::headless::GetWindowState(gone, state));
}

TEST_F(Headless, WaitEventReturnsForQueuedEventsAndWakes) {
  host::Backend& b = Start();
  EXPECT_FALSE(b.WaitEvent(0));  // nothing there, no waiting

  host::Event e;
  e.type = host::EventType::Quit;
  host::headless::PushEvent(e);
  EXPECT_TRUE(b.WaitEvent(-1));  // already queued: returns at once
  ASSERT_TRUE(b.PollEvent(e));

  b.Wake();  // a wake before the wait is not lost
  EXPECT_FALSE(b.WaitEvent(-1));

  // From other threads: a wake ends an endless wait without an event, a
  // pushed event ends it with one.
  std::thread waker([&] { host::Get().Wake(); });
  EXPECT_FALSE(b.WaitEvent(-1));
  waker.join();
  std::thread pusher([] {
    host::Event late;
    late.type = host::EventType::DisplayChanged;
    host::headless::PushEvent(late);
  });
  EXPECT_TRUE(b.WaitEvent(-1));
  pusher.join();
  ASSERT_TRUE(b.PollEvent(e));
  EXPECT_EQ(e.type, host::EventType::DisplayChanged);
}

}  // namespace
