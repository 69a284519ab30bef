// TWinControl's keys: key messages through the form and the dialog keys,
// accelerators.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

bool IsAccel(WORD ch, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); i++) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      i++;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(ch & 0xFF);
  }
  return false;
}

namespace vcl {
bool IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  // A window the library did not make may sit inside one it did (an edit
  // inside a combo box): the nearest control's window answers for it.
  HWND wnd = msg.hwnd;
  TWinControl* control = nullptr;
  while (wnd && !(control = FindControl(wnd))) wnd = GetParent(wnd);
  if (!control) return false;
  return SendMessageA(wnd, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}
}  // namespace vcl

// The form's preview and the control's own handler may free the control:
// a freed control counts as having handled the key, so nothing goes on.

bool TWinControl::DoKeyDown(TMessage& m) {
  TWeakRef<TWinControl> self(this);
  TWinControl* top = GetTopParent(this);
  if (top && top != this && top->GetKeyPreview() && top->DoKeyDown(m)) return true;
  if (!self) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  WORD key = m.CharCode();
  KeyDown(key, KeyDataToShiftState(m.LParam));
  if (key == 0 || !self) return true;
  m.WParam = key;
  return false;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  TWeakRef<TWinControl> self(this);
  TWinControl* top = GetTopParent(this);
  if (top && top != this && top->GetKeyPreview() && top->DoKeyPress(m)) return true;
  if (!self) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  char ch = static_cast<char>(m.WParam);
  KeyPress(ch);
  if (ch == 0 || !self) return true;
  m.WParam = static_cast<unsigned char>(ch);
  return false;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  TWeakRef<TWinControl> self(this);
  TWinControl* top = GetTopParent(this);
  if (top && top != this && top->GetKeyPreview() && top->DoKeyUp(m)) return true;
  if (!self) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  WORD key = m.CharCode();
  KeyUp(key, KeyDataToShiftState(m.LParam));
  if (key == 0 || !self) return true;
  m.WParam = key;
  return false;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}
void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}
void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::WMKeyDown(TMessage& m) {
  if (!DoKeyDown(m)) DefaultHandler(m);
}
void TWinControl::WMChar(TMessage& m) {
  if (!DoKeyPress(m)) DefaultHandler(m);
}
void TWinControl::WMKeyUp(TMessage& m) {
  if (!DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::CNKeyDown(TMessage& m) {
  m.Result = 1;
  // A menu's shortcut comes before the control sees the key.
  if (const auto& menuKey = vcl::GetMenuKeyHook(); menuKey && menuKey(this, m)) return;
  if (!GetComponentState().Contains(csDesigning)) {
    if (Perform(CM_CHILDKEY, m.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    LRESULT mask = 0;
    switch (m.CharCode()) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN:
      case VK_EXECUTE:
      case VK_ESCAPE:
      case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
      default: break;
    }
    TWinControl* top = GetTopParent(this);
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, m.WParam, m.LParam) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 && top && top->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0)
      return;
  }
  m.Result = 0;
}

void TWinControl::CNChar(TMessage& m) {
  m.Result = 1;
  if (!GetComponentState().Contains(csDesigning)) {
    TWinControl* top = GetTopParent(this);
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && top &&
        top->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
      return;
  }
  m.Result = 0;
}

void TWinControl::CMChildKey(TMessage& m) {
  if (FParent) m.Result = FParent->Perform(CM_CHILDKEY, m.WParam, m.LParam);
}

void TWinControl::CMDialogKey(TMessage& m) {
  // The top of a tree moves the focus; a form replaces this with its own.
  if (!FParent && GetKeyState(VK_MENU) >= 0) {
    switch (m.CharCode()) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FFocusedControl, GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FFocusedControl && FFocusedControl->FParent) {
          FFocusedControl->FParent->SelectNext(FFocusedControl, m.CharCode() == VK_RIGHT || m.CharCode() == VK_DOWN,
                                               false);
          m.Result = 1;
        }
        return;
      default: break;
    }
  }
  Broadcast(m);
}

void TWinControl::CMDialogChar(TMessage& m) {
  Broadcast(m);
}
