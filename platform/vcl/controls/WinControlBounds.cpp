// TWinControl's showing and bounds: the window follows the control's
// visibility and position.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

void TWinControl::UpdateShowing() {
  // A window exists only under a parent that shows; a control without
  // parent is the top of its tree.
  for (TWinControl* p = FParent; p; p = p->FParent)
    if (!p->FShowing) return;
  bool show = (FVisible || GetComponentState().Contains(csDesigning)) && !FControlState.Contains(csReadingState) &&
              !GetComponentState().Contains(csLoading);
  if (show) {
    if (!FHandle) CreateHandle();
    if (!FShowing) {
      FShowing = true;
      Perform(CM_SHOWINGCHANGED, 0, 0);
    }
    for (TWinControl* child : FWinControls) child->UpdateShowing();
  } else {
    if (FShowing) {
      FShowing = false;
      if (FHandle) Perform(CM_SHOWINGCHANGED, 0, 0);
    }
    for (TWinControl* child : FWinControls)
      if (child->FShowing) {
        child->FShowing = false;
        if (child->FHandle) child->Perform(CM_SHOWINGCHANGED, 0, 0);
      }
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage& m) {
  (void)m;
  if (!FVisible && FParent) ForgetFocus();
  UpdateShowing();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND parent = ::GetParent(FHandle);
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&r), 2);
  }
  FLeft = r.left;
  FTop = r.top;
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  FConstraints->Constrain(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  bool resized = AWidth != FWidth || AHeight != FHeight;
  if (FHandle) {
    // The window's WM_MOVE and WM_SIZE bring the new bounds back (and
    // realign the children).
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();
  } else {
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (resized) Realign();
  }
  UpdateAnchorRules();
  RequestAlign();
  if (resized && !FHandle && !GetComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMSize(TMessage& m) {
  UpdateBounds();
  DefaultHandler(m);
  Realign();
  if (!GetComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMMove(TMessage& m) {
  UpdateBounds();
  DefaultHandler(m);
}

TRect TWinControl::GetClientRect() {
  if (!FHandle) return TRect(0, 0, FWidth, FHeight);
  RECT r;
  ::GetClientRect(FHandle, &r);
  return r;
}

TPoint TWinControl::GetClientOrigin() {
  if (!FHandle) return TControl::GetClientOrigin();
  POINT p{0, 0};
  ::ClientToScreen(FHandle, &p);
  return p;
}
