#include <gtest/gtest.h>

#include "platform/host/sdl_keys.h"

namespace {

// SDL's key codes as numbers: printable keys are their character, the others
// their scan code with bit 30 set.
constexpr std::int32_t Scan(int scancode) {
  return scancode | (1 << 30);
}

TEST(SdlKeys, TranslateToWindowsVirtualKeys) {
  struct Case {
    std::int32_t sdl;
    bool numLock;
    int vk;
  } cases[] = {
      {'a', true, 'A'},        {'z', true, 'Z'},       {'0', true, '0'},
      {'9', true, '9'},        {Scan(58), true, 0x70},  // F1
      {Scan(69), true, 0x7B},  // F12
      {Scan(104), true, 0x7C},  // F13
      {'\r', true, 13},        {27, true, 27},         {'\t', true, 9},
      {'\b', true, 8},         {' ', true, 32},        {127, true, 46},  // Delete
      {Scan(73), true, 45},  // Insert
      {Scan(74), true, 36},    {Scan(77), true, 35},  // Home, End
      {Scan(75), true, 33},    {Scan(78), true, 34},  // Page Up, Page Down
      {Scan(80), true, 0x25},  {Scan(82), true, 0x26}, {Scan(79), true, 0x27},
      {Scan(81), true, 0x28},  {Scan(225), true, 16},  {Scan(229), true, 16},  // both Shifts
      {Scan(224), true, 17},   {Scan(226), true, 18},  // Ctrl, Alt
      {Scan(89), true, 0x61},  // keypad 1 with Num Lock
      {Scan(89), false, 0x23},  // ... is End without it
      {Scan(98), true, 0x60},  // keypad 0
      {Scan(99), false, 46},  // keypad point without Num Lock: Delete
      {Scan(85), true, 0x6A},  {Scan(87), true, 0x6B}, {Scan(86), true, 0x6D},
      {Scan(84), true, 0x6F},  {Scan(88), true, 13},  // keypad Enter
      {';', true, 0xBA},       {'=', true, 0xBB},      {',', true, 0xBC},
      {'-', true, 0xBD},       {'.', true, 0xBE},      {'/', true, 0xBF},
      {'`', true, 0xC0},       {'[', true, 0xDB},      {'\\', true, 0xDC},
      {']', true, 0xDD},       {'\'', true, 0xDE},     {Scan(300), true, 0},  // nothing Windows knows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sdl);
    EXPECT_EQ(host::VirtualKeyFromSdl(c.sdl, c.numLock), c.vk);
  }
}

}  // namespace
