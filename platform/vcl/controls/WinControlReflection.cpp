// TWinControl's reflection: notifications a window sends its parent go back
// to the control that owns the sending window.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

void TWinControl::ReflectTo(TMessage& message, HWND child) {
  TWinControl* control = FindControl(child);
  if (control && control != this) {
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::WMCommand(TMessage& m) {
  ReflectTo(m, reinterpret_cast<HWND>(m.LParam));
}

void TWinControl::WMNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  ReflectTo(m, header ? header->hwndFrom : nullptr);
}

void TWinControl::WMDrawItem(TMessage& m) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  ReflectTo(m, item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr);
}

void TWinControl::WMMeasureItem(TMessage& m) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  HWND child =
      item && item->CtlType != ODT_MENU && FHandle ? GetDlgItem(FHandle, static_cast<int>(item->CtlID)) : nullptr;
  ReflectTo(m, child);
}

void TWinControl::WMDeleteItem(TMessage& m) {
  auto* item = reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam);
  ReflectTo(m, item ? item->hwndItem : nullptr);
}

namespace {
// The leading fields of WM_COMPAREITEM's record, all this needs of it.
struct CompareItemHead {
  UINT CtlType;
  UINT CtlID;
  HWND hwndItem;
};
}  // namespace

void TWinControl::WMCompareItem(TMessage& m) {
  auto* item = reinterpret_cast<CompareItemHead*>(m.LParam);
  ReflectTo(m, item ? item->hwndItem : nullptr);
}

void TWinControl::WMScroll(TMessage& m) {
  ReflectTo(m, reinterpret_cast<HWND>(m.LParam));
}

void TWinControl::WMCtlColor(TMessage& m) {
  ReflectTo(m, reinterpret_cast<HWND>(m.LParam));
}
