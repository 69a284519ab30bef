// OLE drag and drop as the shell tree and the shell list both do it: the
// modal drag of their own items, the drop target registered with their
// window, what a drag that entered them keeps until it leaves, and the way
// they hand a drag on to the shell's drop target under the mouse.
#pragma once

#include "controls/shell/UNavShellControls/DataObjects.h"
#include "controls/shell/UNavShellControls/DropTargets.h"
#include "platform/vcl/Controls.h"
#include "platform/win/ole2.h"

// Drags the data object (the call takes its first reference) with a drop
// source for the left or right button. While the drag runs, held is the
// data object; afterwards it is nil again, also when the drag raises. True
// when DoDragDrop reports a drop.
bool RunOleDrag(TNavDataObject* object, DWORD allowed, bool rightButton, IDataObject*& held);

// The drop target of a control's window, from its registration to its
// revocation.
class TNavDropRegistration {
 public:
  TNavDropRegistration() = default;
  TNavDropRegistration(const TNavDropRegistration&) = delete;
  TNavDropRegistration& operator=(const TNavDropRegistration&) = delete;
  ~TNavDropRegistration() { Revoke(nullptr); }

  // Makes a target of the given class for owner and registers it with the
  // control's window; nothing when one is registered or there is no window.
  template <class TTarget>
  void Register(TWinControl* control, INavOleDropOwner* owner) {
    if (FTarget || !control->HandleAllocated()) return;
    Keep(control->GetHandle(), new TTarget(owner));
  }
  // Revokes the registration with the control's window (when it still has
  // one) and releases the target.
  void Revoke(TWinControl* control);
  bool Registered() const { return FTarget != nullptr; }

 private:
  void Keep(HWND window, TNavDropTarget* target);

  TNavDropTarget* FTarget = nullptr;
};

// What a drag over a control keeps from DragEnter until DragLeave or Drop:
// its data object (counted), the key state it entered with and the time the
// control last scrolled for it.
class TNavEnteredDrag {
 public:
  TNavEnteredDrag() = default;
  TNavEnteredDrag(const TNavEnteredDrag&) = delete;
  TNavEnteredDrag& operator=(const TNavEnteredDrag&) = delete;
  ~TNavEnteredDrag() { Leave(); }

  void Enter(IDataObject* data, DWORD keyState);
  // Releases the data object.
  void Leave();
  IDataObject* Data() const { return FData; }
  DWORD KeyState() const { return FKeyState; }
  // The key state of a drop with the buttons held at DragEnter added: the
  // drop must know which button dragged, though it is up by now.
  DWORD DropKeys(DWORD keyState) const;
  // Scrolls the control a line towards the edges the screen point is near,
  // at most once per scroll step.
  void AutoScroll(TWinControl* control, POINTL screen);

 private:
  IDataObject* FData = nullptr;
  DWORD FKeyState = 0;
  DWORD FLastScrollTick = 0;
};

// The effect target would give data entering at point: DragEnter, then
// DragLeave at once.
DWORD ProbeDropEnter(IDropTarget* target, IDataObject* data, DWORD keyState, POINTL point, DWORD effect);
// The effect target would give data over point, entered afresh: DragEnter,
// DragOver, DragLeave.
DWORD ProbeDropOver(IDropTarget* target, IDataObject* data, DWORD keyState, POINTL point, DWORD effect);
// Drops data on target: DragEnter and DragOver with a scratch effect, the
// effect limited to what the dragged items allow, then Drop, whose answer
// is returned.
HRESULT DropOnTarget(IDropTarget* target, IDataObject* data, DWORD keyState, POINTL point, DWORD& effect);
