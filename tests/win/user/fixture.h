// The fixture of the window manager's tests: the headless host, a manual
// clock, and input injected the way the desktop would report it.
#pragma once

#include <gtest/gtest.h>

#include "message_log.h"
#include "platform/host/headless.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/user/window.h"

namespace usertest {

class UserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs every message waiting now (dispatching them), without waiting.
  void Pump();
  // Advances the manual clock and pumps.
  void AdvanceMs(int ms);

  host::WindowId HostOf(HWND hwnd);
  // Mouse and keys, at screen coordinates (converted for the host event).
  void MouseMove(int sx, int sy, std::uint32_t mods = 0);
  void MouseDown(int sx, int sy, host::MouseButton b = host::MouseButton::Left, std::uint32_t mods = 0);
  void MouseUp(int sx, int sy, host::MouseButton b = host::MouseButton::Left, std::uint32_t mods = 0);
  void Click(int sx, int sy);
  void Key(int vk, bool down, std::uint32_t mods = 0);
  void Press(int vk, std::uint32_t mods = 0);

  // The same, only queued at the host: for modal loops that read them.
  void QueueMouse(host::EventType type, int sx, int sy, host::MouseButton b = host::MouseButton::Left);
  void QueueKey(int vk, bool down, std::uint32_t mods = 0, HWND to = nullptr);

  // Pixel of a top-level window's surface, as 0x00RRGGBB.
  std::uint32_t Pixel(HWND top, int x, int y);

  std::vector<HWND> made;  // destroyed by TearDown
  HWND Make(const std::string& name, DWORD style, int x, int y, int w, int h, HWND parent = nullptr, DWORD exStyle = 0,
            const char* cls = nullptr, HMENU menu = nullptr);

 private:
  void Push(host::Event e, int sx, int sy);
};

}  // namespace usertest
