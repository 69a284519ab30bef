// Clipboard formats of the Windows API stand-in: the standard numbers and
// formats registered by name.
#pragma once

#include "platform/win/windef.h"

#define CF_TEXT 1
#define CF_BITMAP 2
#define CF_DIB 8
#define CF_UNICODETEXT 13
#define CF_HDROP 15

// The same name (case ignored) gives the same number, from 0xC000 up; 0 for
// an empty name.
UINT RegisterClipboardFormatA(LPCSTR lpszFormat);
inline constexpr auto& RegisterClipboardFormat = RegisterClipboardFormatA;
