#include "controls/shell/UNavShellControls/DetailTexts.h"

#include "controls/shell/UNavShellControls/ControlTexts.h"
#include "platform/win/commctrl.h"  // the image lists ShellItems.h names
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/shellapi.h"

namespace {

bool IsZero(const FILETIME& time) {
  return time.dwLowDateTime == 0 && time.dwHighDateTime == 0;
}

std::string LocalShortDateTime(const FILETIME& utc) {
  FILETIME local{};
  SYSTEMTIME parts{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &parts)) return {};
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(parts.wYear, parts.wMonth, parts.wDay, date)) return {};
  TryEncodeTime(parts.wHour, parts.wMinute, parts.wSecond, 0, time);
  const TDateTime when = date + time;
  return FormatDateTime("ddddd", when) + " " + FormatDateTime("t", when);
}

}  // namespace

std::string FormatSizeKB(std::uint64_t bytes) {
  const std::uint64_t kilobytes = bytes / 1024 + (bytes % 1024 ? 1 : 0);
  return Format(SNavSizeKB, {Format("%.0n", {static_cast<double>(kilobytes)})});
}

void GetSizeAndDateText(LPCITEMIDLIST absolute, std::string& size, std::string& modified) {
  size.clear();
  modified.clear();
  const std::string path = PidlToPath(absolute);
  if (path.size() <= 3) return;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  FindClose(search);
  if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    size = FormatSizeKB((static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
  modified = LocalShortDateTime(IsZero(found.ftLastWriteTime) ? found.ftCreationTime : found.ftLastWriteTime);
}

void GetTypeText(LPCITEMIDLIST absolute, SFGAOF attributes, std::string& type) {
  if (!(attributes & SFGAO_FILESYSTEM)) {
    type = SNavSystemFolder;
    return;
  }
  SHFILEINFOA info{};
  if (SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info, SHGFI_TYPENAME | SHGFI_PIDL))
    type.assign(info.szTypeName, strnlen(info.szTypeName, sizeof info.szTypeName));
  else
    type.clear();
}

void GetDetailTexts(LPCITEMIDLIST absolute, SFGAOF attributes, std::string& size, std::string& modified,
                    std::string& type) {
  GetSizeAndDateText(absolute, size, modified);
  GetTypeText(absolute, attributes, type);
}

void GetDisplayNameByFlags(IShellFolder* folder, LPCITEMIDLIST relative, DWORD flags, std::string& text) {
  text.clear();
  if (!folder) return;
  STRRET name{};
  name.uType = STRRET_CSTR;
  if (folder->GetDisplayNameOf(relative, flags, &name) != S_OK) return;
  text = StrRetToString(relative, name);
  FreeStrRet(name);
}
