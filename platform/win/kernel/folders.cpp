// Current directory, full path names, the temporary folder and the one drive.
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/win/kernel/clock.h"
#include "platform/win/kernel/errors.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/kernel/string_out.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::CopyOut;

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// Lexical full path in Windows form: no file-system lookups, as Windows does.
std::string FullPath(const std::string& name) {
  std::string path = name;
  if (path.size() >= 2 && path[1] == ':') path.erase(0, 2);
  if (path.empty() || !IsSeparator(path[0]))
    path = win::kernel::ToWindowsPath(win::kernel::CurrentDir()).substr(2) + "\\" + path;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    std::string part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string out = "C:";
  for (auto& p : parts) out += "\\" + p;
  if (parts.empty() || (!name.empty() && IsSeparator(name.back()))) out += "\\";
  return out;
}

}  // namespace

DWORD GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer) {
  return CopyOut(win::kernel::ToWindowsPath(win::kernel::CurrentDir()), lpBuffer, nBufferLength);
}

BOOL SetCurrentDirectoryA(LPCSTR lpPathName) {
  std::string path = win::kernel::ResolvePath(lpPathName ? lpPathName : "");
  if (chdir(path.c_str()) != 0) {
    SetLastError(errno == ENOTDIR ? ERROR_DIRECTORY : win::kernel::ErrorFromErrno(errno, path));
    return FALSE;
  }
  return TRUE;
}

DWORD GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer, LPSTR* lpFilePart) {
  if (!lpFileName || !*lpFileName) {
    SetLastError(ERROR_INVALID_NAME);
    return 0;
  }
  std::string full = FullPath(lpFileName);
  DWORD result = CopyOut(full, lpBuffer, nBufferLength);
  if (lpFilePart && result < nBufferLength) {
    size_t cut = full.find_last_of('\\');
    *lpFilePart = cut + 1 < full.size() ? lpBuffer + cut + 1 : nullptr;
  }
  return result;
}

DWORD GetTempPathA(DWORD nBufferLength, LPSTR lpBuffer) {
  const char* tmp = std::getenv("TMPDIR");
  std::string path = win::kernel::ToWindowsPath(tmp && *tmp == '/' ? tmp : "/tmp");
  if (path.back() != '\\') path += '\\';
  return CopyOut(path, lpBuffer, nBufferLength);
}

UINT GetTempFileNameA(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique, LPSTR lpTempFileName) {
  if (!lpPathName || !lpTempFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::string folder = lpPathName;
  if (!folder.empty() && !IsSeparator(folder.back())) folder += '\\';
  std::string prefix = lpPrefixString ? std::string(lpPrefixString).substr(0, 3) : std::string();
  auto nameFor = [&](UINT number) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%X", number & 0xFFFF);
    return folder + prefix + hex + ".TMP";
  };
  if (uUnique != 0) {
    std::string name = nameFor(uUnique);
    if (name.size() >= MAX_PATH) {
      SetLastError(ERROR_BUFFER_OVERFLOW);
      return 0;
    }
    std::snprintf(lpTempFileName, MAX_PATH, "%s", name.c_str());
    return uUnique & 0xFFFF;
  }
  UINT start = static_cast<UINT>(win::clock::NowMicros() / 1000) & 0xFFFF;
  for (UINT i = 0; i < 0x10000; ++i) {
    UINT number = ((start + i) & 0xFFFF) ? ((start + i) & 0xFFFF) : 1;
    std::string name = nameFor(number);
    std::string path = win::kernel::ResolvePath(name);
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      close(fd);
      std::snprintf(lpTempFileName, MAX_PATH, "%s", name.c_str());
      return number;
    }
    if (errno != EEXIST) {
      win::kernel::SetErrorFromErrno(errno, path);
      return 0;
    }
  }
  SetLastError(ERROR_FILE_EXISTS);
  return 0;
}

UINT GetDriveTypeA(LPCSTR lpRootPathName) {
  std::string root = lpRootPathName ? lpRootPathName : "\\";
  // Only drive C's root (also "\" or "/", the root of the current drive) is a drive.
  if (root == "\\" || root == "/" ||
      ((root[0] == 'C' || root[0] == 'c') &&
       (root == std::string(1, root[0]) + ":\\" || root == std::string(1, root[0]) + ":/" ||
        root == std::string(1, root[0]) + ":"))) {
    return DRIVE_FIXED;
  }
  return DRIVE_NO_ROOT_DIR;
}

DWORD GetLogicalDrives() {
  return 1u << 2;
}

BOOL GetDiskFreeSpaceExA(LPCSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
                         PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes) {
  std::string path = win::kernel::ResolvePath(lpDirectoryName ? lpDirectoryName : ".");
  struct statvfs vfs {};
  if (statvfs(path.c_str(), &vfs) != 0) {
    win::kernel::SetErrorFromErrno(errno, path);
    return FALSE;
  }
  if (lpFreeBytesAvailableToCaller)
    lpFreeBytesAvailableToCaller->QuadPart = static_cast<ULONGLONG>(vfs.f_bavail) * vfs.f_frsize;
  if (lpTotalNumberOfBytes) lpTotalNumberOfBytes->QuadPart = static_cast<ULONGLONG>(vfs.f_blocks) * vfs.f_frsize;
  if (lpTotalNumberOfFreeBytes) lpTotalNumberOfFreeBytes->QuadPart = static_cast<ULONGLONG>(vfs.f_bfree) * vfs.f_frsize;
  return TRUE;
}
