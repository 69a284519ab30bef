#include "fixture.h"

#include "platform/win/user/idle_hook.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/wm_state.h"

namespace usertest {

namespace {

host::Event ButtonEvent(host::EventType type, host::MouseButton b, std::uint32_t mods) {
  host::Event e;
  e.type = type;
  e.button = b;
  e.modifiers = mods;
  return e;
}

}  // namespace

void UserTest::SetUp() {
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 984});
  Pump();
  MessageLog::Get().Clear();
  MessageLog::Get().answers.clear();
}

void UserTest::TearDown() {
  for (auto it = made.rbegin(); it != made.rend(); ++it)
    if (IsWindow(*it)) DestroyWindow(*it);
  ReleaseCapture();
  win::user::SetIdleHook(nullptr);
  MessageLog::Get().answers.clear();
  Pump();
  // A test must leave no message behind for the next one.
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
  // Nor any window, menu, focus, capture, key or pointer state.
  win::user::ResetWindowManager();
  win::clock::UseReal();
}

void UserTest::Pump() {
  MSG m;
  for (int guard = 0; guard < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); guard++) {
    if (m.message == WM_QUIT) break;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

void UserTest::AdvanceMs(int ms) {
  win::clock::Advance(static_cast<std::uint64_t>(ms) * 1000);
  Pump();
}

HWND UserTest::Make(const std::string& name, DWORD style, int x, int y, int w, int h, HWND parent, DWORD exStyle,
                    const char* cls, HMENU menu) {
  HWND hwnd = MakeWindow(name, style, x, y, w, h, parent, exStyle, cls, menu);
  if (hwnd) made.push_back(hwnd);
  return hwnd;
}

host::WindowId UserTest::HostOf(HWND hwnd) {
  win::user::Window* w = win::user::FromHandle(hwnd);
  return w ? win::user::TopLevelOf(w)->hostId : 0;
}

void UserTest::Push(host::Event e, int sx, int sy) {
  e.screenX = sx;
  e.screenY = sy;
  // The host reports the window under the pointer and coordinates in it.
  POINT p{sx, sy};
  HWND under = WindowFromPoint(p);
  if (HWND cap = GetCapture()) under = cap;
  if (under) {
    HWND top = GetAncestor(under, GA_ROOT);
    RECT r;
    GetWindowRect(top, &r);
    e.window = HostOf(top);
    e.x = sx - r.left;
    e.y = sy - r.top;
  } else {
    e.window = 0;
    for (HWND h : made)
      if (IsWindow(h) && !GetParent(h)) e.window = HostOf(h);
    e.x = sx;
    e.y = sy;
  }
  host::headless::PushEvent(e);
}

void UserTest::MouseMove(int sx, int sy, std::uint32_t mods) {
  host::Event e;
  e.type = host::EventType::MouseMove;
  e.modifiers = mods;
  Push(e, sx, sy);
  Pump();
}

void UserTest::MouseDown(int sx, int sy, host::MouseButton b, std::uint32_t mods) {
  Push(ButtonEvent(host::EventType::MouseDown, b, mods), sx, sy);
  Pump();
}

void UserTest::MouseUp(int sx, int sy, host::MouseButton b, std::uint32_t mods) {
  Push(ButtonEvent(host::EventType::MouseUp, b, mods), sx, sy);
  Pump();
}

void UserTest::Click(int sx, int sy) {
  MouseDown(sx, sy);
  MouseUp(sx, sy);
}

void UserTest::Key(int vk, bool down, std::uint32_t mods) {
  host::Event e;
  e.type = down ? host::EventType::KeyDown : host::EventType::KeyUp;
  e.key = vk;
  e.modifiers = mods;
  HWND active = GetActiveWindow();
  e.window = active ? HostOf(active) : 0;
  host::headless::PushEvent(e);
  Pump();
}

void UserTest::QueueMouse(host::EventType type, int sx, int sy, host::MouseButton b) {
  host::Event e;
  e.type = type;
  e.button = b;
  if (type == host::EventType::MouseDown) e.modifiers = 0;
  Push(e, sx, sy);
}

void UserTest::QueueKey(int vk, bool down, std::uint32_t mods, HWND to) {
  host::Event e;
  e.type = down ? host::EventType::KeyDown : host::EventType::KeyUp;
  e.key = vk;
  e.modifiers = mods;
  HWND target = to ? to : GetActiveWindow();
  e.window = target ? HostOf(target) : 0;
  host::headless::PushEvent(e);
}

void UserTest::Press(int vk, std::uint32_t mods) {
  Key(vk, true, mods);
  Key(vk, false, mods);
}

std::uint32_t UserTest::Pixel(HWND top, int x, int y) {
  host::Surface s = host::Get().GetSurface(HostOf(top));
  if (!s.pixels || x < 0 || y < 0 || x >= s.width || y >= s.height) return 0xFFFFFFFF;
  return s.pixels[y * s.stride + x] & 0xFFFFFF;
}

}  // namespace usertest
