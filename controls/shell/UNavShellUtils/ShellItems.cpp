#include "controls/shell/UNavShellUtils/ShellItems.h"

#include <cstring>

#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/SystemInfo.h"
#include "controls/shell/UNavShellUtils/WideText.h"
#include "platform/win/commctrl.h"
#include "platform/win/shellapi.h"

namespace {

// The longest path the shell's parser takes, in characters.
constexpr std::size_t kMaxParsedPath = 259;
constexpr HRESULT kPathTooLong = static_cast<HRESULT>(0x800700CEL);  // ERROR_FILENAME_EXCED_RANGE

constexpr SHGDNF kNameFlags[] = {SHGDN_NORMAL, SHGDN_INFOLDER, SHGDN_FORPARSING};
constexpr UINT kIconSizeFlags[] = {SHGFI_SMALLICON, SHGFI_LARGEICON};

bool g_overlaysDone = false;

HIMAGELIST SystemList(TNavIconSize size) {
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | kIconSizeFlags[size]));
}

void AddOverlay(HMODULE shell32, int resource, int overlay, HIMAGELIST small, HIMAGELIST large) {
  const struct {
    HIMAGELIST list;
    int pixels;
  } sizes[] = {{small, 16}, {large, 32}};
  for (const auto& s : sizes) {
    HICON icon =
        static_cast<HICON>(LoadImageA(shell32, MAKEINTRESOURCEA(resource), IMAGE_ICON, s.pixels, s.pixels, LR_SHARED));
    if (!icon || !s.list) continue;
    const int index = ImageList_AddIcon(s.list, icon);
    if (index >= 0) ImageList_SetOverlayImage(s.list, index, overlay);
    DestroyIcon(icon);
  }
}

void SetUpOverlays() {
  HMODULE shell32 = LoadLibraryA("shell32.dll");
  if (!shell32) return;  // tried again on the next call
  HIMAGELIST small = SystemList(isSmall);
  HIMAGELIST large = SystemList(isLarge);
  AddOverlay(shell32, 29, 1, small, large);
  AddOverlay(shell32, 30, 2, small, large);
  g_overlaysDone = true;
  FreeLibrary(shell32);
}

}  // namespace

HRESULT GetShellFolder(LPCITEMIDLIST list, IShellFolder** folder) {
  if (!folder) return E_POINTER;
  *folder = nullptr;
  IShellFolder* desktop = nullptr;
  HRESULT result = SHGetDesktopFolder(&desktop);
  if (FAILED(result) || !desktop) return FAILED(result) ? result : E_FAIL;
  if (IsDesktopPidl(list)) {
    *folder = desktop;
    return S_OK;
  }
  result = desktop->BindToObject(list, nullptr, IID_IShellFolder, reinterpret_cast<void**>(folder));
  desktop->Release();
  return result;
}

HRESULT PathToPidl(const std::string& path, LPITEMIDLIST* list) {
  if (!list) return E_POINTER;
  *list = nullptr;
  std::wstring wide = navshell::ToWide(path);
  // A path is parsed whole or not at all: a cut one would name another item.
  if (wide.size() > kMaxParsedPath) return kPathTooLong;
  IShellFolder* desktop = nullptr;
  HRESULT result = SHGetDesktopFolder(&desktop);
  if (FAILED(result) || !desktop) return FAILED(result) ? result : E_FAIL;
  ULONG eaten = 0;
  try {
    result = desktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, list, nullptr);
  } catch (...) {
    ShellFree(*list);
    *list = nullptr;
    desktop->Release();
    throw;
  }
  desktop->Release();
  if (FAILED(result)) {
    ShellFree(*list);
    *list = nullptr;
  }
  return result;
}

std::string PidlToPath(LPCITEMIDLIST list) {
  static const USHORT empty = 0;
  if (!list) list = reinterpret_cast<LPCITEMIDLIST>(&empty);
  char buffer[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(list, buffer)) return {};
  return buffer;
}

HRESULT GetSpecialFolderPidl(HWND owner, int csidl, LPITEMIDLIST* list) {
  return SHGetSpecialFolderLocation(owner, csidl & 0x7F, list);
}

std::string GetSpecialFolderPath(HWND owner, int csidl) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(GetSpecialFolderPidl(owner, csidl, &list))) return {};
  std::string path = PidlToPath(list);
  ShellFree(list);
  return path;
}

BYTE GetSpecialFolderId(LPCITEMIDLIST list) {
  for (int csidl = 0; csidl <= kNavLastSpecialFolder; ++csidl) {
    LPITEMIDLIST location = nullptr;
    if (FAILED(GetSpecialFolderPidl(nullptr, csidl, &location))) continue;
    const bool same = ComparePidls(location, list) == 0;
    ShellFree(location);
    if (same) return static_cast<BYTE>(csidl);
  }
  return kNavLastSpecialFolder;
}

int GetIconIndex(LPCITEMIDLIST list, UINT extraFlags) {
  try {
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(list), 0, &info, sizeof info, extraFlags | SHGFI_PIDL | SHGFI_SYSICONINDEX);
    return info.iIcon;
  } catch (...) {
    return 0;
  }
}

HIMAGELIST GetSystemImageList(TNavIconSize size) {
  if (!g_overlaysDone && IsWinNT() && Comctl32Version().Most >= kComctl32Overlays) SetUpOverlays();
  return SystemList(size);
}

void ResetNavOverlays() {
  g_overlaysDone = false;
}

std::string GetDisplayName(IShellFolder* folder, LPCITEMIDLIST list, TNavNameKind kind) {
  IShellFolder* desktop = nullptr;
  if (!folder) {
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop) return {};
    folder = desktop;
  }
  STRRET name{};
  name.uType = STRRET_CSTR;
  std::string text;
  if (SUCCEEDED(folder->GetDisplayNameOf(list, kNameFlags[kind], &name))) {
    text = StrRetToString(list, name);
    FreeStrRet(name);
  }
  if (desktop) desktop->Release();
  return text;
}

std::string StrRetToString(LPCITEMIDLIST list, const STRRET& value) {
  switch (value.uType) {
    case STRRET_WSTR: return navshell::FromWide(value.pOleStr);
    case STRRET_OFFSET: {
      if (!list) return {};
      // The text lies inside the list: never read past its terminator.
      const std::size_t size = static_cast<std::size_t>(PidlSize(list));
      if (value.uOffset >= size) return {};
      const char* start = reinterpret_cast<const char*>(list) + value.uOffset;
      return std::string(start, strnlen(start, size - value.uOffset));
    }
    case STRRET_CSTR: return std::string(value.cStr, strnlen(value.cStr, sizeof value.cStr));
    default: return {};
  }
}

void FreeStrRet(STRRET& value) {
  if (value.uType == STRRET_WSTR && value.pOleStr) {
    CoTaskMemFree(value.pOleStr);
    value.pOleStr = nullptr;
  }
}

std::string AddTrailingChar(const std::string& text, char character) {
  if (text.empty() || text.back() == character) return text;
  return text + character;
}

void AppendCharAt(int& position, const std::string& text, std::string& result) {
  if (position < 1 || static_cast<std::size_t>(position) > text.size()) return;
  result += text[static_cast<std::size_t>(position - 1)];
  ++position;
}

std::string ExtractItemFileName(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}
