// The resource functions of the kernel.
#include "platform/win/winbase.h"
#include "platform/win/winerror.h"
#include "platform/win/winres.h"
#include "platform/win/resource/store.h"

using win::resource::Record;

HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  if (!lpName || !lpType) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  DWORD error = 0;
  const Record* r = win::resource::Lookup(hModule, lpType, lpName, error);
  if (!r) SetLastError(error);
  return reinterpret_cast<HRSRC>(const_cast<Record*>(r));
}

HRSRC FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD /*wLanguage*/) {
  // Every embedded resource is language-neutral, which any language falls back to.
  return FindResourceA(hModule, lpName, lpType);
}

HGLOBAL LoadResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  if (!hResInfo) return nullptr;
  const auto* r = reinterpret_cast<const Record*>(hResInfo);
  return const_cast<unsigned char*>(r->data);
}

LPVOID LockResource(HGLOBAL hResData) {
  return hResData;
}

DWORD SizeofResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  if (!hResInfo) return 0;
  return static_cast<DWORD>(reinterpret_cast<const Record*>(hResInfo)->size);
}

BOOL FreeResource(HGLOBAL /*hResData*/) {
  return FALSE;
}

BOOL EnumResourceNamesA(HMODULE hModule, LPCSTR lpType, ENUMRESNAMEPROCA lpEnumFunc, LONG_PTR lParam) {
  if (!lpType || !lpEnumFunc) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
  }
  DWORD error = 0;
  const auto records = win::resource::RecordsOfType(hModule, lpType, error);
  if (records.empty()) {
    SetLastError(error);
    return FALSE;
  }
  for (const Record* r : records) {
    LPSTR name = r->name ? const_cast<LPSTR>(r->name) : MAKEINTRESOURCEA(r->nameId);
    if (!lpEnumFunc(hModule, lpType, name, lParam)) {
      SetLastError(ERROR_RESOURCE_ENUM_USER_STOP);
      return FALSE;
    }
  }
  return TRUE;
}
