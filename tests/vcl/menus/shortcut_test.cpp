// Shortcut names: ShortCutToText and TextToShortCut both ways.
#include <gtest/gtest.h>

#include "platform/vcl/menus/ShortCuts.h"
#include "platform/win/winuser.h"

namespace {

TEST(ShortCuts, NamesAndBack) {
  struct Case {
    TShortCut shortCut;
    const char* text;
  };
  const Case cases[] = {
      {scCtrl | 'S', "Ctrl+S"},
      {scShift | VK_F5, "Shift+F5"},
      {scAlt | VK_DELETE, "Alt+Del"},
      {scShift | scCtrl | scAlt | 'Z', "Shift+Ctrl+Alt+Z"},
      {VK_F1 + 23, "F24"},
      {VK_BACK, "BkSp"},
      {VK_TAB, "Tab"},
      {scCtrl | VK_RETURN, "Ctrl+Enter"},
      {VK_ESCAPE, "Esc"},
      {VK_SPACE, "Space"},
      {VK_PRIOR, "PgUp"},
      {VK_NEXT, "PgDn"},
      {VK_END, "End"},
      {VK_HOME, "Home"},
      {VK_LEFT, "Left"},
      {VK_UP, "Up"},
      {VK_RIGHT, "Right"},
      {VK_DOWN, "Down"},
      {VK_INSERT, "Ins"},
      {'0', "0"},
      {scCtrl | '9', "Ctrl+9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text) << c.text;
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
  }
}

TEST(ShortCuts, KeysWithoutANameAndNumpadDigits) {
  // A key without a name is "#" and the whole shortcut word in decimal.
  EXPECT_EQ(ShortCutToText(scCtrl | 0xBA), "#" + std::to_string(scCtrl | 0xBA));
  EXPECT_EQ(ShortCutToText(0), "#0");
  // The keypad's digits share the digits' names, so the names find the
  // main row's keys.
  EXPECT_EQ(ShortCutToText(VK_NUMPAD7), "7");
  EXPECT_EQ(TextToShortCut("7"), '7');
}

TEST(ShortCuts, TextIsReadInAnyCaseAndOrder) {
  struct Case {
    const char* text;
    TShortCut shortCut;
  };
  const Case cases[] = {
      {"ctrl+a", scCtrl | 'A'},
      {"Shift+Del", scShift | VK_DELETE},
      {"^Q", scCtrl | 'Q'},
      {"alt+shift+f10", scAlt | scShift | (VK_F1 + 9)},
      {"CTRL+pgdn", scCtrl | VK_NEXT},
      // Nothing after the modifiers, or no key of that name: no shortcut.
      {"Ctrl+", 0},
      {"", 0},
      {"Ctrl+Banana", 0},
      {"F25", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
}

TEST(ShortCuts, ShortCutFromKeyAndShiftState) {
  EXPECT_EQ(ShortCut('S', TShiftState{ssCtrl}), scCtrl | 'S');
  EXPECT_EQ(ShortCut(VK_F5, TShiftState{ssShift, ssAlt}), scShift | scAlt | VK_F5);
  EXPECT_EQ(ShortCut(0x1234, TShiftState{}), 0) << "keys above a byte have no shortcut";
  WORD key = 0;
  TShiftState shift;
  ShortCutToKey(scAlt | scCtrl | VK_HOME, key, shift);
  EXPECT_EQ(key, VK_HOME);
  EXPECT_EQ(shift, (TShiftState{ssAlt, ssCtrl}));
}

}  // namespace
