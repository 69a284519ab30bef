// TWinControl's alignment of its children (Align: top, bottom, left, right, client).
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

void TWinControl::DisableAlign() {
  FAlignLevel++;
}

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
  AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* control) {
  if (GetComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0 || GetComponentState().Contains(csLoading)) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  TRect r = GetClientRect();
  AlignControls(control, r);
  FControlState.Exclude(csAlignmentNeeded);
  EnableAlign();
}

namespace {
// Whether c1 goes before c2 among the controls of one alignment: the one
// nearer the edge they align to comes first.
bool InsertBefore(TControl* c1, TControl* c2, TAlign align) {
  switch (align) {
    case alTop: return c1->GetTop() < c2->GetTop();
    case alBottom: return c1->GetTop() + c1->GetHeight() >= c2->GetTop() + c2->GetHeight();
    case alLeft: return c1->GetLeft() < c2->GetLeft();
    case alRight: return c1->GetLeft() + c1->GetWidth() >= c2->GetLeft() + c2->GetWidth();
    default: return false;
  }
}

void DoPosition(TControl* c, TAlign align, TRect& r) {
  int left = c->GetLeft(), top = c->GetTop(), width = c->GetWidth(), height = c->GetHeight();
  switch (align) {
    case alTop:
      left = r.Left;
      top = r.Top;
      width = r.Width();
      r.Top += height;
      break;
    case alBottom:
      left = r.Left;
      r.Bottom -= height;
      top = r.Bottom;
      width = r.Width();
      break;
    case alLeft:
      left = r.Left;
      top = r.Top;
      height = r.Height();
      r.Left += width;
      break;
    case alRight:
      r.Right -= width;
      left = r.Right;
      top = r.Top;
      height = r.Height();
      break;
    case alClient:
      left = r.Left;
      top = r.Top;
      width = r.Width();
      height = r.Height();
      break;
    default: return;
  }
  c->SetBounds(left, top, std::max<LONG>(width, 0), std::max<LONG>(height, 0));
}
}  // namespace

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  for (int i = 0; i < GetControlCount(); i++) GetControls(i)->ApplyAnchorRules(rect.Width(), rect.Height());
  AdjustClientRect(rect);
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    auto counts = [&](TControl* c) {
      return c->GetAlign() == align && (c->GetVisible() || c->GetComponentState().Contains(csDesigning));
    };
    std::vector<TControl*> list;
    // The control that asked comes first among equals: it is where the user put it.
    if (control && counts(control)) list.push_back(control);
    for (int i = 0; i < GetControlCount(); i++) {
      TControl* c = GetControls(i);
      if (c == control || !counts(c)) continue;
      size_t j = 0;
      while (j < list.size() && !InsertBefore(c, list[j], align)) j++;
      list.insert(list.begin() + static_cast<long>(j), c);
    }
    for (TControl* c : list) DoPosition(c, align, rect);
  }
  ControlsAligned();
}

void TWinControl::ScaleBy(int m, int d) {
  if (d == 0) return;
  DisableAlign();
  for (int i = 0; i < GetControlCount(); i++) {
    TControl* c = GetControls(i);
    c->SetBounds(MulDiv(c->GetLeft(), m, d), MulDiv(c->GetTop(), m, d), MulDiv(c->GetWidth(), m, d),
                 MulDiv(c->GetHeight(), m, d));
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->ScaleBy(m, d);
  }
  EnableAlign();
}
