// The shell's entry points: the allocator, the desktop folder, special
// folders and paths of item lists.
#include <cstring>

#include "platform/win/shell/item_ids.h"
#include "platform/win/shell/namespace_paths.h"
#include "platform/win/shell/shell_folder.h"
#include "platform/win/shlobj.h"

using namespace win::shell;

HRESULT SHGetMalloc(LPMALLOC* ppMalloc) {
  return CoGetMalloc(1, ppMalloc);
}

HRESULT SHGetDesktopFolder(IShellFolder** ppshf) {
  return CreateShellFolder({}, IID_IShellFolder, reinterpret_cast<void**>(ppshf));
}

HRESULT SHGetSpecialFolderLocation(HWND, int nFolder, LPITEMIDLIST* ppidl) {
  if (!ppidl) return E_INVALIDARG;
  *ppidl = nullptr;
  Items items;
  HRESULT result = S_OK;
  switch (nFolder) {
    case CSIDL_DESKTOP: break;
    case CSIDL_PERSONAL: items.push_back({ItemKind::Home, {}}); break;
    case CSIDL_DRIVES: items.push_back({ItemKind::MyComputer, {}}); break;
    case CSIDL_SENDTO: result = ParseAbsolutePath(SendToFolder(), &items); break;
    case CSIDL_DESKTOPDIRECTORY: result = ParseAbsolutePath(DesktopFolder(), &items); break;
    case CSIDL_APPDATA: result = ParseAbsolutePath(ConfigFolder(), &items); break;
    case CSIDL_LOCAL_APPDATA: result = ParseAbsolutePath(DataFolder(), &items); break;
    default: return E_INVALIDARG;
  }
  if (FAILED(result)) return result;
  *ppidl = EncodeIdList(items);
  return *ppidl ? S_OK : E_OUTOFMEMORY;
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR pszPath) {
  if (!pszPath) return FALSE;
  pszPath[0] = 0;
  const std::optional<Items> items = DecodeIdList(pidl);
  if (!items) return FALSE;
  const std::optional<std::string> path = PathOf(*items);
  if (!path) return FALSE;
  const std::string shown = ShownPath(*path);
  // The buffer holds MAX_PATH characters; a longer path is no answer.
  if (shown.size() >= MAX_PATH) return FALSE;
  std::memcpy(pszPath, shown.c_str(), shown.size() + 1);
  return TRUE;
}

HRESULT SHGetInstanceExplorer(IUnknown** ppunk) {
  if (ppunk) *ppunk = nullptr;
  return E_FAIL;
}
