// The default keys of the shell tree and list, and the key-name parser they
// are read with. The unit's own ShortCutToText / TextToShortCut live in its
// namespace, beside the class library's functions of the same names.
#pragma once

#include <array>
#include <string>

#include "platform/win/windef.h"

struct TNavShellControlDefKeyRec {
  std::string KeyName;
  WORD ShortCut = 0;
};

// Entries: 0 select all, 1 delete, 2 copy, 3 cut, 4 paste, 5 refresh, 6 rename.
enum TNavShellControlDefKey { dkSelectAll, dkDelete, dkCopy, dkCut, dkPaste, dkRefresh, dkRename };
inline constexpr int kNavShellControlDefKeyCount = 7;

std::array<TNavShellControlDefKeyRec, kNavShellControlDefKeyCount>& ShellControlDefKeys();
// On the first call only: each entry's shortcut from its name.
void InitDefaultKeys();

namespace UNavShellControls {

// Modifier bits of a shortcut word.
inline constexpr WORD kNavShiftKey = 0x2000;
inline constexpr WORD kNavCtrlKey = 0x4000;
inline constexpr WORD kNavAltKey = 0x8000;

// "Shift+", "Ctrl+", "Alt+" as present, then the key's name; a key without
// a name is "#" and the decimal value of the whole word.
std::string ShortCutToText(WORD shortCut);
// Leading "Shift+", "^" or "Ctrl+", "Alt+" in any order and case, then the
// first value from 8 to 597 whose name is the rest (ignoring case); 0 when
// nothing is left or nothing matches.
WORD TextToShortCut(const std::string& text);

}  // namespace UNavShellControls
