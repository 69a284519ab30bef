#include "platform/vcl/controls/ScrollingWinControl.h"

#include <algorithm>

#include "platform/win/windows.h"

// Scroll bars ------------------------------------------------------------------

TControlScrollBar::TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind)
    : FControl(control), FKind(kind) {}

void TControlScrollBar::Publish(TPublisher<TControlScrollBar>& p) {
  p.Prop("Increment", &TControlScrollBar::GetIncrement, &TControlScrollBar::SetIncrement).Default(8);
  p.Prop("Margin", &TControlScrollBar::GetMargin, &TControlScrollBar::SetMargin).Default(0);
  p.Prop("Position", &TControlScrollBar::GetPosition, &TControlScrollBar::SetPosition).Default(0);
  p.Prop("Range", &TControlScrollBar::GetRange, &TControlScrollBar::SetRange).Default(0);
  p.Prop("Visible", &TControlScrollBar::GetVisible, &TControlScrollBar::SetVisible).Default(true);
}

void TControlScrollBar::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TControlScrollBar*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  FIncrement = other->FIncrement;
  FMargin = other->FMargin;
  FVisible = other->FVisible;
  SetRange(other->FRange);
  SetPosition(other->FPosition);
}

int TControlScrollBar::ClientExtent() {
  TRect r = FControl->GetClientRect();
  return FKind == sbHorizontal ? r.Width() : r.Height();
}

int TControlScrollBar::GetScrollPosMax() {
  return std::max(0, FRange - ClientExtent());
}

bool TControlScrollBar::IsScrollBarVisible() {
  return FVisible && FRange > ClientExtent();
}

void TControlScrollBar::SetPosition(int value) {
  value = std::clamp(value, 0, GetScrollPosMax());
  if (value == FPosition) return;
  int delta = FPosition - value;
  FPosition = value;
  if (FKind == sbHorizontal)
    FControl->ScrollBy(delta, 0);
  else
    FControl->ScrollBy(0, delta);
  Update();
}

void TControlScrollBar::SetRange(int value) {
  value = std::max(0, value);
  if (value == FRange) return;
  FRange = value;
  FControl->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  FControl->UpdateScrollBars();
}

void TControlScrollBar::Update() {
  if (!FControl->HandleAllocated()) return;
  int bar = FKind == sbHorizontal ? SB_HORZ : SB_VERT;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (IsScrollBarVisible()) {
    info.nMin = 0;
    info.nMax = FRange - 1;
    info.nPage = static_cast<UINT>(ClientExtent());
    info.nPos = FPosition;
  }
  SetScrollInfo(FControl->GetHandle(), bar, &info, TRUE);
}

void TControlScrollBar::ScrollMessage(TMessage& m) {
  int page = std::max(1, ClientExtent() * 9 / 10);
  int pos = FPosition;
  switch (LOWORD(m.WParam)) {
    case SB_LINEUP: pos -= FIncrement; break;
    case SB_LINEDOWN: pos += FIncrement; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = static_cast<short>(HIWORD(m.WParam)); break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = GetScrollPosMax(); break;
    default: return;
  }
  SetPosition(pos);
}

