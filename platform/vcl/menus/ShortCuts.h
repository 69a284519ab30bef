// Key shortcuts of menu items: a virtual key in the low byte with the
// modifier bits scShift, scCtrl and scAlt, and their names ("Ctrl+S").
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/controls/ControlTypes.h"
#include "platform/win/windef.h"

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
// "Shift+", "Ctrl+" and "Alt+" in this order before the key's name; a key
// without a name is "#" and the decimal value of the whole shortcut.
std::string ShortCutToText(TShortCut shortCut);
// Leading "Shift+", "Ctrl+" (or "^") and "Alt+" in any order and case, then
// a key name compared ignoring case; 0 when nothing or no key matches.
TShortCut TextToShortCut(std::string text);
