// TWinControl's window procedure and mouse: messages for the graphic
// controls on it, the cursor, and the mouse control.
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

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS: {
      // The focus change runs OnExit and OnEnter, which may free this control.
      TWeakRef<TWinControl> self(this);
      TWinControl* top = GetTopParent(this);
      if (top && !top->SetFocusedControl(this)) return;
      if (!self) return;
      break;
    }
    case WM_CANCELMODE:
      // The window holds the capture for a window-less child: the child's
      // mode (a press, a repeat) ends too.
      if (FHandle && GetCapture() == FHandle) {
        TControl* captured = GetCaptureControl();
        if (captured && captured != this && captured->GetParent() == this) captured->Perform(WM_CANCELMODE, 0, 0);
      }
      break;
    default:
      if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MBUTTONDBLCLK) {
        TrackMouseControl(message);
        if (IsControlMouseMsg(message)) {
          if (message.Result == 0 && FHandle) DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam);
          return;
        }
      }
      break;
  }
  TControl::WndProc(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message) {
  TControl* control = nullptr;
  if (FHandle && GetCapture() == FHandle) {
    TControl* captured = GetCaptureControl();
    if (captured && captured != this && captured->GetParent() == this) control = captured;
  } else {
    control = ControlAtPos(TPoint(message.XPos(), message.YPos()), false);
  }
  if (!control) return false;
  message.Result =
      control->Perform(message.Msg, message.WParam,
                       PointToLParam(message.XPos() - control->GetLeft(), message.YPos() - control->GetTop()));
  return true;
}

void TWinControl::TrackMouseControl(TMessage& message) {
  if (message.Msg != WM_MOUSEMOVE || !FHandle) return;
  TControl* target = nullptr;
  if (GetCapture() == FHandle) {
    target = GetCaptureControl();
    if (!target || (target != this && target->GetParent() != this)) target = this;
  } else {
    target = ControlAtPos(TPoint(message.XPos(), message.YPos()), false);
    if (!target) target = this;
  }
  if (target != vcl::GetMouseControl()) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = FHandle;
    TrackMouseEvent(&track);
    vcl::SetMouseControl(target);
  }
}

void TWinControl::WMContextMenu(TMessage& m) {
  // A window-less child under the pointer gets the first say.
  if (m.XPos() != -1 || m.YPos() != -1) {
    TControl* child = ControlAtPos(ScreenToClient(TPoint(m.XPos(), m.YPos())), false);
    if (child) {
      m.Result = child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
      if (m.Result != 0) return;
    }
  }
  InheritedMessage(m);
}

void TWinControl::WMMouseLeave(TMessage& m) {
  TControl* current = vcl::GetMouseControl();
  if (current && (current == this || current->GetParent() == this)) vcl::SetMouseControl(nullptr);
  DefaultHandler(m);
}

void TWinControl::WMSetCursor(TMessage& m) {
  if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == FHandle && Screen) {
    TCursor cursor = Screen->GetCursor();
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* control = ControlAtPos(ScreenToClient(p), false);
      if (control) cursor = control->GetCursor();
      if (cursor == crDefault) cursor = FCursor;
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->GetCursors(cursor));
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

bool TWinControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, POINT(mousePos), handled);
  return handled;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) {
    TControl::DefaultHandler(message);
    return;
  }
  message.Result =
      CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, message.Msg, message.WParam, message.LParam);
}
