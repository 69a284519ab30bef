#include "controls/shell/UNavShellControls/PidlUIObjects.h"

#include "controls/shell/UNavShellUtils/IdListArray.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "platform/win/commctrl.h"  // the image lists ShellItems.h names
#include "controls/shell/UNavShellUtils/ShellItems.h"

namespace {

// The desktop directory's own file-system list (the caller frees it).
HRESULT DesktopDirPidl(LPITEMIDLIST* list) {
  *list = nullptr;
  const std::string path = PidlToPath(nullptr);
  if (path.empty()) return E_FAIL;
  return PathToPidl(path, list);
}

// Copies of all but the last item, and of the last item.
HRESULT SplitCopies(LPCITEMIDLIST list, LPITEMIDLIST* parentAbsolute, LPITEMIDLIST* child) {
  *parentAbsolute = nullptr;
  *child = nullptr;
  TNavIdListArray items(list);
  const int count = items.GetCount();
  if (count == 0) return E_INVALIDARG;
  if (count > 1) *parentAbsolute = CopyPidl(nullptr, items.Ancestor(1));
  *child = CopyPidl(nullptr, items.Item(count - 1));
  if (!*child || (count > 1 && !*parentAbsolute)) {
    ShellFree(*parentAbsolute);
    ShellFree(*child);
    *parentAbsolute = *child = nullptr;
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

}  // namespace

HRESULT SplitPidl(LPCITEMIDLIST absolute, IShellFolder** parentFolder, LPITEMIDLIST* parentAbsolute,
                  LPITEMIDLIST* child) {
  *parentFolder = nullptr;
  *parentAbsolute = nullptr;
  *child = nullptr;
  LPITEMIDLIST desktopDir = nullptr;
  if (IsDesktopPidl(absolute)) {
    if (const HRESULT parsed = DesktopDirPidl(&desktopDir); FAILED(parsed)) return parsed;
    absolute = desktopDir;
  }
  HRESULT result = SplitCopies(absolute, parentAbsolute, child);
  if (SUCCEEDED(result)) result = GetShellFolder(*parentAbsolute, parentFolder);
  ShellFree(desktopDir);
  if (FAILED(result)) {
    ShellFree(*parentAbsolute);
    ShellFree(*child);
    *parentAbsolute = *child = nullptr;
    *parentFolder = nullptr;
  }
  return result;
}

HRESULT GetUIObjectOfPidl(LPCITEMIDLIST absolute, REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  IShellFolder* folder = nullptr;
  LPITEMIDLIST parent = nullptr, child = nullptr;
  HRESULT result = SplitPidl(absolute, &folder, &parent, &child);
  if (SUCCEEDED(result)) {
    LPCITEMIDLIST items[] = {child};
    result = folder->GetUIObjectOf(nullptr, 1, items, riid, nullptr, object);
    folder->Release();
  }
  ShellFree(parent);
  ShellFree(child);
  return result;
}

HRESULT GetDesktopDropTarget(IDropTarget** target) {
  if (!target) return E_POINTER;
  *target = nullptr;
  LPITEMIDLIST desktopDir = nullptr;
  HRESULT result = DesktopDirPidl(&desktopDir);
  if (SUCCEEDED(result)) result = GetUIObjectOfPidl(desktopDir, IID_IDropTarget, reinterpret_cast<void**>(target));
  ShellFree(desktopDir);
  return result;
}

HRESULT GetDesktopDirParts(LPITEMIDLIST* parentAbsolute, LPITEMIDLIST* child) {
  *parentAbsolute = *child = nullptr;
  LPITEMIDLIST desktopDir = nullptr;
  HRESULT result = DesktopDirPidl(&desktopDir);
  if (SUCCEEDED(result)) result = SplitCopies(desktopDir, parentAbsolute, child);
  ShellFree(desktopDir);
  return result;
}
