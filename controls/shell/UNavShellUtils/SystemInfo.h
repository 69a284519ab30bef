// What the controls ask of the system: its version, comctl32's version and
// the version block of a file.
#pragma once

#include <string>

#include "platform/win/windows.h"

// comctl32 versions the controls test against (major << 16 + minor).
inline constexpr DWORD kComctl32SortArrows = 0x40046;
inline constexpr DWORD kComctl32Overlays = 0x40047;
inline constexpr DWORD kComctl32ToolTips = 0x40048;

struct TNavComctl32Version {
  DWORD Most = 0;
  DWORD Least = 0;
};

bool IsWinNT();
// Read once; both words 0 when comctl32 has no readable version block.
TNavComctl32Version Comctl32Version();
// The fixed version block of a file.
bool GetFileVersion(const std::string& fileName, DWORD& most, DWORD& least);

// Tests: read the system and comctl32 versions again on next use.
void ResetNavSystemInfo();
