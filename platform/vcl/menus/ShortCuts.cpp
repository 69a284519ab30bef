#include "platform/vcl/menus/ShortCuts.h"

#include <strings.h>

#include "platform/win/winuser.h"

namespace {

// The name of a key alone (no modifiers), or "" when it has none.
std::string KeyName(WORD key) {
  static const char* const kFrom32[] = {"Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};
  switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
    default: break;
  }
  if (key >= VK_SPACE && key <= VK_DOWN) return kFrom32[key - VK_SPACE];
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return std::string(1, static_cast<char>('0' + key - VK_NUMPAD0));
  if (key >= VK_F1 && key <= VK_F1 + 23) return "F" + std::to_string(key - VK_F1 + 1);
  return "";
}

// Removes `prefix` from the front of text, ignoring case; true when it did.
bool TakePrefix(std::string& text, const char* prefix) {
  size_t n = std::char_traits<char>::length(prefix);
  if (text.size() < n || strncasecmp(text.c_str(), prefix, n) != 0) return false;
  text.erase(0, n);
  return true;
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  if ((key & 0xFF00) != 0) return scNone;
  TShortCut result = key;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = {};
  if (shortCut & scShift) shift.Include(ssShift);
  if (shortCut & scCtrl) shift.Include(ssCtrl);
  if (shortCut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
  std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return "#" + std::to_string(shortCut);
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

TShortCut TextToShortCut(std::string text) {
  TShortCut modifiers = 0;
  for (bool more = true; more;) {
    more = false;
    if (TakePrefix(text, "Shift+")) {
      modifiers |= scShift;
      more = true;
    } else if (TakePrefix(text, "^") || TakePrefix(text, "Ctrl+")) {
      modifiers |= scCtrl;
      more = true;
    } else if (TakePrefix(text, "Alt+")) {
      modifiers |= scAlt;
      more = true;
    }
  }
  if (text.empty()) return scNone;
  for (int value = 8; value <= 597; value++) {
    std::string name = ShortCutToText(static_cast<TShortCut>(value));
    if (strcasecmp(name.c_str(), text.c_str()) == 0) return static_cast<TShortCut>(value | modifiers);
  }
  return scNone;
}
