#include "controls/shell/UNavShellControls/ShellDragDrop.h"

#include "controls/shell/UNavShellControls/DropEffects.h"
#include "controls/shell/UNavShellControls/DropSource.h"
#include "controls/shell/UNavShellControls/ScrollHelpers.h"
#include "controls/shell/UNavShellControls/ShellControlConsts.h"

bool RunOleDrag(TNavDataObject* object, DWORD allowed, bool rightButton, IDataObject*& held) {
  object->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&held));
  struct TDragEnd {
    IDataObject*& data;
    IDropSource* source = nullptr;
    ~TDragEnd() {
      if (source) source->Release();
      data->Release();
      data = nullptr;
    }
  } end{held};
  auto* dropSource = new TDropSource_shlvtv(rightButton ? dbRight : dbLeft);
  dropSource->QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&end.source));
  DWORD effect = DROPEFFECT_NONE;
  return DoDragDrop(held, end.source, allowed, &effect) == DRAGDROP_S_DROP;
}

void TNavDropRegistration::Keep(HWND window, TNavDropTarget* target) {
  target->AddRef();
  if (FAILED(RegisterDragDrop(window, target))) {
    target->Release();
    return;
  }
  FTarget = target;
}

void TNavDropRegistration::Revoke(TWinControl* control) {
  if (!FTarget) return;
  if (control && control->HandleAllocated()) RevokeDragDrop(control->GetHandle());
  FTarget->Release();
  FTarget = nullptr;
}

void TNavEnteredDrag::Enter(IDataObject* data, DWORD keyState) {
  FLastScrollTick = GetTickCount();
  if (data) data->AddRef();
  Leave();
  FData = data;
  FKeyState = keyState;
}

void TNavEnteredDrag::Leave() {
  if (FData) FData->Release();
  FData = nullptr;
}

DWORD TNavEnteredDrag::DropKeys(DWORD keyState) const {
  return keyState | (FKeyState & kNavDropButtons);
}

void TNavEnteredDrag::AutoScroll(TWinControl* control, POINTL screen) {
  const DWORD now = GetTickCount();
  if (now - FLastScrollTick <= kNavScrollStep || !control->HandleAllocated()) return;
  const TPoint client = control->ScreenToClient(TPoint(screen.x, screen.y));
  const TRect area = control->GetClientRect();
  if (client.X < kNavHorizontalScrollMargin)
    ScrollIfPossible(control, nsbHorizontal, SB_LINELEFT);
  else if (client.X > area.Right - kNavHorizontalScrollMargin)
    ScrollIfPossible(control, nsbHorizontal, SB_LINERIGHT);
  if (client.Y < kNavVerticalScrollMargin)
    ScrollIfPossible(control, nsbVertical, SB_LINEUP);
  else if (client.Y > area.Bottom - kNavVerticalScrollMargin)
    ScrollIfPossible(control, nsbVertical, SB_LINEDOWN);
  FLastScrollTick = now;
}

DWORD ProbeDropEnter(IDropTarget* target, IDataObject* data, DWORD keyState, POINTL point, DWORD effect) {
  target->DragEnter(data, keyState, point, &effect);
  target->DragLeave();
  return effect;
}

DWORD ProbeDropOver(IDropTarget* target, IDataObject* data, DWORD keyState, POINTL point, DWORD effect) {
  DWORD scratch = effect;
  target->DragEnter(data, keyState, point, &scratch);
  target->DragOver(keyState, point, &effect);
  target->DragLeave();
  return effect;
}

HRESULT DropOnTarget(IDropTarget* target, IDataObject* data, DWORD keyState, POINTL point, DWORD& effect) {
  DWORD scratch = effect;
  target->DragEnter(data, keyState, point, &scratch);
  scratch = effect;
  target->DragOver(keyState, point, &scratch);
  effect &= GetAllowedDropEffects(data);
  return target->Drop(data, keyState, point, &effect);
}
