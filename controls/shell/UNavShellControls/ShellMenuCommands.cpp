#include "controls/shell/UNavShellControls/ShellMenuCommands.h"

#include "controls/shell/UNavShellControls/ContextMenus.h"
#include "controls/shell/UNavShellControls/SendToDrop.h"
#include "controls/shell/UNavShellControls/ShellControlConsts.h"

TNavShownMenu::TNavShownMenu(IContextMenu*& current, IContextMenu* menu, HMENU handle)
    : FCurrent(current), FMenu(menu), FHandle(handle) {
  FCurrent = menu;
}

TNavShownMenu::~TNavShownMenu() {
  DestroyMenu(FHandle);
  FMenu->Release();
  FCurrent = nullptr;
}

int TNavShownMenu::Track(TWinControl* control, TPoint client) {
  const TPoint screen = control->ClientToScreen(client);
  return TrackPopupMenu(FHandle, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.X, screen.Y, 0, control->GetHandle(), nullptr);
}

bool TNavShownMenu::Run(int command, HWND owner, const std::function<void()>& rename,
                        const std::function<void(int)>& sendTo) {
  if (command == static_cast<int>(kNavRenameCommand)) {
    rename();
  } else if (command >= static_cast<int>(kNavFirstShellCommand)) {
    InvokeContextMenuVerb(owner, FMenu, static_cast<UINT>(command) - kNavFirstShellCommand);
    return true;
  } else if (command >= 1) {
    sendTo(command - 1);
  }
  return false;
}

void ForwardShellMenuMessage(TMessage& message, IContextMenu* menu, TCustomImageList* images, TObject* control,
                             const TNavPopupHintEvent& hint) {
  if (!menu) return;
  switch (message.Msg) {
    case WM_INITMENUPOPUP: HandleInitMenuPopup(message, menu); break;
    case WM_DRAWITEM: HandleDrawItem(message, menu, images ? images->GetHandle() : nullptr); break;
    case WM_MEASUREITEM: HandleMeasureItem(message, menu); break;
    case WM_MENUCHAR: HandleMenuChar(message, menu); break;
    case WM_MENUSELECT: HandleMenuSelect(message, menu, control, hint); break;
    default: break;
  }
}

void SendToEntry(int index, const std::function<TNavDataObject*()>& make) {
  TStringList* entries = GetSendToList();
  if (!entries || index < 0 || index >= entries->GetCount()) return;
  TNavReleased<IDataObject> data;
  make()->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&data.object));
  SendToDrop(entries->GetStrings(index), data.object);
}

HRESULT InvokeVerbAndRelease(HWND owner, IContextMenu* menu, const std::string& verb) {
  TNavReleased<IContextMenu> held(menu);
  return InvokeContextMenuVerb(owner, menu, verb);
}
