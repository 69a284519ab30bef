// Menus: the records behind HMENU, their layout and drawing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/winuser.h"

namespace win::user {

struct MenuItem {
  UINT type = MFT_STRING;  // MFT_ bits (separator, owner-draw, radio, breaks, bitmap)
  UINT state = 0;  // MFS_ bits (grayed, checked, default, hilite)
  UINT id = 0;
  HMENU sub = nullptr;
  std::string text;
  ULONG_PTR data = 0;
  HBITMAP bmpChecked = nullptr, bmpUnchecked = nullptr, bmpItem = nullptr;
  RECT rect{};  // from the last layout: bar (window coordinates) or popup (client)
};

struct Menu {
  HMENU handle = nullptr;
  bool popup = false;
  std::vector<MenuItem> items;
};

Menu* MenuFromHandle(HMENU menu);
// The item by command id (searching submenus) or by position; also gives
// the menu that holds it.
MenuItem* FindItem(HMENU menu, UINT item, bool byPosition, Menu** holder = nullptr);

// The mnemonic letter ("&x") of an item's text, lower case, or 0.
char Mnemonic(const std::string& text);

// Lays out a popup: item rectangles in client coordinates; returns the
// client size. owner receives WM_MEASUREITEM for owner-drawn items.
SIZE LayoutPopup(Menu* m, HWND owner);
// Lays out a menu bar inside `bar` (window coordinates).
void LayoutBar(Menu* m, const RECT& bar, HDC dc);
// Draws one item (popup or bar) in its rectangle.
void DrawMenuItem(HDC dc, Menu* m, int index, bool bar, bool selected, HWND owner);

HFONT MenuFont(bool bold);

}  // namespace win::user
