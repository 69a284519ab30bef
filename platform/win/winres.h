// Resources embedded in the program and its libraries: finding them by type
// and name, reading their bytes, and string tables.
//
// Names and types are MAKEINTRESOURCE numbers or strings; strings compare
// without regard to case, and "#123" means the number 123. A NULL module is
// the program's own (win::resource::MainModule()).
#pragma once

#include "platform/win/windef.h"

#define RT_CURSOR MAKEINTRESOURCEA(1)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_FONTDIR MAKEINTRESOURCEA(7)
#define RT_FONT MAKEINTRESOURCEA(8)
#define RT_ACCELERATOR MAKEINTRESOURCEA(9)
#define RT_RCDATA MAKEINTRESOURCEA(10)
#define RT_MESSAGETABLE MAKEINTRESOURCEA(11)
#define RT_GROUP_CURSOR MAKEINTRESOURCEA(12)
#define RT_GROUP_ICON MAKEINTRESOURCEA(14)
#define RT_VERSION MAKEINTRESOURCEA(16)

// EnumResourceNamesA's error when the callback stopped it (winerror.h lacks it).
#ifndef ERROR_RESOURCE_ENUM_USER_STOP
#define ERROR_RESOURCE_ENUM_USER_STOP 15106L
#endif

typedef BOOL(CALLBACK* ENUMRESNAMEPROCA)(HMODULE hModule, LPCSTR lpType, LPSTR lpName, LONG_PTR lParam);

HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HRSRC FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage);
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
// The bytes are the module's own and read-only.
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
// Embedded resources are never unloaded: always FALSE.
BOOL FreeResource(HGLOBAL hResData);
// Copies string uID of the module's string table into lpBuffer (at most
// cchBufferMax - 1 bytes, never splitting a UTF-8 character, always
// terminated). Returns the bytes copied; 0 when there is no such string.
int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
// Calls lpEnumFunc for each resource name of the type, numbers first, until it
// returns FALSE.
BOOL EnumResourceNamesA(HMODULE hModule, LPCSTR lpType, ENUMRESNAMEPROCA lpEnumFunc, LONG_PTR lParam);

// The undecorated names are functions, not macros, so that class members of
// the same name elsewhere stay untouched.
inline HRSRC FindResource(HMODULE m, LPCSTR name, LPCSTR type) {
  return FindResourceA(m, name, type);
}
inline HRSRC FindResourceEx(HMODULE m, LPCSTR type, LPCSTR name, WORD lang) {
  return FindResourceExA(m, type, name, lang);
}
inline int LoadString(HINSTANCE i, UINT id, LPSTR buf, int max) {
  return LoadStringA(i, id, buf, max);
}
inline BOOL EnumResourceNames(HMODULE m, LPCSTR type, ENUMRESNAMEPROCA fn, LONG_PTR lp) {
  return EnumResourceNamesA(m, type, fn, lp);
}
