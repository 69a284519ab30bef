// Private profile files. Each call reads the file afresh; each write replaces
// it whole through a temporary file, under one lock for the process.
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/win/kernel/atomic_file.h"
#include "platform/win/kernel/ini_document.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/kernel/user_dirs.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::IniDocument;

std::mutex& ProfileLock() {
  static std::mutex* lock = new std::mutex;
  return *lock;
}

// A bare file name lives in the Windows directory.
std::string ProfilePath(LPCSTR fileName) {
  std::string name = fileName ? fileName : "win.ini";
  if (name.find_first_of("\\/:") == std::string::npos) return win::kernel::ResolvePath(name, win::kernel::WindowsDir());
  return win::kernel::ResolvePath(name);
}

IniDocument Load(const std::string& path) {
  std::string text;
  win::kernel::ReadWholeFile(path, text);
  return IniDocument::Parse(text);
}

// Names, each ending in NUL, the list ending in one more NUL. A list that
// does not fit is cut, still ends in two NULs, and returns nSize - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  if (size == 1) {
    buffer[0] = '\0';
    return 0;
  }
  std::string all;
  for (auto& n : names) {
    all += n;
    all += '\0';
  }
  if (all.size() + 1 <= size) {
    std::memcpy(buffer, all.data(), all.size());
    buffer[all.size()] = '\0';
    if (all.empty()) buffer[1 < size ? 1 : 0] = '\0';
    return static_cast<DWORD>(all.size());
  }
  std::memcpy(buffer, all.data(), size - 2);
  buffer[size - 2] = '\0';
  buffer[size - 1] = '\0';
  return size - 2;
}

DWORD CopyValue(const std::string& value, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  size_t n = value.size() < size ? value.size() : size - 1;
  std::memcpy(buffer, value.data(), n);
  buffer[n] = '\0';
  return static_cast<DWORD>(n);
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                               DWORD nSize, LPCSTR lpFileName) {
  std::lock_guard guard(ProfileLock());
  IniDocument doc = Load(ProfilePath(lpFileName));
  if (!lpAppName) return CopyList(doc.Sections(), lpReturnedString, nSize);
  if (!lpKeyName) return CopyList(doc.Keys(lpAppName), lpReturnedString, nSize);
  if (auto value = doc.Get(lpAppName, lpKeyName)) {
    SetLastError(ERROR_SUCCESS);
    return CopyValue(*value, lpReturnedString, nSize);
  }
  std::string fallback = lpDefault ? lpDefault : "";
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  SetLastError(ERROR_FILE_NOT_FOUND);
  return CopyValue(fallback, lpReturnedString, nSize);
}

DWORD GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName) {
  return GetPrivateProfileStringA(nullptr, nullptr, nullptr, lpszReturnBuffer, nSize, lpFileName);
}

// The leading (signed) decimal number of the value; 0 when it has none.
UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
  if (!lpAppName || !lpKeyName) return static_cast<UINT>(nDefault);
  std::optional<std::string> value;
  {
    std::lock_guard guard(ProfileLock());
    value = Load(ProfilePath(lpFileName)).Get(lpAppName, lpKeyName);
  }
  if (!value) return static_cast<UINT>(nDefault);
  return static_cast<UINT>(static_cast<INT>(std::strtol(value->c_str(), nullptr, 10)));
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName) {
  if (!lpAppName) {
    // All NULL asks to flush a cache; there is none.
    if (!lpKeyName && !lpString) return TRUE;
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::lock_guard guard(ProfileLock());
  std::string path = ProfilePath(lpFileName);
  std::string text;
  if (!win::kernel::ReadWholeFile(path, text)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  IniDocument doc = IniDocument::Parse(text);
  if (!lpKeyName)
    doc.DeleteSection(lpAppName);
  else if (!lpString)
    doc.DeleteKey(lpAppName, lpKeyName);
  else
    doc.Set(lpAppName, lpKeyName, lpString);
  std::string updated = doc.Serialise();
  if (updated == text) return TRUE;
  DWORD error = win::kernel::ReplaceFile(path, updated);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}

DWORD GetProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString, DWORD nSize) {
  return GetPrivateProfileStringA(lpAppName, lpKeyName, lpDefault, lpReturnedString, nSize, "win.ini");
}

UINT GetProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault) {
  return GetPrivateProfileIntA(lpAppName, lpKeyName, nDefault, "win.ini");
}

BOOL WriteProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString) {
  return WritePrivateProfileStringA(lpAppName, lpKeyName, lpString, "win.ini");
}
