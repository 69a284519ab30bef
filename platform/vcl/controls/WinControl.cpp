#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

TWinControl* FindVCLWindow(const TPoint& screenPos) {
  HWND hwnd = WindowFromPoint(POINT(screenPos));
  TWinControl* control = nullptr;
  while (hwnd && !(control = FindControl(hwnd))) hwnd = GetParent(hwnd);
  return control;
}

TControl* FindDragTarget(const TPoint& screenPos, bool allowDisabled) {
  TWinControl* window = FindVCLWindow(screenPos);
  if (!window) return nullptr;
  TControl* child = window->ControlAtPos(window->ScreenToClient(screenPos), allowDisabled);
  return child ? child : window;
}

TWinControl* GetTopParent(TControl* control) {
  if (!control) return nullptr;
  TWinControl* top = dynamic_cast<TWinControl*>(control);
  for (TWinControl* p = control->GetParent(); p; p = p->GetParent()) top = p;
  return top;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
  FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
  Destroying();
  ForgetFocus();
  if (FParent) FParent->RemoveControl(this);
  DestroyHandle();
  // Children go with their parent, whoever owns them.
  while (!FControls.empty() || !FWinControls.empty()) {
    TControl* child = !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
    Remove(child);
    delete child;
  }
}

// A control that can no longer hold the focus (hidden, disabled, removed or
// destroyed) hands it to its parent in the form's books, without events: the
// parent still has it, so the next move of the focus makes the parent leave
// as it would have (a grid whose editor closes as the focus goes elsewhere).
void TWinControl::ForgetFocus() {
  TWinControl* top = GetTopParent(this);
  if (!top || top == this || !top->FFocusedControl) return;
  if (top->FFocusedControl != this && !ContainsControl(top->FFocusedControl)) return;
  top->FFocusedControl = FParent != top ? FParent : nullptr;
}

void TWinControl::Publish(TPublisher<TWinControl>& p) {
  p.Prop("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder).Default(-1);
  p.Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop).Default(false);
  p.Prop("OnEnter", &TWinControl::OnEnter);
  p.Prop("OnExit", &TWinControl::OnExit);
  p.Prop("OnKeyDown", &TWinControl::OnKeyDown);
  p.Prop("OnKeyPress", &TWinControl::OnKeyPress);
  p.Prop("OnKeyUp", &TWinControl::OnKeyUp);
}

void TWinControl::Messages(TMessageMap<TWinControl>& m) {
  m.On(WM_PAINT, &TWinControl::WMPaint);
  m.On(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
  m.On(WM_SIZE, &TWinControl::WMSize);
  m.On(WM_MOVE, &TWinControl::WMMove);
  m.On(WM_COMMAND, &TWinControl::WMCommand);
  m.On(WM_NOTIFY, &TWinControl::WMNotify);
  m.On(WM_DRAWITEM, &TWinControl::WMDrawItem);
  m.On(WM_MEASUREITEM, &TWinControl::WMMeasureItem);
  m.On(WM_DELETEITEM, &TWinControl::WMDeleteItem);
  m.On(WM_COMPAREITEM, &TWinControl::WMCompareItem);
  m.On(WM_HSCROLL, &TWinControl::WMScroll);
  m.On(WM_VSCROLL, &TWinControl::WMScroll);
  for (UINT msg = WM_CTLCOLORMSGBOX; msg <= WM_CTLCOLORSTATIC; msg++) m.On(msg, &TWinControl::WMCtlColor);
  m.On(WM_SETFOCUS, &TWinControl::WMSetFocus);
  m.On(WM_KILLFOCUS, &TWinControl::WMKillFocus);
  m.On(WM_KEYDOWN, &TWinControl::WMKeyDown);
  m.On(WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
  m.On(WM_CHAR, &TWinControl::WMChar);
  m.On(WM_KEYUP, &TWinControl::WMKeyUp);
  m.On(WM_SYSKEYUP, &TWinControl::WMKeyUp);
  m.On(WM_SETCURSOR, &TWinControl::WMSetCursor);
  m.On(WM_MOUSELEAVE, &TWinControl::WMMouseLeave);
  m.On(WM_NCDESTROY, &TWinControl::WMNCDestroy);
  m.On(CN_KEYDOWN, &TWinControl::CNKeyDown);
  m.On(CN_SYSKEYDOWN, &TWinControl::CNKeyDown);
  m.On(CN_CHAR, &TWinControl::CNChar);
  m.On(CN_SYSCHAR, &TWinControl::CNChar);
  m.On(CM_DIALOGKEY, &TWinControl::CMDialogKey);
  m.On(CM_DIALOGCHAR, &TWinControl::CMDialogChar);
  m.On(CM_CHILDKEY, &TWinControl::CMChildKey);
  m.On(CM_ENTER, &TWinControl::CMEnter);
  m.On(CM_EXIT, &TWinControl::CMExit);
  m.On(CM_COLORCHANGED, &TWinControl::CMColorChanged);
  m.On(CM_FONTCHANGED, &TWinControl::CMFontChanged);
  m.On(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
  m.On(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
  m.On(CM_SHOWINGCHANGED, &TWinControl::CMShowingChanged);
  m.On(CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged);
  m.On(CM_INVALIDATE, &TWinControl::CMInvalidate);
  m.On(WM_CONTEXTMENU, &TWinControl::WMContextMenu);
  m.On(CM_CTL3DCHANGED, &TWinControl::CMCtl3DChanged);
  m.On(CM_FOCUSCHANGED, &TWinControl::CMFocusChanged);
}