// The control -------------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner),
      FHorzScrollBar(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::Publish(TPublisher<TScrollingWinControl>& p) {
  p.Prop("HorzScrollBar", &TScrollingWinControl::GetHorzScrollBar, &TScrollingWinControl::SetHorzScrollBar);
  p.Prop("VertScrollBar", &TScrollingWinControl::GetVertScrollBar, &TScrollingWinControl::SetVertScrollBar);
  p.Prop("AutoScroll", &TScrollingWinControl::GetAutoScroll, &TScrollingWinControl::SetAutoScroll).Default(true);
}

void TScrollingWinControl::Messages(TMessageMap<TScrollingWinControl>& m) {
  m.On(WM_HSCROLL, &TScrollingWinControl::WMHScroll);
  m.On(WM_VSCROLL, &TScrollingWinControl::WMVScroll);
}

void TScrollingWinControl::WMHScroll(TMessage& m) {
  // A scroll bar control's own message goes to it; the window's bar is ours.
  if (m.LParam != 0) {
    InheritedMessage(m);
    return;
  }
  FHorzScrollBar->ScrollMessage(m);
}

void TScrollingWinControl::WMVScroll(TMessage& m) {
  if (m.LParam != 0) {
    InheritedMessage(m);
    return;
  }
  FVertScrollBar->ScrollMessage(m);
}

void TScrollingWinControl::SetAutoScroll(bool value) {
  if (FAutoScroll == value) return;
  FAutoScroll = value;
  if (value)
    CalcAutoRange();
  else {
    FHorzScrollBar->SetRange(0);
    FVertScrollBar->SetRange(0);
  }
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* control, TRect& rect) {
  // Aligned children fill the scrolled area, not only the visible part.
  rect.Left -= FHorzScrollBar->FPosition;
  rect.Top -= FVertScrollBar->FPosition;
  TWinControl::AlignControls(control, rect);
  CalcAutoRange();
}

void TScrollingWinControl::CalcAutoRange() {
  if (!FAutoScroll || FUpdatingScrollBars) return;
  int right = 0, bottom = 0;
  for (int i = 0; i < GetControlCount(); i++) {
    TControl* c = GetControls(i);
    if (!c->GetVisible()) continue;
    if (c->GetAlign() != alRight && c->GetAlign() != alClient && c->GetAlign() != alTop && c->GetAlign() != alBottom)
      right = std::max(right, c->GetLeft() + FHorzScrollBar->FPosition + c->GetWidth());
    if (c->GetAlign() != alBottom && c->GetAlign() != alClient && c->GetAlign() != alLeft && c->GetAlign() != alRight)
      bottom = std::max(bottom, c->GetTop() + FVertScrollBar->FPosition + c->GetHeight());
  }
  FUpdatingScrollBars++;
  FHorzScrollBar->FRange = right + FHorzScrollBar->FMargin;
  FVertScrollBar->FRange = bottom + FVertScrollBar->FMargin;
  FUpdatingScrollBars--;
  UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (FUpdatingScrollBars) return;
  FUpdatingScrollBars++;
  // A shrunk range pulls the position back inside it.
  for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()})
    if (bar->FPosition > bar->GetScrollPosMax()) {
      int target = bar->GetScrollPosMax();
      int delta = bar->FPosition - target;
      bar->FPosition = target;
      if (bar->FKind == sbHorizontal)
        ScrollBy(delta, 0);
      else
        ScrollBy(0, delta);
    }
  FHorzScrollBar->Update();
  FVertScrollBar->Update();
  FUpdatingScrollBars--;
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  DisableAlign();
  FUpdatingScrollBars++;
  for (int i = 0; i < GetControlCount(); i++) {
    TControl* c = GetControls(i);
    c->SetBounds(c->GetLeft() + dx, c->GetTop() + dy, c->GetWidth(), c->GetHeight());
  }
  FUpdatingScrollBars--;
  FControlState.Exclude(csAlignmentNeeded);
  EnableAlign();
  Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
  if (!control || !ContainsControl(control) || control == this) return;
  TRect r = control->GetBoundsRect();
  // Into this control's client coordinates when nested deeper.
  for (TWinControl* p = control->GetParent(); p && p != this; p = p->GetParent()) {
    r.Left += p->GetLeft();
    r.Right += p->GetLeft();
    r.Top += p->GetTop();
    r.Bottom += p->GetTop();
  }
  TRect client = GetClientRect();
  if (r.Left < 0)
    FHorzScrollBar->SetPosition(FHorzScrollBar->FPosition + r.Left);
  else if (r.Right > client.Right)
    FHorzScrollBar->SetPosition(FHorzScrollBar->FPosition + std::min(r.Right - client.Right, r.Left));
  if (r.Top < 0)
    FVertScrollBar->SetPosition(FVertScrollBar->FPosition + r.Top);
  else if (r.Bottom > client.Bottom)
    FVertScrollBar->SetPosition(FVertScrollBar->FPosition + std::min(r.Bottom - client.Bottom, r.Top));
}
