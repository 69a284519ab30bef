// TWinControl's focus: tab order, the focused control of a form, moving
// the focus.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

int TWinControl::GetTabOrder() const {
  if (!FParent) return -1;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!FParent || value == GetTabOrder()) return;
  UpdateTabOrder(value);
}

void TWinControl::UpdateTabOrder(int value) {
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (value < 0 || value > static_cast<int>(list.size())) value = static_cast<int>(list.size());
  list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value) {
  if (FTabStop == value) return;
  FTabStop = value;
  if (FHandle) {
    LONG style = GetWindowLongA(FHandle, GWL_STYLE);
    SetWindowLongA(FHandle, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG>(WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

bool TWinControl::CanFocus() {
  for (TWinControl* c = this; c; c = c->FParent)
    if (!(c->FVisible && c->GetEnabled())) return false;
  return true;
}

bool TWinControl::Focused() {
  return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
  TWinControl* top = GetTopParent(this);
  if (top && top != this)
    top->FocusControl(this);
  else
    ::SetFocus(GetHandle());
}

void TWinControl::FocusControl(TWinControl* control) {
  if (control && control->CanFocus()) ::SetFocus(control->GetHandle());
}

bool TWinControl::SetFocusedControl(TWinControl* control) {
  if (FFocusedControl == control) return true;
  TWinControl* old = FFocusedControl;
  FFocusedControl = control;
  // A tree being torn down moves no focus its events could see.
  if (GetComponentState().Contains(csDestroying)) return true;
  // The focus leaves every control from the old one up to (not including)
  // the nearest parent that also holds the new one, and enters every control
  // from below that parent down to the new one: moving between a control and
  // its own children (a grid and its editor) neither leaves nor enters it.
  // The form itself is never left or entered.
  TWinControl* common = old;
  while (common && common != this && !(control && common->ContainsControl(control))) {
    common->Perform(CM_EXIT, 0, 0);
    if (FFocusedControl != control) return true;  // a handler moved the focus on
    common = common->FParent;
  }
  if (!control) return true;
  std::vector<TWinControl*> entered;
  for (TWinControl* c = control; c && c != common && c != this; c = c->FParent) entered.push_back(c);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
    (*it)->Perform(CM_ENTER, 0, 0);
    if (FFocusedControl != control) return true;
  }
  return true;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : FTabList) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  auto found = std::find(list.begin(), list.end(), current);
  int count = static_cast<int>(list.size());
  int start = found == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    if (goForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c->CanFocus() && (!checkTabStop || c->FTabStop) && (!checkParent || c->FParent == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectFirst() {
  TWinControl* c = FindNextControl(nullptr, true, true, false);
  if (!c) c = FindNextControl(nullptr, true, false, false);
  if (c) c->SetFocus();
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  TWinControl* c = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
  if (c) c->SetFocus();
}

void TWinControl::WMSetFocus(TMessage& m) {
  DefaultHandler(m);
}
void TWinControl::WMKillFocus(TMessage& m) {
  DefaultHandler(m);
}

void TWinControl::CMEnter(TMessage&) {
  DoEnter();
}
void TWinControl::CMExit(TMessage&) {
  DoExit();
}
void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}
