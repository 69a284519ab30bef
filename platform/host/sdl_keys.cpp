#include "platform/host/sdl_keys.h"

#include <SDL.h>

namespace host {
namespace {

// Windows virtual-key numbers used below.
enum : int {
  kBack = 0x08,
  kTab = 0x09,
  kClear = 0x0C,
  kReturn = 0x0D,
  kShift = 0x10,
  kControl = 0x11,
  kMenu = 0x12,
  kPause = 0x13,
  kCapital = 0x14,
  kEscape = 0x1B,
  kSpace = 0x20,
  kPrior = 0x21,
  kNext = 0x22,
  kEnd = 0x23,
  kHome = 0x24,
  kLeft = 0x25,
  kUp = 0x26,
  kRight = 0x27,
  kDown = 0x28,
  kSnapshot = 0x2C,
  kInsert = 0x2D,
  kDelete = 0x2E,
  kHelp = 0x2F,
  kLWin = 0x5B,
  kRWin = 0x5C,
  kApps = 0x5D,
  kNumpad0 = 0x60,
  kMultiply = 0x6A,
  kAdd = 0x6B,
  kSubtract = 0x6D,
  kDecimal = 0x6E,
  kDivide = 0x6F,
  kF1 = 0x70,
  kNumLock = 0x90,
  kScroll = 0x91,
  kOem1 = 0xBA,
  kOemPlus = 0xBB,
  kOemComma = 0xBC,
  kOemMinus = 0xBD,
  kOemPeriod = 0xBE,
  kOem2 = 0xBF,
  kOem3 = 0xC0,
  kOem4 = 0xDB,
  kOem5 = 0xDC,
  kOem6 = 0xDD,
  kOem7 = 0xDE,
  kOem102 = 0xE2,
};

int Keypad(std::int32_t k, bool numLock) {
  // With Num Lock off the keypad is the navigation block.
  static const int nav[10] = {kInsert, kEnd, kDown, kNext, kLeft, kClear, kRight, kHome, kUp, kPrior};
  int digit = -1;
  if (k == SDLK_KP_0)
    digit = 0;
  else if (k >= SDLK_KP_1 && k <= SDLK_KP_9)
    digit = k - SDLK_KP_1 + 1;
  if (digit >= 0) return numLock ? kNumpad0 + digit : nav[digit];
  switch (k) {
    case SDLK_KP_PERIOD: return numLock ? kDecimal : kDelete;
    case SDLK_KP_MULTIPLY: return kMultiply;
    case SDLK_KP_PLUS: return kAdd;
    case SDLK_KP_MINUS: return kSubtract;
    case SDLK_KP_DIVIDE: return kDivide;
    case SDLK_KP_ENTER: return kReturn;
    default: return 0;
  }
}

}  // namespace

int VirtualKeyFromSdl(std::int32_t k, bool numLock) {
  if (k >= 'a' && k <= 'z') return k - 'a' + 'A';
  if (k >= '0' && k <= '9') return k;
  if (k >= SDLK_F1 && k <= SDLK_F12) return kF1 + (k - SDLK_F1);
  if (k >= SDLK_F13 && k <= SDLK_F24) return kF1 + 12 + (k - SDLK_F13);
  if (const int pad = Keypad(k, numLock)) return pad;
  switch (k) {
    case SDLK_BACKSPACE: return kBack;
    case SDLK_TAB: return kTab;
    case SDLK_RETURN: return kReturn;
    case SDLK_ESCAPE: return kEscape;
    case SDLK_SPACE: return kSpace;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return kControl;
    case SDLK_LALT:
    case SDLK_RALT: return kMenu;
    case SDLK_LGUI: return kLWin;
    case SDLK_RGUI: return kRWin;
    case SDLK_APPLICATION: return kApps;
    case SDLK_PAUSE: return kPause;
    case SDLK_CAPSLOCK: return kCapital;
    case SDLK_NUMLOCKCLEAR: return kNumLock;
    case SDLK_SCROLLLOCK: return kScroll;
    case SDLK_PRINTSCREEN: return kSnapshot;
    case SDLK_HELP: return kHelp;
    case SDLK_PAGEUP: return kPrior;
    case SDLK_PAGEDOWN: return kNext;
    case SDLK_END: return kEnd;
    case SDLK_HOME: return kHome;
    case SDLK_LEFT: return kLeft;
    case SDLK_UP: return kUp;
    case SDLK_RIGHT: return kRight;
    case SDLK_DOWN: return kDown;
    case SDLK_INSERT: return kInsert;
    case SDLK_DELETE: return kDelete;
    case SDLK_SEMICOLON: return kOem1;
    case SDLK_EQUALS: return kOemPlus;
    case SDLK_COMMA: return kOemComma;
    case SDLK_MINUS: return kOemMinus;
    case SDLK_PERIOD: return kOemPeriod;
    case SDLK_SLASH: return kOem2;
    case SDLK_BACKQUOTE: return kOem3;
    case SDLK_LEFTBRACKET: return kOem4;
    case SDLK_BACKSLASH: return kOem5;
    case SDLK_RIGHTBRACKET: return kOem6;
    case SDLK_QUOTE: return kOem7;
    case SDLK_LESS: return kOem102;  // the extra key beside left Shift on European boards
    default: return 0;
  }
}

}  // namespace host
