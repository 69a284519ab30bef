// The menus tests' fixture: the headless host, a manual clock, Screen and
// the application object made fresh for each test, with input helpers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "platform/win/drums_ext.h"

namespace menustest {

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Handles every message waiting now, without idling or waiting.
  void Pump() { Application->ProcessMessages(); }
  // A button press and release at a screen point.
  void Click(int sx, int sy, host::MouseButton button = host::MouseButton::Left);
  // A key press and release on the window's desktop window, then Pump;
  // modifiers are host::Mod... bits.
  void Key(HWND window, int vk, std::uint32_t modifiers = 0);
  // The same without handling it: for input to a modal loop that runs, or
  // is about to run, inside the next call (menus, dialogs, boxes).
  void QueueKey(HWND window, int vk, std::uint32_t modifiers = 0);
  // A visible form of the given client size at (100, 100).
  TForm* MakeForm(int width = 320, int height = 200);
  // A menu item with a caption, added to parent.
  TMenuItem* AddItem(TMenuItem* parent, const std::string& caption, TComponent* owner);
  // The text of a menu handle's entry (by position).
  std::string EntryText(HMENU menu, int position);
  // What the desktop shows inside `area` (screen coordinates): every
  // visible window as presented, topmost ones (menus) over the others.
  // Saved as <name>.png into the folder DRUMS_CONTROL_PICTURES names, when
  // it is set. Pixels are 0x00RRGGBB, row by row.
  std::vector<std::uint32_t> Desktop(const RECT& area, const std::string& name);
};

}  // namespace menustest
