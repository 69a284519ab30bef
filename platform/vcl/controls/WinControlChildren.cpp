// TWinControl's children: inserting, removing, ordering and finding them.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

void TWinControl::SetParent(TWinControl* AParent) {
  // Between two windowed parents the window itself moves; otherwise it is
  // destroyed on removal and made again under the new parent when needed.
  FReparenting = FHandle && AParent && AParent->FHandle;
  try {
    TControl::SetParent(AParent);
  } catch (...) {
    FReparenting = false;
    throw;
  }
  FReparenting = false;
}

int TWinControl::GetWinControlCount() const {
  return static_cast<int>(FWinControls.size());
}

TControl* TWinControl::GetControls(int index) const {
  size_t i = static_cast<size_t>(index);
  if (index < 0 || i >= FControls.size() + FWinControls.size())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return i < FControls.size() ? FControls[i] : FWinControls[i - FControls.size()];
}

void TWinControl::Insert(TControl* control) {
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    FWinControls.push_back(w);
    FTabList.push_back(w);
  } else {
    FControls.push_back(control);
  }
  control->FParent = this;
}

void TWinControl::Remove(TControl* control) {
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    std::erase(FWinControls, w);
    std::erase(FTabList, w);
  } else {
    std::erase(FControls, control);
  }
  control->FParent = nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
  Insert(control);
  if (!control->GetComponentState().Contains(csReading)) {
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
      // A window kept through a change of parent moves under the new one.
      if (w->FHandle && FHandle) ::SetParent(w->FHandle, FHandle);
      w->UpdateShowing();
    } else if (FHandle) {
      control->Invalidate();
    }
    AlignControl(control);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
}

void TWinControl::RemoveControl(TControl* control) {
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    w->ForgetFocus();
    // The window stays while it can move straight to a new parent;
    // otherwise it goes and is made again when needed.
    if (!w->FReparenting) w->DestroyHandle();
  } else if (FHandle) {
    control->InvalidateControl(control->GetVisible(), false);
  }
  Remove(control);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
  Realign();
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (TControl* c = control; c; c = c->GetParent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& pos, bool allowDisabled, bool allWinControls) {
  auto hits = [&](TControl* c) {
    if (!(c->GetVisible() || c->GetComponentState().Contains(csDesigning))) return false;
    if (!(c->GetEnabled() || allowDisabled)) return false;
    TRect r = c->GetBoundsRect();
    if (pos.X < r.Left || pos.X >= r.Right || pos.Y < r.Top || pos.Y >= r.Bottom) return false;
    return c->Perform(CM_HITTEST, 0, PointToLParam(pos.X - r.Left, pos.Y - r.Top)) != 0;
  };
  if (allWinControls)
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
      if (hits(*it)) return *it;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (hits(*it)) return *it;
  return nullptr;
}

TControl* TWinControl::FindChildControl(const std::string& name) const {
  for (TControl* c : FControls)
    if (vcl::detail::SameName(c->GetName(), name)) return c;
  for (TControl* c : FWinControls)
    if (vcl::detail::SameName(c->GetName(), name)) return c;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (int i = 0; i < GetControlCount(); i++) {
    GetControls(i)->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::CMFocusChanged(TMessage& m) {
  // Every control of the form hears which control has the focus now (lParam).
  Broadcast(m);
}

void TWinControl::ShowControl(TControl*) {
  if (FParent) FParent->ShowControl(this);
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage m{msg, 0, 0, 0};
  Broadcast(m);
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < GetControlCount(); i++) {
    TControl* c = GetControls(i);
    if (c->GetOwner() == root) proc(c);
  }
}

void TWinControl::SetChildOrder(TComponent* child, int order) {
  if (auto* w = dynamic_cast<TWinControl*>(child)) {
    auto it = std::find(FWinControls.begin(), FWinControls.end(), w);
    if (it == FWinControls.end()) return;
    FWinControls.erase(it);
    FWinControls.insert(FWinControls.begin() + std::clamp<long>(order, 0, static_cast<long>(FWinControls.size())), w);
  } else if (auto* c = dynamic_cast<TControl*>(child)) {
    auto it = std::find(FControls.begin(), FControls.end(), c);
    if (it == FControls.end()) return;
    FControls.erase(it);
    FControls.insert(FControls.begin() + std::clamp<long>(order, 0, static_cast<long>(FControls.size())), c);
  }
}

void TWinControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFocusedControl) FFocusedControl = nullptr;
}

void TWinControl::Loaded() {
  inherited::Loaded();
  Realign();
  UpdateShowing();
}
