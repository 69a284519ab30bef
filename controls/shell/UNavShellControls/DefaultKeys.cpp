#include "controls/shell/UNavShellControls/DefaultKeys.h"

#include "controls/shell/UNavShellControls/ControlTexts.h"
#include "platform/win/drums_ext.h"

namespace UNavShellControls {

namespace {

std::string KeyName(int key, WORD shortCut) {
  static const char* const kMoves[] = {"Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};
  switch (key) {
    case 8: return "BkSp";
    case 9: return "Tab";
    case 13: return "Enter";
    case 27: return "Esc";
    case 45: return "Ins";
    case 46: return "Del";
    default: break;
  }
  if (key >= 32 && key <= 40) return kMoves[key - 32];
  if ((key >= 48 && key <= 57) || (key >= 65 && key <= 90)) return std::string(1, static_cast<char>(key));
  if (key >= 96 && key <= 105) return std::string(1, static_cast<char>('0' + key - 96));
  if (key >= 112 && key <= 135) return "F" + std::to_string(key - 111);
  return "#" + std::to_string(shortCut);
}

// Takes a leading prefix off text (ignoring case).
bool TakePrefix(std::string& text, const char* prefix) {
  const std::string_view p(prefix);
  if (text.size() < p.size() || !win::kernel::EqualsIgnoringCase(std::string_view(text).substr(0, p.size()), p))
    return false;
  text.erase(0, p.size());
  return true;
}

}  // namespace

std::string ShortCutToText(WORD shortCut) {
  std::string text;
  if (shortCut & kNavShiftKey) text += "Shift+";
  if (shortCut & kNavCtrlKey) text += "Ctrl+";
  if (shortCut & kNavAltKey) text += "Alt+";
  return text + KeyName(shortCut & 0xFF, shortCut);
}

WORD TextToShortCut(const std::string& text) {
  std::string rest = text;
  WORD modifiers = 0;
  for (bool found = true; found;) {
    found = true;
    if (TakePrefix(rest, "Shift+"))
      modifiers |= kNavShiftKey;
    else if (TakePrefix(rest, "^") || TakePrefix(rest, "Ctrl+"))
      modifiers |= kNavCtrlKey;
    else if (TakePrefix(rest, "Alt+"))
      modifiers |= kNavAltKey;
    else
      found = false;
  }
  if (rest.empty()) return 0;
  for (int value = 8; value <= 597; ++value) {
    if (win::kernel::EqualsIgnoringCase(ShortCutToText(static_cast<WORD>(value)), rest))
      return static_cast<WORD>(value | modifiers);
  }
  return 0;
}

}  // namespace UNavShellControls

std::array<TNavShellControlDefKeyRec, kNavShellControlDefKeyCount>& ShellControlDefKeys() {
  static std::array<TNavShellControlDefKeyRec, kNavShellControlDefKeyCount> keys = {{
      {SNavKeySelectAll, 0},
      {SNavKeyDelete, 0},
      {SNavKeyCopy, 0},
      {SNavKeyCut, 0},
      {SNavKeyPaste, 0},
      {SNavKeyRefresh, 0},
      {SNavKeyRename, 0},
  }};
  return keys;
}

void InitDefaultKeys() {
  static bool done = false;
  if (done) return;
  done = true;
  for (TNavShellControlDefKeyRec& key : ShellControlDefKeys())
    key.ShortCut = UNavShellControls::TextToShortCut(key.KeyName);
}
