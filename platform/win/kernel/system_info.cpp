#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/win/kernel/paths.h"
#include "platform/win/kernel/string_out.h"
#include "platform/win/kernel/user_dirs.h"
#include "platform/win/winbase.h"

namespace {

std::string UserName() {
  passwd pw{};
  passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &pw, buffer, sizeof buffer, &found) == 0 && found) return found->pw_name;
  const char* user = std::getenv("USER");
  return user ? user : "";
}

}  // namespace

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
  if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  info->dwMajorVersion = 5;
  info->dwMinorVersion = 1;
  info->dwBuildNumber = 2600;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
  return TRUE;
}

// On success the size counts the terminator, as Windows reports it.
BOOL GetUserNameA(LPSTR lpBuffer, LPDWORD pcbBuffer) {
  if (!pcbBuffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::string name = UserName();
  if (!lpBuffer || name.size() + 1 > *pcbBuffer) {
    *pcbBuffer = static_cast<DWORD>(name.size() + 1);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(lpBuffer, name.c_str(), name.size() + 1);
  *pcbBuffer = static_cast<DWORD>(name.size() + 1);
  return TRUE;
}

// The host name, upper case and cut to 15 characters like a NetBIOS name.
BOOL GetComputerNameA(LPSTR lpBuffer, LPDWORD nSize) {
  if (!nSize) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  std::string name = host;
  name = name.substr(0, name.find('.'));
  if (name.size() > MAX_COMPUTERNAME_LENGTH) name.resize(MAX_COMPUTERNAME_LENGTH);
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (!lpBuffer || name.size() + 1 > *nSize) {
    *nSize = static_cast<DWORD>(name.size() + 1);
    SetLastError(ERROR_BUFFER_OVERFLOW);
    return FALSE;
  }
  std::memcpy(lpBuffer, name.c_str(), name.size() + 1);
  *nSize = static_cast<DWORD>(name.size());
  return TRUE;
}

UINT GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return win::kernel::CopyOut(win::kernel::ToWindowsPath(win::kernel::WindowsDir()), lpBuffer, uSize);
}

UINT GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return win::kernel::CopyOut(win::kernel::ToWindowsPath(win::kernel::SystemDir()), lpBuffer, uSize);
}

DWORD GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
  const char* value = lpName ? std::getenv(lpName) : nullptr;
  if (!value) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  return win::kernel::CopyOut(value, lpBuffer, nSize);
}
