#include "controls/shell/UNavShellControls/ContextMenus.h"

#include "controls/shell/UNavShell95.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"

HRESULT GetContextMenuOf(HWND owner, IShellFolder* folder, UINT count, LPCITEMIDLIST* items, IContextMenu** menu,
                         HMENU& menuHandle, UINT flags, UINT firstId) {
  *menu = nullptr;
  menuHandle = nullptr;
  if (!folder) return E_INVALIDARG;
  const HRESULT result =
      folder->GetUIObjectOf(owner, count, items, IID_IContextMenu, nullptr, reinterpret_cast<void**>(menu));
  if (FAILED(result)) return result;
  menuHandle = CreatePopupMenu();
  const HRESULT filled = (*menu)->QueryContextMenu(menuHandle, 0, firstId, kNavLastShellCommand, flags);
  if (FAILED(filled)) {
    (*menu)->Release();
    *menu = nullptr;
    DestroyMenu(menuHandle);
    menuHandle = nullptr;
    OleCheck(filled);
  }
  return result;
}

int FindVerbId(IContextMenu* menu, const std::string& verb) {
  HMENU popup = CreatePopupMenu();
  const HRESULT filled = menu->QueryContextMenu(popup, 0, kNavFirstShellCommand, kNavLastShellCommand, CMF_EXPLORE);
  if (FAILED(filled)) {
    DestroyMenu(popup);
    OleCheck(filled);
  }
  int found = -1;
  const int count = GetMenuItemCount(popup);
  for (int position = 0; position < count && found < 0; ++position) {
    const UINT id = GetMenuItemID(popup, position);
    if (id == 0 || id == 0xFFFFFFFF) continue;
    char name[261] = {};
    const UINT offset = id - kNavFirstShellCommand;
    if (SUCCEEDED(menu->GetCommandString(offset, GCS_VERBA, nullptr, name, sizeof name)) &&
        win::kernel::EqualsIgnoringCase(name, verb))
      found = static_cast<int>(offset);
  }
  DestroyMenu(popup);
  return found;
}

HRESULT InvokeContextMenuVerb(HWND owner, IContextMenu* menu, UINT offset) {
  if (!menu) return E_INVALIDARG;
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.hwnd = owner;
  info.lpVerb = MAKEINTRESOURCEA(offset);
  info.nShow = SW_SHOWNORMAL;
  return menu->InvokeCommand(&info);
}

HRESULT InvokeContextMenuVerb(HWND owner, IContextMenu* menu, const std::string& verb) {
  if (!menu) return E_INVALIDARG;
  // The first command is at offset 0 too: an unknown verb must not run it.
  const int offset = FindVerbId(menu, verb);
  if (offset < 0) return E_INVALIDARG;
  return InvokeContextMenuVerb(owner, menu, static_cast<UINT>(offset));
}

HWND GetTopFormHandle(TControl* control) {
  if (!control) return nullptr;
  TControl* top = control;
  while (top->GetParent()) top = top->GetParent();
  auto* form = dynamic_cast<TCustomForm*>(top);
  return form ? form->GetHandle() : nullptr;
}
